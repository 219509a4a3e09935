// lumar annotation-report PDF: the annotation report of the PDF, written as
// <name>.rep into the annotations folder.

#include "annotations/annotation_report.h"
#include "cli/commands.h"
#include "cli/document_session.h"
#include "cli/exit_codes.h"
#include "cli/typed_path.h"

namespace lumar::cli {

namespace {

class AnnotationReportCommand final : public Command {
public:
    CLI::App* Declare(CLI::App& app) override;
    int Run(const GlobalOptions& global) override;

private:
    std::string pdf_;
    bool noNumbers_ = false;
};

CLI::App* AnnotationReportCommand::Declare(CLI::App& app) {
    CLI::App* command = app.add_subcommand(
        "annotation-report", "write the annotation report (.rep) into the annotations folder");
    command->add_option("PDF", pdf_, "the PDF file")->required()->transform(AbsolutePathOption());
    command->add_flag("--no-numbers", noNumbers_, "without the page pair numbers");
    return command;
}

int AnnotationReportCommand::Run(const GlobalOptions& global) {
    DocumentSession session(global, pdf_);
    session->RequireMenuItem(noNumbers_ ? "TOLMA:LumarAnnotRepNo" : "TOLMA:LumarAnnotRepYes");
    return CreateAnnotationReport(session->ActiveDocument(), !noNumbers_) ? kExitDone : kExitFailed;
}

}  // namespace

std::unique_ptr<Command> MakeAnnotationReportCommand() {
    return std::make_unique<AnnotationReportCommand>();
}

}  // namespace lumar::cli
