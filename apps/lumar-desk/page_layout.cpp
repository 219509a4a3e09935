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

}  // namespace lumar::desk
