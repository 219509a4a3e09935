#pragma once

// The annotation check: does every page of a document carry exactly one data
// annotation? Pages without one and pages with more than one are listed by
// number (from 1) and described in the check message, which callers show as
// it stands:
//
//   AnnotationCheck check;
//   if (!CheckAnnotations(document, &check)) {
//       host::alertNote(check.message);  // "No annotations for Lumar found on page 3."
//   }
//
// The check shows its progress in the host's document progress monitor. A
// page that cannot be acquired is reported in an alert note and counts
// neither as missing nor as surplus.

#include <string>
#include <vector>

namespace lumar {

namespace pdf {
class Document;
class Page;
}  // namespace pdf

struct AnnotationCheck {
    // Page numbers (page index + 1), ascending.
    std::vector<int> missingPages;
    std::vector<int> surplusPages;
    // Empty when every page has exactly one data annotation; otherwise one
    // line per list ("No annotations for Lumar found on these pages: 3, 7."
    // and "Too many annotations for Lumar found on page 5."), joined by CR LF.
    std::string message;
};

// Checks every page of the document. Fills `result` when given and the
// shared check message; returns whether every page has exactly one data
// annotation.
bool CheckAnnotations(pdf::Document* document, AnnotationCheck* result = nullptr);

// The message of the last check (empty when it passed or none ran).
const std::string& AnnotationCheckMessage();

// The number of valid data annotations on the page. An annotation whose
// title cannot be read is reported in an alert note and does not count.
int CountDataAnnotations(pdf::Page* page);

// The menu command "Check number of annotations" on the active document.
void AnnotationCheckCommand(void* clientData);

}  // namespace lumar
