#pragma once

// The "PDModel" table (documents, pages, annotations, fonts, words) and the
// "Cos" table (the objects of a document), over the PDF engine. Documents
// and pages are handed out as pointers the host owns until they are closed
// or released; annotations and objects travel as engine handles by value.

namespace lumar::pdf {
class Document;
}

namespace lumar::host {

struct PDModelTable {
    // Bit 1: unsaved changes.
    int (*documentFlags)(pdf::Document* document);
    // 0 when the operation on the object is granted.
    int (*permissionRequest)(pdf::Document* document, int object, int operation, void* data);
};

struct CosTable {};

}  // namespace lumar::host
