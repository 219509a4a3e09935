#pragma once

// A page view as tools and drawing procedures see it: one page of a document
// shown in a window. Device coordinates are pixels of the window (x to the
// right, y downwards); page coordinates are points of the page (y upwards).
// The desktop host's page views and the headless host's stand-in implement
// it; the host hands it to a tool's click and cursor procedures and to the
// drawing procedures while it draws the page.

#include <optional>

#include "platform/host/host_types.h"

namespace lumar::host {

class DocumentView;

struct DeviceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const DeviceRect&, const DeviceRect&) = default;
};

struct FixedPoint {
    Fixed h = 0;
    Fixed v = 0;
    friend bool operator==(const FixedPoint&, const FixedPoint&) = default;
};

// Cursors a tool can ask for.
enum class CursorShape : int {
    Arrow = 0,
    Cross = 1,         // drawing a rectangle
    PointingHand = 2,  // over something that can be clicked
    OpenHand = 3,
    ClosedHand = 4,
    SizeAll = 5,
    Wait = 6,
};

// The handles of a rectangle: none (a new rectangle is dragged out), the
// corners and the middles of the edges, clockwise from the top left.
enum RectHandle : int {
    kNoHandle = 0,
    kHandleTopLeft = 1,
    kHandleTop = 2,
    kHandleTopRight = 3,
    kHandleRight = 4,
    kHandleBottomRight = 5,
    kHandleBottom = 6,
    kHandleBottomLeft = 7,
    kHandleLeft = 8,
};
// A handle is drawn as a square this many pixels wide and is hit within it.
inline constexpr int kHandleSize = 7;

// The handle of `rect` under (x, y), or kNoHandle.
int handleAt(const DeviceRect& rect, int x, int y);

// The rectangle after its handle was dragged to (x, y), kept inside
// `bounds`; with kNoHandle the rectangle spanned by the start point
// (`rect`'s top left) and (x, y). Left <= right, top <= bottom.
DeviceRect draggedRect(const DeviceRect& rect, int handle, int x, int y, const DeviceRect& bounds);

// A rectangle with left <= right and top <= bottom.
DeviceRect normalised(const DeviceRect& rect);

class PageView {
public:
    virtual ~PageView() = default;

    // The document the page belongs to, and the page's index in it.
    virtual DocumentView* documentView() = 0;
    [[nodiscard]] virtual int pageIndex() const = 0;

    // The part of the page that shows (its crop box, in page coordinates)
    // and where it stands in device coordinates.
    [[nodiscard]] virtual FixedRect shownBox() const = 0;
    [[nodiscard]] virtual DeviceRect pageRect() const = 0;

    // Conversions between page and device coordinates. These map the shown
    // box onto the page's rectangle unturned; a view that shows pages turned
    // by their rotation converts accordingly.
    [[nodiscard]] virtual DeviceRect toDevice(const FixedRect& rect) const;
    [[nodiscard]] virtual FixedRect toPage(const DeviceRect& rect) const;
    [[nodiscard]] virtual FixedPoint toPage(int x, int y) const;

    // Lets the user drag with the mouse button held down, from (x, y): a new
    // rectangle (kNoHandle) or a handle of `start`, kept inside the page.
    // Returns the rectangle when the button is released.
    virtual DeviceRect dragRect(int x, int y, const DeviceRect& start, int handle) = 0;
    // Whether the user still holds the mouse button down.
    [[nodiscard]] virtual bool mouseIsDown() const = 0;
    virtual void setCursor(CursorShape shape) = 0;

    // Drawing over the page: only while the host draws it (through the
    // drawing procedures); otherwise nothing happens.
    virtual void setDrawingColour(double red, double green, double blue) = 0;
    virtual void drawRectOutline(const DeviceRect& rect, bool withHandles) = 0;
    // Has the area (the whole view without one) drawn again soon, or now.
    virtual void invalidate(const std::optional<DeviceRect>& rect) = 0;
    virtual void drawNow() = 0;
};

}  // namespace lumar::host
