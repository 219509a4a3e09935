#include "cli/commands.h"

namespace lumar::cli {

std::vector<std::unique_ptr<Command>> AllCommands() {
    using Factory = std::unique_ptr<Command> (*)();
    static constexpr Factory kFactories[] = {
        MakeDemoCommand,
        MakePublicationsCommand,
        MakeMergeCommand,
        MakeUpdateCommand,
        MakeAddBindersCommand,
        MakeAddSupplementCommand,
        MakeSearchCommand,
        MakeMergeDataCheckCommand,
        MakePdfCheckCommand,
        MakeCheckAnnotationsCommand,
        MakeAnnotationReportCommand,
        MakeImportAnnotationsCommand,
        MakeExportFooterCommand,
    };
    std::vector<std::unique_ptr<Command>> commands;
    for (const Factory make : kFactories) {
        commands.push_back(make());
    }
    return commands;
}

}  // namespace lumar::cli
