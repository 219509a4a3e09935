#pragma once

// One page of a page view as the tools see it: clicks, cursors and drags in
// the view's window pixels, conversions to the page's points, and drawing
// over the page while the view paints it.

#include <QColor>

#include "platform/host/page_view.h"

class QPainter;

namespace lumar::desk {

class PageView;

class PageFocus : public host::PageView {
public:
    // Page `page` of `view`; `painter` is given while the view paints.
    PageFocus(desk::PageView& view, int page, QPainter* painter = nullptr)
        : view_(view), page_(page), painter_(painter) {}

    host::DocumentView* documentView() override;
    [[nodiscard]] int pageIndex() const override { return page_; }
    [[nodiscard]] host::FixedRect shownBox() const override;
    [[nodiscard]] host::DeviceRect pageRect() const override;
    // The conversions follow the page's rotation as the view shows it.
    [[nodiscard]] host::DeviceRect toDevice(const host::FixedRect& rect) const override;
    [[nodiscard]] host::FixedRect toPage(const host::DeviceRect& rect) const override;
    [[nodiscard]] host::FixedPoint toPage(int x, int y) const override;
    host::DeviceRect dragRect(int x, int y, const host::DeviceRect& start, int handle) override;
    [[nodiscard]] bool mouseIsDown() const override;
    void setCursor(host::CursorShape shape) override;
    void setDrawingColour(double red, double green, double blue) override;
    void drawRectOutline(const host::DeviceRect& rect, bool withHandles) override;
    void invalidate(const std::optional<host::DeviceRect>& rect) override;
    void drawNow() override;

private:
    desk::PageView& view_;
    int page_;
    QPainter* painter_;
    QColor colour_ = Qt::black;
};

}  // namespace lumar::desk
