#include "platform/host/headless_page_view.h"

#include <cmath>

#include "platform/host/document_view.h"
#include "platform/host/engine_call.h"
#include "platform/host/host_error.h"
#include "platform/host/tool_set.h"
#include "platform/pdf/document.h"
#include "platform/pdf/page.h"

namespace lumar::host {

HeadlessPageView::HeadlessPageView(DocumentView& view, int pageIndex, ToolSet& tools, int left,
                                   int top, double pixelsPerPoint)
    : view_(view), pageIndex_(pageIndex), tools_(tools) {
    if (view.document() == nullptr) {
        throw HostError(error::kBadDocument, "The view has no document.");
    }
    const pdf::Rect box = engineCall([&] { return view.document()->page(pageIndex).cropBox(); });
    shownBox_ = toFixed(box);
    pageRect_ =
        DeviceRect{left, top, left + static_cast<int>(std::lround(box.width() * pixelsPerPoint)),
                   top + static_cast<int>(std::lround(box.height() * pixelsPerPoint))};
}

bool HeadlessPageView::click(int x, int y, int flags, int clickCount) {
    return tools_.click(*this, x, y, flags, clickCount);
}

std::optional<CursorShape> HeadlessPageView::moveMouse(int x, int y) {
    cursor_.reset();
    return tools_.adjustCursor(*this, x, y) ? cursor_ : std::nullopt;
}

void HeadlessPageView::draw() {
    outlines_.clear();
    ++drawCount_;
    drawing_ = true;
    try {
        tools_.draw(*this, pageRect_);
    } catch (...) {
        drawing_ = false;
        throw;
    }
    drawing_ = false;
}

DeviceRect HeadlessPageView::dragRect(int x, int y, const DeviceRect& start, int handle) {
    if (drags_.empty()) {
        // The button was let go where it went down.
        return draggedRect(start, handle, x, y, pageRect_);
    }
    const auto [releaseX, releaseY] = drags_.front();
    drags_.pop_front();
    return draggedRect(start, handle, releaseX, releaseY, pageRect_);
}

void HeadlessPageView::setDrawingColour(double red, double green, double blue) {
    red_ = red;
    green_ = green;
    blue_ = blue;
}

void HeadlessPageView::drawRectOutline(const DeviceRect& rect, bool withHandles) {
    if (drawing_) {
        outlines_.push_back(Outline{normalised(rect), withHandles, red_, green_, blue_});
    }
}

void HeadlessPageView::invalidate(const std::optional<DeviceRect>& rect) {
    invalidated_.push_back(rect);
}

}  // namespace lumar::host
