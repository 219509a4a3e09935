#include "document_tab.h"

#include <QVBoxLayout>

#include "page_view.h"
#include "platform/host/document_view.h"
#include "platform/pdf/document.h"
#include "platform/text/cp1252.h"

namespace lumar::desk {

namespace {

std::string titleOf(const pdf::Document& document) {
    const std::filesystem::path path = document.path();
    return path.empty() ? std::string("Untitled") : path.filename().string();
}

}  // namespace

DocumentTab::DocumentTab(std::unique_ptr<pdf::Document> document, QWidget* parent)
    : QWidget(parent), pages_(new PageView(this)) {
    // The host's texts are Windows-1252; file names here are UTF-8.
    const std::string title = text::fromUtf8(titleOf(*document));
    view_ = std::make_unique<host::DocumentView>(title, std::move(document));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages_);
    setFocusProxy(pages_);
    pages_->setHostView(view_.get());
    pages_->showDocument(*view_->document());
}

DocumentTab::~DocumentTab() = default;

pdf::Document& DocumentTab::document() {
    return *view_->document();
}

std::filesystem::path DocumentTab::path() const {
    return view_->document()->path();
}

QString DocumentTab::displayName() const {
    return QString::fromStdString(titleOf(*view_->document()));
}

bool DocumentTab::hasUnsavedChanges() const {
    return (view_->document()->flags() & pdf::kDocumentNeedsSave) != 0;
}

void DocumentTab::saveAs(const std::filesystem::path& target) {
    view_->document()->save(target);
}

void DocumentTab::refresh() {
    if (pages_->documentChanged()) {
        pages_->showDocument(*view_->document());
    }
}

}  // namespace lumar::desk
