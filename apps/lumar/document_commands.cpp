// The commands on one PDF that the "&Lumar" menu offers for the active
// document: the annotation check, the annotation reports, the annotation
// import and the footer export. Each logs on (the menu offers them to
// logged-on users of level 3), opens the PDF in the host and runs the
// command with the answers from the options.

#include "annotations/annotation_check.h"
#include "annotations/annotation_import.h"
#include "annotations/annotation_report.h"
#include "cli_session.h"
#include "commands.h"
#include "exit_codes.h"
#include "pdftools/footer_export.h"
#include "pdftools/footer_region.h"
#include "platform/host/roles.h"
#include "platform/text/cp1252.h"

namespace lumar::cli {

namespace {

// A session with the PDF open as the active document.
class DocumentSession {
public:
    DocumentSession(const GlobalOptions& global, const std::string& pdf) : session_(global) {
        session_.LogOn();
        session_.OpenDocument(pdf);
    }
    CliSession& operator*() { return session_; }
    CliSession* operator->() { return &session_; }

private:
    CliSession session_;
};

std::vector<double> RegionNumbers(const std::string& text) {
    std::vector<double> numbers;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string part = text.substr(start, comma - start);
        try {
            std::size_t used = 0;
            numbers.push_back(std::stod(part, &used));
            if (used != part.size()) {
                numbers.clear();
                break;
            }
        } catch (const std::exception&) {
            numbers.clear();
            break;
        }
        start = comma + 1;
    }
    if (numbers.size() != 4) {
        throw CommandExit(kExitUsage,
                          "lumar: --region: expected LEFT,BOTTOM,RIGHT,TOP in points, got " + text);
    }
    return numbers;
}

}  // namespace

int RunCheckAnnotations(const GlobalOptions& global, const std::string& pdf) {
    DocumentSession session(global, pdf);
    session->RunMenuItem("TOLMA:LumarAnnotCheck");
    return AnnotationCheckMessage().empty() ? kExitDone : kExitFailed;
}

int RunAnnotationReport(const GlobalOptions& global, const std::string& pdf, bool noNumbers) {
    DocumentSession session(global, pdf);
    session->RequireMenuItem(noNumbers ? "TOLMA:LumarAnnotRepNo" : "TOLMA:LumarAnnotRepYes");
    return CreateAnnotationReport(session->ActiveDocument(), !noNumbers) ? kExitDone : kExitFailed;
}

int RunImportAnnotations(const GlobalOptions& global, const ImportOptions& options) {
    DocumentSession session(global, options.pdf);
    session->RequireMenuItem("TOLMA:LumarAnnotImport");
    pdf::Document* document = session->ActiveDocument();
    const PageDataMode mode = options.replace ? PageDataMode::Replace : PageDataMode::Add;
    if (!ImportPages(document, text::fromUtf8(options.from), mode)) {
        return kExitFailed;
    }
    const std::string target = options.saveAs.empty() ? options.pdf : options.saveAs;
    return SaveDocumentTo(document, text::fromUtf8(target)) ? kExitDone : kExitFailed;
}

int RunExportFooter(const GlobalOptions& global, const std::string& pdf,
                    const std::string& region) {
    const std::vector<double> numbers = RegionNumbers(region);
    DocumentSession session(global, pdf);
    session->RequireMenuItem("TOLMA:LumarVoetRegels");
    // The region as the tool would have it drawn on the first page.
    host::FixedRect drawn;
    drawn.left = host::fixedFromDouble(numbers[0]);
    drawn.bottom = host::fixedFromDouble(numbers[1]);
    drawn.right = host::fixedFromDouble(numbers[2]);
    drawn.top = host::fixedFromDouble(numbers[3]);
    const std::optional<host::FixedRect> checked =
        CheckedFooterRegion(session->ActiveDocument(), 0, drawn);
    if (!checked) {
        return kExitFailed;
    }
    SetFooterRegions(*checked);
    return ExportFooterText(std::nullopt) ? kExitDone : kExitFailed;
}

}  // namespace lumar::cli
