#include "platform/host/document_view.h"

#include "platform/pdf/document.h"

namespace lumar::host {

DocumentView::DocumentView(std::string title, std::unique_ptr<pdf::Document> document)
    : title_(std::move(title)), document_(std::move(document)) {}

DocumentView::DocumentView(std::string title) : title_(std::move(title)) {}

DocumentView::~DocumentView() = default;

}  // namespace lumar::host
