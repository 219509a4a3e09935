#include "manager/active_document.h"

#include "annotations/host_frame.h"
#include "platform/host/roles.h"

namespace lumar {

namespace {
constexpr int kUnsavedChanges = 1;  // document flags bit 1
}  // namespace

pdf::Document* StorableActiveDocument() {
    pdf::Document* document = ActivePdfDocument();
    if (document == nullptr) {
        return nullptr;
    }
    try {
        if (host::pageCount(document) % 2 != 0) {
            host::alertNote("The document has an odd number of pages!");
            return nullptr;
        }
    } catch (const host::HostError& error) {
        ShowHostError("Error acquiring page:", error);
        return nullptr;
    }
    bool unsaved = true;
    try {
        unsaved = (host::documentFlags(document) & kUnsavedChanges) != 0;
    } catch (const host::HostError&) {
        unsaved = true;
    }
    if (unsaved) {
        host::alertNote("The document needs to be saved first...");
        return nullptr;
    }
    return document;
}

std::string DocumentFilePath(pdf::Document* document) {
    try {
        return DocumentPathText(document);
    } catch (const host::HostError&) {
        return {};
    }
}

}  // namespace lumar
