#pragma once

// The PDF check: is a document fit for printing production? Its PDF version
// must be 1.3 and every font fully embedded with a standard encoding. The
// check appends a text report to "<base name>.pdf_report.txt" beside the
// PDF (or in the folder its caller names), tells the user the verdict and
// hands the version, the number of faulty fonts and the verdict back to its
// caller, which stores them with the document's service record
// (Pdf_version, Pdf_font_error_count, Pdf_OK).
//
//   PdfCheckRequest check;
//   check.document = document;
//   check.quiet = true;                                 // nothing is shown
//   check.report = PdfCheckRequest::Report::None;       // a merged binder: no report
//   CheckPdf(check);
//   record.Pdf_OK = check.ok;

#include <cstdint>
#include <string>
#include <string_view>

namespace lumar {

namespace pdf {
class Document;
struct Font;
}  // namespace pdf

struct PdfCheckRequest {
    // In.
    pdf::Document* document = nullptr;
    // Run inside a larger operation (details dialog, storing, merging): the
    // version is not judged, and the verdict offers "Continue" and "Cancel".
    bool partOfOperation = false;
    // No progress, no alerts, no messages at all.
    bool quiet = false;
    // Where the report goes: beside the document; into `reportFolder` (a
    // document being stored goes with its report beside the stored copy,
    // not in the folder the user took it from); or nowhere (a merged
    // binder, whose figures go to the service only).
    enum class Report { BesideDocument, InFolder, None };
    Report report = Report::BesideDocument;
    std::string reportFolder;  // platform path, for Report::InFolder

    // Out.
    // Starts as `quiet`; set when the user chooses to go on, and always when
    // the document is OK.
    bool proceed = false;
    // "%d.%d" of the document's version; "1.3" when part of an operation or quiet.
    std::string versionText;
    std::int32_t fontErrorCount = 0;
    // No error found and the report written (when one is wanted).
    bool ok = false;
};

// Runs the check; returns request.ok.
bool CheckPdf(PdfCheckRequest& request);

// The menu command "Check PDF file" on the active document.
void PdfCheckCommand(void* clientData);

// A subset font's name: longer than 7 characters, six capitals "A" to "Z"
// and a "+" at position 6 ("ABCDEF+Name").
bool IsSubsetFontName(std::string_view name);

// The font, or the first descendant of a composite font (its name may start
// with "@", the mark of a vertical-writing font), carries a subset name.
bool FontIsSubset(const pdf::Font* font);

// Called by the host once per font while the check runs, with the quiet flag
// as client data; adds the font's block to the report and returns whether
// the font is OK.
bool PdfCheckFontProc(const pdf::Font* font, void* quiet);

}  // namespace lumar
