#pragma once

// The annotation report: the page texts of every page of a document, one
// line per data annotation, CR LF after each, optionally each behind the
// number of its page pair and a blank ("1 " for pages 1 and 2, "2 " for pages
// 3 and 4). A page without a data annotation gives no line, a page with two
// gives two. The menu commands write it to "<base name>.rep" in the
// annotations folder.

#include <string>

namespace lumar {

namespace pdf {
class Document;
}

// Writes the report into the file at `targetPath` (a platform path text),
// replacing what it held, with progress in the host's monitor, and shows
// "Annotation report generated.". Returns false (after showing "Failed to
// create report output file." or the write failure) when the file could not
// be written. Pages that cannot be acquired are reported and left out.
bool WriteAnnotationReport(pdf::Document* document, bool withNumbers,
                           const std::string& targetPath);

// The same lines in memory, without progress or messages. Without numbers
// this is the document's Annotation_data.
std::string AnnotationReportText(pdf::Document* document, bool withNumbers);

// The report of the document into "<base name>.rep" in the annotations
// folder, as the menu commands do it; false when it was not written (the
// reason has been shown).
bool CreateAnnotationReport(pdf::Document* document, bool withNumbers);

// The menu commands "Create annotation report" and "Create annotation report
// (no numbers)" on the active document.
void AnnotationReportCommand(void* clientData);
void AnnotationReportNoNumbersCommand(void* clientData);

}  // namespace lumar
