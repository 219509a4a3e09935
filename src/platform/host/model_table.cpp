// The "PDModel" table's procedures over the PDF engine.

#include "platform/host/engine_call.h"
#include "platform/host/host.h"
#include "platform/pdf/document.h"

namespace lumar::host {

namespace {

int documentFlags(pdf::Document* document) {
    return engineCall([&] { return checkedDocument(document).flags(); });
}

int permissionRequest(pdf::Document* document, int object, int operation, void* /*data*/) {
    return engineCall([&] {
        return static_cast<int>(checkedDocument(document).permissionRequest(object, operation));
    });
}

}  // namespace

PDModelTable makePDModelTable() {
    PDModelTable table{};
    table.documentFlags = documentFlags;
    table.permissionRequest = permissionRequest;
    return table;
}

}  // namespace lumar::host
