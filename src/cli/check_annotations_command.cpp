// lumar check-annotations PDF: the annotation check on the PDF; exit 1 when
// a page has no data annotation or more than one.

#include "annotations/annotation_check.h"
#include "cli/commands.h"
#include "cli/document_session.h"
#include "cli/exit_codes.h"
#include "cli/typed_path.h"

namespace lumar::cli {

namespace {

class CheckAnnotationsCommand final : public Command {
public:
    CLI::App* Declare(CLI::App& app) override;
    int Run(const GlobalOptions& global) override;

private:
    std::string pdf_;
};

CLI::App* CheckAnnotationsCommand::Declare(CLI::App& app) {
    CLI::App* command = app.add_subcommand(
        "check-annotations", "check that every page carries one data annotation (exit 1 when not)");
    command->add_option("PDF", pdf_, "the PDF file")->required()->transform(AbsolutePathOption());
    return command;
}

int CheckAnnotationsCommand::Run(const GlobalOptions& global) {
    DocumentSession session(global, pdf_);
    session->RunMenuItem("TOLMA:LumarAnnotCheck");
    return AnnotationCheckMessage().empty() ? kExitDone : kExitFailed;
}

}  // namespace

std::unique_ptr<Command> MakeCheckAnnotationsCommand() {
    return std::make_unique<CheckAnnotationsCommand>();
}

}  // namespace lumar::cli
