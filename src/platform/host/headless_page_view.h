#pragma once

// The headless host's page view: a page of an open document laid out at a
// fixed place and scale, clicked by tests. The drags the user would make are
// scripted (where the mouse button is released); cursors, drawings and
// redraws are recorded.

#include <deque>
#include <optional>
#include <utility>
#include <vector>

#include "platform/host/page_view.h"

namespace lumar::host {

class ToolSet;

class HeadlessPageView : public PageView {
public:
    struct Outline {
        DeviceRect rect;
        bool withHandles = false;
        double red = 0, green = 0, blue = 0;
    };

    // Page `pageIndex` of the view's document, drawn with its top left at
    // (left, top) and `pixelsPerPoint` pixels for a point. The drawing
    // procedures of `tools` draw over it.
    HeadlessPageView(DocumentView& view, int pageIndex, ToolSet& tools, int left = 0, int top = 0,
                     double pixelsPerPoint = 1.0);

    DocumentView* documentView() override { return &view_; }
    [[nodiscard]] int pageIndex() const override { return pageIndex_; }
    [[nodiscard]] FixedRect shownBox() const override { return shownBox_; }
    [[nodiscard]] DeviceRect pageRect() const override { return pageRect_; }

    // Script: where the mouse button is released after the next drag.
    void releaseNextDragAt(int x, int y) { drags_.emplace_back(x, y); }
    void setMouseDown(bool down) { mouseDown_ = down; }

    // A click with the mouse at (x, y), as the page view hands it to the
    // active tool; true when the tool handled it.
    bool click(int x, int y, int flags = 0, int clickCount = 1);
    // The mouse moved to (x, y): the cursor the active tool set, or none.
    std::optional<CursorShape> moveMouse(int x, int y);
    // Draws the page: the drawing procedures draw over it (recorded in
    // outlines(), which starts empty).
    void draw();

    DeviceRect dragRect(int x, int y, const DeviceRect& start, int handle) override;
    [[nodiscard]] bool mouseIsDown() const override { return mouseDown_; }
    void setCursor(CursorShape shape) override { cursor_ = shape; }
    void setDrawingColour(double red, double green, double blue) override;
    void drawRectOutline(const DeviceRect& rect, bool withHandles) override;
    void invalidate(const std::optional<DeviceRect>& rect) override;
    void drawNow() override { draw(); }

    [[nodiscard]] const std::vector<Outline>& outlines() const { return outlines_; }
    [[nodiscard]] const std::vector<std::optional<DeviceRect>>& invalidated() const {
        return invalidated_;
    }
    [[nodiscard]] int drawCount() const { return drawCount_; }
    // Scripted drags not yet made.
    [[nodiscard]] std::size_t pendingDrags() const { return drags_.size(); }

private:
    DocumentView& view_;
    int pageIndex_;
    ToolSet& tools_;
    FixedRect shownBox_;
    DeviceRect pageRect_;
    std::deque<std::pair<int, int>> drags_;
    bool mouseDown_ = false;
    bool drawing_ = false;
    std::optional<CursorShape> cursor_;
    double red_ = 0, green_ = 0, blue_ = 0;
    std::vector<Outline> outlines_;
    std::vector<std::optional<DeviceRect>> invalidated_;
    int drawCount_ = 0;
};

}  // namespace lumar::host
