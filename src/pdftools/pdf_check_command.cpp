// The menu command "Check PDF file".

#include "pdftools/pdf_check.h"
#include "platform/host/roles.h"

namespace lumar {

void PdfCheckCommand(void* /*clientData*/) {
    host::DocumentView* view = host::activeDocument();
    if (view == nullptr) {
        host::alertNote("Open a PDF first.");
        return;
    }
    pdf::Document* document = host::documentOfView(view);
    if (document == nullptr) {
        return;
    }
    PdfCheckRequest check;
    check.document = document;
    CheckPdf(check);
}

}  // namespace lumar
