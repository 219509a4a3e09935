#pragma once

// A scrolling view of a document's pages, one below the other. Only the
// pages that show are drawn; the last few pictures are kept so that
// scrolling back and forth does not draw them again. Clicks and the mouse's
// moves go to the host's active tool; the standard tool drags the pages.
// The tools' drawing procedures draw over every page that shows.

#include <QAbstractScrollArea>
#include <QImage>
#include <QPoint>
#include <cstdint>
#include <list>
#include <memory>

#include "page_layout.h"
#include "platform/host/page_view.h"

namespace lumar::pdf {
class Document;
class PageRenderer;
}  // namespace lumar::pdf
namespace lumar::host {
class DocumentView;
class ToolSet;
}  // namespace lumar::host

namespace lumar::desk {

class PageView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit PageView(QWidget* parent = nullptr);
    ~PageView() override;

    // Shows the document as it is now (again, after it changed). The view
    // keeps its page and zoom as far as the document allows.
    void showDocument(const pdf::Document& document);

    int pageCount() const { return layout_.pageCount(); }
    // The page at the middle of the window's upper half.
    int currentPage() const;
    void goToPage(int index);

    // Zoom in percent of the page's real size on screen.
    int zoomPercent() const;
    void setZoomPercent(int percent);
    void zoomIn();
    void zoomOut();
    // Keeps the widest page as wide as the window, also when it is resized.
    void fitWidth();
    bool fitsWidth() const { return fit_ == Fit::Width; }
    // Keeps every page whole in the window, also when it is resized.
    void fitPage();
    bool fitsPage() const { return fit_ == Fit::Page; }

    // The pictures of the document as shown now (thumbnails draw from it
    // too); none while the document cannot be drawn.
    [[nodiscard]] std::shared_ptr<const pdf::PageRenderer> renderer() const { return renderer_; }
    // Whether the document changed since it was last shown.
    [[nodiscard]] bool documentChanged() const;

    // Pictures kept for scrolling back (a page at one zoom each).
    static constexpr std::size_t kCachedPages = 12;
    std::size_t cachedPictures() const { return cache_.size(); }
    // How many pages were drawn since the view was made.
    int picturesDrawn() const { return drawn_; }

    // The host's tools, and the host's view of the document shown.
    void setTools(host::ToolSet* tools) { tools_ = tools; }
    void setHostView(host::DocumentView* view) { hostView_ = view; }
    [[nodiscard]] host::DocumentView* hostView() const { return hostView_; }

    // Where a page stands in the window (pixels), and the part of it shown
    // in page coordinates (its crop box).
    [[nodiscard]] QRect pageRectInViewport(int page) const;
    [[nodiscard]] host::FixedRect shownBox(int page) const;
    // The page's place in the window with its box and rotation: converts
    // between the window's pixels and the page's points.
    [[nodiscard]] PagePlacement placement(int page) const;
    // The page under a point of the window, or -1.
    [[nodiscard]] int pageAtViewport(const QPoint& point) const;

    // Lets the user drag out a rectangle from (x, y), or a handle of
    // `start`, inside `bounds`, while the mouse button is held down.
    host::DeviceRect trackDrag(int x, int y, const host::DeviceRect& start, int handle,
                               const host::DeviceRect& bounds);
    // Whether the left mouse button went down on the view and is held.
    [[nodiscard]] bool leftButtonHeld() const { return leftButtonHeld_; }

Q_SIGNALS:
    void currentPageChanged(int index);
    void zoomChanged(int percent);
    // The document was shown again (opened, or changed by an extension).
    void documentShown();
    // The active tool may have changed (Escape, or a tool's click).
    void toolMayHaveChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    struct Picture {
        int page;
        double scale;
        QImage image;
    };

    enum class Fit { None, Width, Page };

    double pixelsPerPointAt100() const;
    double fittingScale() const;
    void setScale(double pixelsPerPoint, int keepPage);
    void scrollToPage(int index);
    void updateScrollBars();
    QPoint contentOffset() const;
    const QImage* picture(int page);
    void reportCurrentPage();
    bool standardToolIsActive() const;
    // Hands a click to the active tool; true when it handled it.
    bool clickTool(QMouseEvent* event, int clickCount);
    void updateCursor(const QPoint& point);

    PageLayout layout_;
    std::shared_ptr<const pdf::PageRenderer> renderer_;
    std::list<Picture> cache_;  // most recently used first
    Fit fit_ = Fit::Width;
    std::uint64_t shownChanges_ = 0;
    int drawn_ = 0;
    int reportedPage_ = -1;
    // The page kept in view when the zoom or the window's size changes: the
    // one the user scrolled to or went to.
    int anchorPage_ = 0;
    bool scrollingItself_ = false;
    QPoint dragStart_;
    QPoint dragScroll_;
    bool dragging_ = false;
    bool leftButtonHeld_ = false;
    host::ToolSet* tools_ = nullptr;
    host::DocumentView* hostView_ = nullptr;
    const pdf::Document* document_ = nullptr;
};

}  // namespace lumar::desk
