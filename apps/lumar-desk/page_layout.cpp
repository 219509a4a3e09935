#include "page_layout.h"

#include <algorithm>
#include <cmath>

namespace lumar::desk {

namespace {

int pixels(double points, double scale) {
    return std::max(1, static_cast<int>(std::lround(points * scale)));
}

}  // namespace

void PageLayout::setPageSizes(std::vector<QSizeF> sizes) {
    sizes_ = std::move(sizes);
    relayout();
}

void PageLayout::setScale(double pixelsPerPoint) {
    scale_ = std::clamp(pixelsPerPoint, kMinScale, kMaxScale);
    relayout();
}

double PageLayout::scaleToFitWidth(int viewportWidth) const {
    double widest = 0;
    for (const QSizeF& size : sizes_) {
        widest = std::max(widest, size.width());
    }
    if (widest <= 0) {
        return 1.0;
    }
    const double room = std::max(1, viewportWidth - 2 * kMargin);
    return std::clamp(room / widest, kMinScale, kMaxScale);
}

double PageLayout::scaleToFitPage(QSize viewport) const {
    double widest = 0;
    double tallest = 0;
    for (const QSizeF& size : sizes_) {
        widest = std::max(widest, size.width());
        tallest = std::max(tallest, size.height());
    }
    if (widest <= 0 || tallest <= 0) {
        return 1.0;
    }
    const double across = std::max(1, viewport.width() - 2 * kMargin) / widest;
    const double down = std::max(1, viewport.height() - 2 * kMargin) / tallest;
    return std::clamp(std::min(across, down), kMinScale, kMaxScale);
}

void PageLayout::relayout() {
    tops_.clear();
    tops_.reserve(sizes_.size());
    int y = kMargin;
    widest_ = 0;
    for (const QSizeF& size : sizes_) {
        tops_.push_back(y);
        y += pixels(size.height(), scale_) + kMargin;
        widest_ = std::max(widest_, pixels(size.width(), scale_));
    }
    height_ = sizes_.empty() ? 0 : y;
}

QSize PageLayout::contentSize(int viewportWidth) const {
    return {std::max(viewportWidth, widest_ + 2 * kMargin), height_};
}

QRect PageLayout::pageRect(int index, int viewportWidth) const {
    const QSizeF size = pageSizeInPoints(index);
    const int width = pixels(size.width(), scale_);
    const int height = pixels(size.height(), scale_);
    const int left = (contentSize(viewportWidth).width() - width) / 2;
    return {left, tops_[static_cast<std::size_t>(index)], width, height};
}

int PageLayout::pageAt(int y) const {
    if (tops_.empty()) {
        return -1;
    }
    // The last page whose top is at or above y.
    auto after = std::upper_bound(tops_.begin(), tops_.end(), y);
    if (after == tops_.begin()) {
        return 0;
    }
    return static_cast<int>(after - tops_.begin()) - 1;
}

std::pair<int, int> PageLayout::pagesIn(int top, int bottom) const {
    if (tops_.empty() || bottom < top) {
        return {0, -1};
    }
    int first = pageAt(top);
    // A band that starts in the gap below a page begins with the next one.
    const int firstBottom = tops_[static_cast<std::size_t>(first)] +
                            pixels(sizes_[static_cast<std::size_t>(first)].height(), scale_);
    if (top >= firstBottom && first + 1 < pageCount()) {
        ++first;
    }
    const int last = pageAt(bottom);
    if (tops_[static_cast<std::size_t>(first)] > bottom) {
        return {0, -1};
    }
    return {first, std::max(first, last)};
}

double PagePlacement::scale() const {
    const bool turned = rotation == 90 || rotation == 270;
    const double shownWidth = turned ? top - bottom : right - left;
    return shownWidth > 0 ? device.width() / shownWidth : 1.0;
}

// Both conversions go through the unturned page with its origin at the top
// left of the box (u to the right, v downwards, in points), turned clockwise
// by the rotation onto the screen.
QPointF PagePlacement::toDevice(QPointF pagePoint) const {
    const double width = right - left;
    const double height = top - bottom;
    const double u = pagePoint.x() - left;
    const double v = top - pagePoint.y();
    QPointF shown;
    switch (rotation) {
    case 90:
        shown = {height - v, u};
        break;
    case 180:
        shown = {width - u, height - v};
        break;
    case 270:
        shown = {v, width - u};
        break;
    default:
        shown = {u, v};
        break;
    }
    return QPointF(device.left(), device.top()) + shown * scale();
}

QPointF PagePlacement::toPage(QPointF devicePoint) const {
    const double width = right - left;
    const double height = top - bottom;
    const QPointF shown = (devicePoint - QPointF(device.left(), device.top())) / scale();
    double u = shown.x();
    double v = shown.y();
    switch (rotation) {
    case 90:
        u = shown.y(), v = height - shown.x();
        break;
    case 180:
        u = width - shown.x(), v = height - shown.y();
        break;
    case 270:
        u = width - shown.y(), v = shown.x();
        break;
    default:
        break;
    }
    return {left + u, top - v};
}

}  // namespace lumar::desk
