#pragma once

// Printing a document with Qt Print Support: with the print dialog for one
// document, straight to the default printer for several, or into a PDF file.

#include <QString>

class QWidget;

namespace lumar::pdf {
class Document;
}

namespace lumar::desk {

struct PrintRequest {
    int firstPage = 0;  // page indexes, both included; clamped to the document
    int lastPage = 0;
    bool interactive = false;  // show the print dialog first
    QString toFile;            // print into this PDF file instead of a printer
};

// Whether the pages were printed (false when the user cancelled the print
// dialog, the document has none of the pages, or the printer failed).
bool printDocument(QWidget* parent, const pdf::Document& document, const PrintRequest& request);

}  // namespace lumar::desk
