#pragma once

// The page sidebar: a small picture of every page of the active document,
// drawn as it comes into view. Clicking a picture goes to its page; the
// current page stays selected.

#include <QDockWidget>

class QListView;

namespace lumar::desk {

class DocumentTab;
class ThumbnailModel;

class ThumbnailSidebar : public QDockWidget {
    Q_OBJECT

public:
    explicit ThumbnailSidebar(QWidget* parent = nullptr);

    // Shows the pages of the tab's document (none without a tab).
    void showDocument(DocumentTab* tab);
    // Selects the page's picture and scrolls it into view.
    void selectPage(int page);

    [[nodiscard]] ThumbnailModel& model() { return *model_; }
    [[nodiscard]] QListView& list() { return *list_; }

Q_SIGNALS:
    void pageChosen(int page);

private:
    [[nodiscard]] bool rowShows(int row) const;

    ThumbnailModel* model_;
    QListView* list_;
};

}  // namespace lumar::desk
