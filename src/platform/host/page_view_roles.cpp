// The "AcroView" table's page-view procedures: each hands its role to the
// page view it is given, or to the tools' drawing procedures; and opening a
// file with its associated program, which the user interface does.

#include <algorithm>

#include "platform/host/engine_call.h"
#include "platform/host/host.h"
#include "platform/host/host_error.h"
#include "platform/host/page_view.h"
#include "platform/host/table_view.h"
#include "platform/host/tool_set.h"
#include "platform/host/user_interface.h"
#include "platform/pdf/path.h"

namespace lumar::host {

namespace {

constexpr int kRgbColourModel = 1;

PageView& checkedView(PageView* view) {
    if (view == nullptr) {
        throw HostError(error::kBadParameter, "No page view.");
    }
    return *view;
}

DocumentView* documentOfPageView(PageView* view) {
    return checkedView(view).documentView();
}

int pageIndexOfPageView(PageView* view) {
    return checkedView(view).pageIndex();
}

void pageViewPageRect(PageView* view, DeviceRect* rect) {
    required(rect, "device rectangle") = checkedView(view).pageRect();
}

void pageToDeviceRect(PageView* view, const FixedRect* page, DeviceRect* device) {
    required(device, "device rectangle") =
        checkedView(view).toDevice(required(page, "page rectangle"));
}

void deviceToPageRect(PageView* view, const DeviceRect* device, FixedRect* page) {
    required(page, "page rectangle") =
        checkedView(view).toPage(required(device, "device rectangle"));
}

void deviceToPagePoint(PageView* view, int x, int y, FixedPoint* point) {
    required(point, "page point") = checkedView(view).toPage(x, y);
}

void dragRect(PageView* view, int x, int y, const DeviceRect* start, int handle,
              DeviceRect* result) {
    if (handle < kNoHandle || handle > kHandleLeft || (handle != kNoHandle && start == nullptr)) {
        throw HostError(error::kBadParameter, "A handle needs the rectangle it belongs to.");
    }
    required(result, "device rectangle") = checkedView(view).dragRect(
        x, y, start != nullptr ? *start : DeviceRect{x, y, x, y}, handle);
}

int rectHandleAt(const DeviceRect* rect, int x, int y) {
    return handleAt(required(rect, "device rectangle"), x, y);
}

bool mouseIsDown(PageView* view) {
    return checkedView(view).mouseIsDown();
}

void setCursor(PageView* view, int shape) {
    if (shape < static_cast<int>(CursorShape::Arrow) ||
        shape > static_cast<int>(CursorShape::Wait)) {
        throw HostError(error::kBadParameter, "Unknown cursor.");
    }
    checkedView(view).setCursor(static_cast<CursorShape>(shape));
}

void setDrawingColour(PageView* view, int colourModel, double red, double green, double blue) {
    if (colourModel != kRgbColourModel) {
        throw HostError(error::kUnsupported, "Only RGB colours can be drawn.");
    }
    const auto unit = [](double value) { return std::clamp(value, 0.0, 1.0); };
    checkedView(view).setDrawingColour(unit(red), unit(green), unit(blue));
}

void drawRectOutline(PageView* view, const DeviceRect* rect, bool withHandles) {
    checkedView(view).drawRectOutline(required(rect, "device rectangle"), withHandles);
}

void invalidatePageView(PageView* view, const DeviceRect* rect) {
    checkedView(view).invalidate(rect != nullptr ? std::optional(*rect) : std::nullopt);
}

void drawPageViewNow(PageView* view) {
    checkedView(view).drawNow();
}

void registerDrawing(HostCallback proc, void* clientData) {
    Host::current().ui().tools().addDrawing(proc, clientData);
}

void unregisterDrawing(HostCallback proc, void* clientData) {
    Host::current().ui().tools().removeDrawing(proc, clientData);
}

bool openWithAssociatedProgram(const char* path) {
    if (path == nullptr || *path == '\0') {
        return false;
    }
    return Host::current().ui().openWithAssociatedProgram(pdf::pathFromPlatformText(path));
}

}  // namespace

void addPageViewRoles(AcroViewTable& table) {
    table.documentOfPageView = documentOfPageView;
    table.pageIndexOfPageView = pageIndexOfPageView;
    table.pageViewPageRect = pageViewPageRect;
    table.pageToDeviceRect = pageToDeviceRect;
    table.deviceToPageRect = deviceToPageRect;
    table.deviceToPagePoint = deviceToPagePoint;
    table.dragRect = dragRect;
    table.rectHandleAt = rectHandleAt;
    table.mouseIsDown = mouseIsDown;
    table.setCursor = setCursor;
    table.setDrawingColour = setDrawingColour;
    table.drawRectOutline = drawRectOutline;
    table.invalidatePageView = invalidatePageView;
    table.drawPageViewNow = drawPageViewNow;
    table.registerDrawing = registerDrawing;
    table.unregisterDrawing = unregisterDrawing;
    table.openWithAssociatedProgram = openWithAssociatedProgram;
}

}  // namespace lumar::host
