#pragma once

// The annotation import: every page of a document gets its data annotation
// from a text file holding one line per page, an annotation file ("*.ann")
// or a footer file ("*.ann.txt"). Existing data annotations are added to or
// replaced; a page without one gets a new one (data_annotation.h). After a
// successful import from the menu the user may save the document under a new
// name.

#include <optional>
#include <string>

#include "annotations/page_data.h"

namespace lumar {

namespace host {
class DocumentView;
}
namespace pdf {
class Document;
}

inline constexpr const char* kImportFileFilter =
    "Lumar Annotations Files (*.ann)|*.ann|Lumar Footer Files (*.ann.txt)|*.ann.txt|"
    "All Files (*.*)|*.*||";

// Reads the file at `path` (a platform path text) into the document's pages,
// line i into page i, with progress in the host's monitor. Fails, with a
// message, when the file cannot be opened, has fewer lines than the document
// has pages ("Unexpected EOF. More pages than footers"), or a non-blank line
// after the last page ("Unexpected EOF. More footers than pages"); the pages
// before the failure keep their new data in memory.
bool ImportPages(pdf::Document* document, const std::string& path, PageDataMode mode);

// Lets the user choose where to save the view's document (the save chooser
// starts at its own file) and saves it there as a PDF 1.3 file. Returns
// whether it was saved; a failure is shown.
bool SaveDocumentAs(host::DocumentView* view);

// Saves the document under `path` as a PDF 1.3 file; a failure is shown and
// gives false.
bool SaveDocumentTo(pdf::Document* document, const std::string& path);

// The menu command "Import annotations..." on the active document.
void AnnotationImportCommand(void* clientData);

}  // namespace lumar
