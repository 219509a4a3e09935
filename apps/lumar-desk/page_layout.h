#pragma once

// Where the pages of a document stand in a page view that shows them one
// below the other: sizes in pixels for a zoom, the page under a position and
// the pages inside a band. Lookups are binary searches, so a binder of a
// thousand pages scrolls as smoothly as a leaflet.

#include <QPointF>
#include <QRect>
#include <QSize>
#include <utility>
#include <vector>

namespace lumar::desk {

class PageLayout {
public:
    // Space around and between pages, in pixels.
    static constexpr int kMargin = 12;

    // The pages' sizes in points, as shown.
    void setPageSizes(std::vector<QSizeF> sizes);
    int pageCount() const { return static_cast<int>(sizes_.size()); }
    QSizeF pageSizeInPoints(int index) const { return sizes_.at(static_cast<std::size_t>(index)); }

    // Pixels per point. Clamped to a range that keeps pages drawable.
    void setScale(double pixelsPerPoint);
    double scale() const { return scale_; }
    static constexpr double kMinScale = 0.05;
    static constexpr double kMaxScale = 8.0;

    // The scale at which the widest page fills `viewportWidth` pixels.
    double scaleToFitWidth(int viewportWidth) const;
    // The scale at which every page shows whole in `viewport`.
    double scaleToFitPage(QSize viewport) const;

    // Everything laid out, for a viewport `viewportWidth` pixels wide (pages
    // are centred in it when they are narrower).
    QSize contentSize(int viewportWidth) const;
    QRect pageRect(int index, int viewportWidth) const;

    // The page whose place (the page and the gap below it) holds the
    // content position `y`; -1 without pages.
    int pageAt(int y) const;

    // First and last page that show in the band top .. bottom (content
    // positions); {0, -1} when none does.
    std::pair<int, int> pagesIn(int top, int bottom) const;

private:
    void relayout();

    std::vector<QSizeF> sizes_;
    double scale_ = 1.0;
    std::vector<int> tops_;  // the top of each page in pixels
    int height_ = 0;
    int widest_ = 0;
};

// Where a page stands on screen: its crop box in page coordinates (points, y
// upwards), its rotation (clockwise, 0, 90, 180 or 270 degrees, as the page
// is shown) and the rectangle it fills in device pixels (y downwards). The
// rectangle is the box turned by the rotation and scaled.
struct PagePlacement {
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;
    int rotation = 0;
    QRect device;

    // Pixels per point.
    [[nodiscard]] double scale() const;
    [[nodiscard]] QPointF toDevice(QPointF pagePoint) const;
    [[nodiscard]] QPointF toPage(QPointF devicePoint) const;
};

}  // namespace lumar::desk
