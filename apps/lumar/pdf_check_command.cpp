// lumar pdf-check PDF: the PDF check on a file opened in the host.

#include "cli_session.h"
#include "commands.h"
#include "exit_codes.h"
#include "pdftools/pdf_check.h"
#include "platform/host/roles.h"
#include "terminal_output.h"

namespace lumar::cli {

int RunPdfCheck(const GlobalOptions& global, const PdfCheckOptions& options) {
    CliSession session(global);
    session.OpenDocument(options.pdf);
    PdfCheckRequest check;
    check.document = host::documentOfView(host::activeDocument());
    check.partOfOperation = options.partOfOperation;
    check.quiet = options.quiet;
    CheckPdf(check);
    PrintResult("Version\t" + check.versionText);
    PrintResult("Font errors\t" + std::to_string(check.fontErrorCount));
    PrintResult(std::string("Verdict\t") + (check.ok ? "OK" : "Not OK"));
    return check.ok ? kExitDone : kExitFailed;
}

}  // namespace lumar::cli
