#include "platform/host/page_view.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace lumar::host {

namespace {

// The centre of handle `handle` of `rect`.
void handleCentre(const DeviceRect& rect, int handle, int& x, int& y) {
    const int middleX = (rect.left + rect.right) / 2;
    const int middleY = (rect.top + rect.bottom) / 2;
    switch (handle) {
    case kHandleTopLeft:
        x = rect.left, y = rect.top;
        break;
    case kHandleTop:
        x = middleX, y = rect.top;
        break;
    case kHandleTopRight:
        x = rect.right, y = rect.top;
        break;
    case kHandleRight:
        x = rect.right, y = middleY;
        break;
    case kHandleBottomRight:
        x = rect.right, y = rect.bottom;
        break;
    case kHandleBottom:
        x = middleX, y = rect.bottom;
        break;
    case kHandleBottomLeft:
        x = rect.left, y = rect.bottom;
        break;
    default:
        x = rect.left, y = middleY;
        break;
    }
}

// Pixels per point of the view, from the page's shown box and its place.
double scaleOf(const FixedRect& box, const DeviceRect& place) {
    const double width = doubleFromFixed(box.right) - doubleFromFixed(box.left);
    return width > 0 ? (place.right - place.left) / width : 1.0;
}

}  // namespace

DeviceRect normalised(const DeviceRect& rect) {
    return DeviceRect{std::min(rect.left, rect.right), std::min(rect.top, rect.bottom),
                      std::max(rect.left, rect.right), std::max(rect.top, rect.bottom)};
}

int handleAt(const DeviceRect& rect, int x, int y) {
    const DeviceRect sorted = normalised(rect);
    for (int handle = kHandleTopLeft; handle <= kHandleLeft; ++handle) {
        int centreX = 0;
        int centreY = 0;
        handleCentre(sorted, handle, centreX, centreY);
        if (std::abs(x - centreX) <= kHandleSize / 2 && std::abs(y - centreY) <= kHandleSize / 2) {
            return handle;
        }
    }
    return kNoHandle;
}

DeviceRect draggedRect(const DeviceRect& rect, int handle, int x, int y, const DeviceRect& bounds) {
    const DeviceRect limits = normalised(bounds);
    x = std::clamp(x, limits.left, limits.right);
    y = std::clamp(y, limits.top, limits.bottom);
    DeviceRect moved = normalised(rect);
    switch (handle) {
    case kNoHandle:
        moved = {rect.left, rect.top, x, y};
        break;
    case kHandleTopLeft:
        moved.left = x, moved.top = y;
        break;
    case kHandleTop:
        moved.top = y;
        break;
    case kHandleTopRight:
        moved.right = x, moved.top = y;
        break;
    case kHandleRight:
        moved.right = x;
        break;
    case kHandleBottomRight:
        moved.right = x, moved.bottom = y;
        break;
    case kHandleBottom:
        moved.bottom = y;
        break;
    case kHandleBottomLeft:
        moved.left = x, moved.bottom = y;
        break;
    case kHandleLeft:
        moved.left = x;
        break;
    default:
        break;
    }
    return normalised(moved);
}

DeviceRect PageView::toDevice(const FixedRect& rect) const {
    const FixedRect box = shownBox();
    const DeviceRect place = pageRect();
    const double scale = scaleOf(box, place);
    const auto x = [&](Fixed h) {
        return place.left + static_cast<int>(std::lround(
                                (doubleFromFixed(h) - doubleFromFixed(box.left)) * scale));
    };
    const auto y = [&](Fixed v) {
        return place.top + static_cast<int>(std::lround(
                               (doubleFromFixed(box.top) - doubleFromFixed(v)) * scale));
    };
    return normalised(DeviceRect{x(rect.left), y(rect.top), x(rect.right), y(rect.bottom)});
}

FixedPoint PageView::toPage(int x, int y) const {
    const FixedRect box = shownBox();
    const DeviceRect place = pageRect();
    const double scale = scaleOf(box, place);
    return FixedPoint{fixedFromDouble(doubleFromFixed(box.left) + (x - place.left) / scale),
                      fixedFromDouble(doubleFromFixed(box.top) - (y - place.top) / scale)};
}

FixedRect PageView::toPage(const DeviceRect& rect) const {
    const DeviceRect sorted = normalised(rect);
    const FixedPoint topLeft = toPage(sorted.left, sorted.top);
    const FixedPoint bottomRight = toPage(sorted.right, sorted.bottom);
    return FixedRect{topLeft.h, topLeft.v, bottomRight.h, bottomRight.v};
}

}  // namespace lumar::host
