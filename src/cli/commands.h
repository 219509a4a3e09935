#pragma once

// The commands of the command line, one file each (<name>_command.cpp),
// listed in the order "lumar --help" shows them.

#include <memory>
#include <vector>

#include "cli/command.h"

namespace lumar::cli {

std::unique_ptr<Command> MakeDemoCommand();
std::unique_ptr<Command> MakePublicationsCommand();
std::unique_ptr<Command> MakeMergeCommand();
std::unique_ptr<Command> MakeUpdateCommand();
std::unique_ptr<Command> MakeAddBindersCommand();
std::unique_ptr<Command> MakeAddSupplementCommand();
std::unique_ptr<Command> MakeSearchCommand();
std::unique_ptr<Command> MakeMergeDataCheckCommand();
std::unique_ptr<Command> MakePdfCheckCommand();
std::unique_ptr<Command> MakeCheckAnnotationsCommand();
std::unique_ptr<Command> MakeAnnotationReportCommand();
std::unique_ptr<Command> MakeImportAnnotationsCommand();
std::unique_ptr<Command> MakeExportFooterCommand();

// Every command, in the order of the help.
std::vector<std::unique_ptr<Command>> AllCommands();

}  // namespace lumar::cli
