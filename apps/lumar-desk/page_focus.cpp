#include "page_focus.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "page_view.h"

namespace lumar::desk {

namespace {

QRect toQRect(const host::DeviceRect& rect) {
    const host::DeviceRect sorted = host::normalised(rect);
    return {QPoint(sorted.left, sorted.top), QPoint(sorted.right, sorted.bottom)};
}

Qt::CursorShape qtCursor(host::CursorShape shape) {
    switch (shape) {
    case host::CursorShape::Cross:
        return Qt::CrossCursor;
    case host::CursorShape::PointingHand:
        return Qt::PointingHandCursor;
    case host::CursorShape::OpenHand:
        return Qt::OpenHandCursor;
    case host::CursorShape::ClosedHand:
        return Qt::ClosedHandCursor;
    case host::CursorShape::SizeAll:
        return Qt::SizeAllCursor;
    case host::CursorShape::Wait:
        return Qt::WaitCursor;
    case host::CursorShape::Arrow:
        break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

host::DocumentView* PageFocus::documentView() {
    return view_.hostView();
}

host::FixedRect PageFocus::shownBox() const {
    return view_.shownBox(page_);
}

host::DeviceRect PageFocus::pageRect() const {
    const QRect rect = view_.pageRectInViewport(page_);
    return host::DeviceRect{rect.left(), rect.top(), rect.left() + rect.width(),
                            rect.top() + rect.height()};
}

host::DeviceRect PageFocus::toDevice(const host::FixedRect& rect) const {
    const PagePlacement placement = view_.placement(page_);
    const QPointF first =
        placement.toDevice({host::doubleFromFixed(rect.left), host::doubleFromFixed(rect.top)});
    const QPointF second =
        placement.toDevice({host::doubleFromFixed(rect.right), host::doubleFromFixed(rect.bottom)});
    return host::normalised(host::DeviceRect{
        static_cast<int>(std::lround(first.x())), static_cast<int>(std::lround(first.y())),
        static_cast<int>(std::lround(second.x())), static_cast<int>(std::lround(second.y()))});
}

host::FixedPoint PageFocus::toPage(int x, int y) const {
    const QPointF point = view_.placement(page_).toPage(QPointF(x, y));
    return host::FixedPoint{host::fixedFromDouble(point.x()), host::fixedFromDouble(point.y())};
}

host::FixedRect PageFocus::toPage(const host::DeviceRect& rect) const {
    // On a turned page the device rectangle's corners may land on any
    // corners of the page rectangle.
    const host::FixedPoint first = toPage(rect.left, rect.top);
    const host::FixedPoint second = toPage(rect.right, rect.bottom);
    return host::FixedRect{std::min(first.h, second.h), std::max(first.v, second.v),
                           std::max(first.h, second.h), std::min(first.v, second.v)};
}

host::DeviceRect PageFocus::dragRect(int x, int y, const host::DeviceRect& start, int handle) {
    return view_.trackDrag(x, y, start, handle, pageRect());
}

bool PageFocus::mouseIsDown() const {
    return view_.leftButtonHeld();
}

void PageFocus::setCursor(host::CursorShape shape) {
    view_.viewport()->setCursor(qtCursor(shape));
}

void PageFocus::setDrawingColour(double red, double green, double blue) {
    colour_ = QColor::fromRgbF(static_cast<float>(red), static_cast<float>(green),
                               static_cast<float>(blue));
}

void PageFocus::drawRectOutline(const host::DeviceRect& rect, bool withHandles) {
    if (painter_ == nullptr) {
        return;  // only while the view paints
    }
    painter_->save();
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setPen(QPen(colour_, 1));
    painter_->setBrush(Qt::NoBrush);
    const QRect outline = toQRect(rect);
    painter_->drawRect(outline);
    if (withHandles) {
        const host::DeviceRect sorted = host::normalised(rect);
        const int half = host::kHandleSize / 2;
        const int middleX = (sorted.left + sorted.right) / 2;
        const int middleY = (sorted.top + sorted.bottom) / 2;
        for (const QPoint centre :
             {QPoint(sorted.left, sorted.top), QPoint(middleX, sorted.top),
              QPoint(sorted.right, sorted.top), QPoint(sorted.right, middleY),
              QPoint(sorted.right, sorted.bottom), QPoint(middleX, sorted.bottom),
              QPoint(sorted.left, sorted.bottom), QPoint(sorted.left, middleY)}) {
            const QRect handle(centre.x() - half, centre.y() - half, host::kHandleSize,
                               host::kHandleSize);
            painter_->fillRect(handle, Qt::white);
            painter_->drawRect(handle.adjusted(0, 0, -1, -1));
        }
    }
    painter_->restore();
}

void PageFocus::invalidate(const std::optional<host::DeviceRect>& rect) {
    if (rect) {
        view_.viewport()->update(toQRect(*rect).adjusted(-1, -1, 1, 1));
    } else {
        view_.viewport()->update();
    }
}

void PageFocus::drawNow() {
    view_.viewport()->repaint();
}

}  // namespace lumar::desk
