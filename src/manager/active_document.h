#pragma once

// The host's active document as a document to be stored: it must exist,
// have an even number of pages (whole leaves) and no unsaved changes.

#include <string>

namespace lumar {

namespace pdf {
class Document;
}

// The PDF document of the active document, or none after telling the user
// why it cannot be stored ("Open a PDF first", "Could not get pdDoc of
// opened PDF", "The document has an odd number of pages!", "The document
// needs to be saved first..."). Flags that cannot be read count as unsaved
// changes.
pdf::Document* StorableActiveDocument();

// The platform path of the document's file (empty when it has none).
std::string DocumentFilePath(pdf::Document* document);

}  // namespace lumar
