// lumar pdf-check PDF: the PDF check on a file opened in the host.

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/terminal_output.h"
#include "cli/typed_path.h"
#include "pdftools/pdf_check.h"
#include "platform/host/roles.h"

namespace lumar::cli {

namespace {

class PdfCheckCommand final : public Command {
public:
    CLI::App* Declare(CLI::App& app) override;
    int Run(const GlobalOptions& global) override;

private:
    std::string pdf_;
    bool partOfOperation_ = false;
    bool quiet_ = false;
};

CLI::App* PdfCheckCommand::Declare(CLI::App& app) {
    CLI::App* command = app.add_subcommand(
        "pdf-check",
        "check a PDF's version and fonts; prints version, font errors and verdict "
        "(exit 1 when not OK)");
    command->add_option("PDF", pdf_, "the PDF file")->required()->transform(AbsolutePathOption());
    command->add_flag("--part-of-operation", partOfOperation_,
                      "as inside a larger operation: the version is not judged");
    command->add_flag("--quiet", quiet_, "the check shows nothing");
    return command;
}

int PdfCheckCommand::Run(const GlobalOptions& global) {
    CliSession session(global);
    session.OpenDocument(pdf_);
    PdfCheckRequest check;
    check.document = host::documentOfView(host::activeDocument());
    check.partOfOperation = partOfOperation_;
    check.quiet = quiet_;
    CheckPdf(check);
    PrintResult("Version\t" + check.versionText);
    PrintResult("Font errors\t" + std::to_string(check.fontErrorCount));
    PrintResult(std::string("Verdict\t") + (check.ok ? "OK" : "Not OK"));
    return check.ok ? kExitDone : kExitFailed;
}

}  // namespace

std::unique_ptr<Command> MakePdfCheckCommand() {
    return std::make_unique<PdfCheckCommand>();
}

}  // namespace lumar::cli
