#pragma once

// A document open in a host window (a "view"). The host owns its views; the
// active document is the view the user works in. A view holds the PDF
// document shown in it (none when the document could not be had).

#include <memory>
#include <string>
#include <utility>

namespace lumar::pdf {
class Document;
}

namespace lumar::host {

class DocumentView {
public:
    DocumentView(std::string title, std::unique_ptr<pdf::Document> document);
    // A view whose PDF document cannot be had.
    explicit DocumentView(std::string title);
    ~DocumentView();

    // The window's title: the document's file name, or what the host shows
    // for a new document.
    [[nodiscard]] const std::string& title() const { return title_; }

    [[nodiscard]] pdf::Document* document() const { return document_.get(); }

private:
    std::string title_;
    std::unique_ptr<pdf::Document> document_;
};

}  // namespace lumar::host
