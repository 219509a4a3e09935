#pragma once

// One open document in the main window: the host's view of it (what the
// plug-ins see as a document view) and the page view that shows it.

#include <QWidget>
#include <filesystem>
#include <memory>

namespace lumar::host {
class DocumentView;
}
namespace lumar::pdf {
class Document;
}

namespace lumar::desk {

class PageView;

class DocumentTab : public QWidget {
    Q_OBJECT

public:
    // Takes over the document.
    DocumentTab(std::unique_ptr<pdf::Document> document, QWidget* parent = nullptr);
    ~DocumentTab() override;

    host::DocumentView& view() { return *view_; }
    pdf::Document& document();
    PageView& pages() { return *pages_; }

    std::filesystem::path path() const;
    // The file name, or "Untitled" for a document without a file.
    QString displayName() const;
    bool hasUnsavedChanges() const;

    // Saves to `target` (the document's own file for a plain save). Throws
    // pdf::PdfError when the file cannot be written; the document's file is
    // then left as it was.
    void saveAs(const std::filesystem::path& target);

    // Draws the document again as it is now when it changed since it was
    // last drawn (a plug-in worked on it); the page view then tells
    // documentShown().
    void refresh();

private:
    std::unique_ptr<host::DocumentView> view_;
    PageView* pages_;
};

}  // namespace lumar::desk
