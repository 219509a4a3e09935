#pragma once

// The pages of a document as a list of small pictures. A picture is drawn
// only when a view asks for a row that it shows, and then on idle, one page
// at a time, so that a binder of a thousand pages opens at once and the
// window stays responsive while the pictures come in. Rows scrolled away
// before their turn are not drawn.

#include <QAbstractListModel>
#include <QImage>
#include <QTimer>
#include <deque>
#include <functional>
#include <list>
#include <memory>

namespace lumar::pdf {
class PageRenderer;
}

namespace lumar::desk {

class ThumbnailModel : public QAbstractListModel {
    Q_OBJECT

public:
    // Pictures are this many pixels wide (at the screen's pixel ratio 1).
    static constexpr int kWidth = 96;
    // Pictures kept; the others are drawn again when they show again.
    static constexpr std::size_t kKept = 300;

    explicit ThumbnailModel(QObject* parent = nullptr);

    // The pages to show: their sizes in points as shown and the renderer
    // that draws them (none: an empty list).
    void setPages(std::shared_ptr<const pdf::PageRenderer> renderer);

    // Asked before a waiting row is drawn: false when it no longer shows.
    void setStillWanted(std::function<bool(int row)> stillWanted) {
        stillWanted_ = std::move(stillWanted);
    }

    // The size of every row's picture: the tallest page at kWidth.
    [[nodiscard]] QSize pictureSize() const { return pictureSize_; }
    // How many pictures were drawn since the pages were set.
    [[nodiscard]] int picturesDrawn() const { return drawn_; }
    // Whether rows wait to be drawn.
    [[nodiscard]] bool isDrawing() const { return !waiting_.empty(); }

    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

private:
    struct Picture {
        int row;
        QImage image;
    };

    void drawNext();
    [[nodiscard]] const QImage* kept(int row) const;
    [[nodiscard]] QImage blankPage(int row) const;

    std::shared_ptr<const pdf::PageRenderer> renderer_;
    std::function<bool(int)> stillWanted_;
    QSize pictureSize_{kWidth, kWidth};
    mutable std::list<Picture> pictures_;  // most recently shown first
    mutable std::deque<int> waiting_;
    QTimer* idle_;
    int drawn_ = 0;
};

}  // namespace lumar::desk
