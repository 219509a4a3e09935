#pragma once

// The annotations pane beside the page view: the data annotation of the
// current page as every Lumar operation reads and writes it (its page
// text, its tab sheet and colour, and its note window's text). Read-only;
// the main window shows it again when the page changes and when the
// document changed.

#include <QDockWidget>

class QTextBrowser;

namespace lumar::desk {

class DocumentTab;

class AnnotationPane : public QDockWidget {
    Q_OBJECT

public:
    explicit AnnotationPane(QWidget* parent = nullptr);

    // Shows page `page` of the tab's document; nothing to show without a
    // tab or a page.
    void showPage(DocumentTab* tab, int page);

    // What the pane shows, as plain text.
    [[nodiscard]] QString shownText() const;

private:
    QTextBrowser* text_;
};

}  // namespace lumar::desk
