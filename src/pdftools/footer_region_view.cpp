#include "pdftools/footer_region_view.h"

#include "annotations/host_frame.h"
#include "pdftools/footer_region.h"
#include "platform/host/roles.h"

namespace lumar {

namespace {

// A click or the mouse counts as inside the region only this far (device
// units) from its edges; near it is within this distance outside.
constexpr int kInsideMargin = 5;
constexpr int kNearDistance = 10;

bool WellInside(const host::DeviceRect& rect, int x, int y) {
    return x > rect.left + kInsideMargin && x < rect.right - kInsideMargin &&
           y > rect.top + kInsideMargin && y < rect.bottom - kInsideMargin;
}

bool Near(const host::DeviceRect& rect, int x, int y) {
    return x >= rect.left - kNearDistance && x <= rect.right + kNearDistance &&
           y >= rect.top - kNearDistance && y <= rect.bottom + kNearDistance;
}

bool HasExtent(const host::DeviceRect& rect) {
    return rect.left != rect.right || rect.top != rect.bottom;
}

host::FixedRect MediaBoxUnder(host::PageView* view) {
    pdf::Document* document = host::documentOfView(host::documentOfPageView(view));
    const AcquiredPage page(host::acquirePage(document, host::pageIndexOfPageView(view)));
    return host::pageMediaBox(page.get());
}

// A click inside the selected region: true when it was dealt with (asked
// and confirmed or cancelled), false when the region was refused.
bool ConfirmAt(host::PageView* view, const host::DeviceRect& shown) {
    switch (ConfirmFooterRegion(MediaBoxUnder(view))) {
    case RegionConfirmation::Confirmed: {
        const host::DeviceRect grown{shown.left - kInsideMargin, shown.top - kInsideMargin,
                                     shown.right + kInsideMargin, shown.bottom + kInsideMargin};
        host::invalidatePageView(view, grown);
        return true;
    }
    case RegionConfirmation::Cancelled:
        return true;
    case RegionConfirmation::Refused:
        break;
    }
    return false;
}

}  // namespace

bool RegionToolClick(host::Tool* /*tool*/, host::PageView* view, int x, int y, int /*flags*/,
                     int /*clickCount*/) {
    try {
        if (!FooterRegion().selected) {
            const host::DeviceRect dragged = host::dragNewRect(view, x, y);
            if (HasExtent(dragged)) {
                FooterRegionDragged(host::deviceToPageRect(view, dragged));
            }
            host::drawPageViewNow(view);
            return true;
        }
        const host::DeviceRect shown = host::pageToDeviceRect(view, FooterRegion().region);
        if (WellInside(shown, x, y) && ConfirmAt(view, shown)) {
            return true;
        }
        if (host::mouseIsStillDown(view) && Near(shown, x, y)) {
            const int handle = host::rectHandleAt(shown, x, y);
            if (handle != host::kNoHandle) {
                FooterRegionResized(
                    host::deviceToPageRect(view, host::dragRectHandle(view, x, y, shown, handle)));
            }
        } else {
            DropFooterRegion();
        }
        host::drawPageViewNow(view);
    } catch (const host::HostError& error) {
        host::alertNote(host::hostErrorText(error));
    }
    return true;
}

bool RegionToolCursor(host::Tool* /*tool*/, host::PageView* view, int x, int y) {
    const FooterRegionState& state = FooterRegion();
    if (state.mode == RegionToolMode::Idle) {
        return false;
    }
    try {
        const bool overRegion =
            state.selected && WellInside(host::pageToDeviceRect(view, state.region), x, y);
        host::setPageViewCursor(
            view, overRegion ? host::CursorShape::PointingHand : host::CursorShape::Cross);
    } catch (const host::HostError&) {
        return false;  // the host's own cursor shows
    }
    return true;
}

void DrawFooterRegion(host::PageView* view, const host::DeviceRect* /*update*/,
                      void* /*clientData*/) {
    const FooterRegionState& state = FooterRegion();
    if (!state.selected || !state.toolActive) {
        return;
    }
    try {
        host::setPageViewColour(view, 1.0, 0, 0);
        host::drawRectOutline(view, host::pageToDeviceRect(view, state.region), true);
    } catch (const host::HostError&) {
        // Nothing drawn; the region is still selected.
    }
}

}  // namespace lumar
