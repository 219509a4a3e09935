// The page-view tool roles in the headless host, called as an extension
// calls them: a rectangle tool registered by type receives clicks in device
// coordinates, converts them to page coordinates, drags out and resizes a
// rectangle, sets cursors and draws its outline over the page.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fixtures/pdf_builder.h"
#include "fixtures/temp_dir.h"
#include "host_fixture.h"
#include "platform/host/document_view.h"
#include "platform/host/headless_page_view.h"
#include "platform/host/tool_set.h"
#include "platform/pdf/document.h"

namespace lumar::host {
namespace {

// A tool like the footer region tool: the first click drags out a
// rectangle, kept in page coordinates and drawn in red while it exists; a
// click on a handle resizes it; a click elsewhere drops it.
struct RectangleTool {
    std::optional<FixedRect> region;
    HostCallback drawing = nullptr;
    std::vector<FixedPoint> clicks;  // in page coordinates
} theTool;

Atom rectangleToolType(Tool*) {
    return atomFromString("Test:RectangleTool");
}

void drawRegion(PageView* view, const DeviceRect* /*update*/, void* /*clientData*/) {
    setPageViewColour(view, 1.0, 0, 0);
    drawRectOutline(view, pageToDeviceRect(view, *theTool.region), true);
}

bool clickRectangleTool(Tool*, PageView* view, int x, int y, int /*flags*/, int /*clicks*/) {
    theTool.clicks.push_back(deviceToPagePoint(view, x, y));
    if (!theTool.region) {
        const DeviceRect dragged = dragNewRect(view, x, y);
        if (dragged.left != dragged.right || dragged.top != dragged.bottom) {
            theTool.region = deviceToPageRect(view, dragged);
            registerPageViewDrawing(theTool.drawing, nullptr);
        }
    } else {
        const DeviceRect shown = pageToDeviceRect(view, *theTool.region);
        const int handle = rectHandleAt(shown, x, y);
        if (handle != kNoHandle && mouseIsStillDown(view)) {
            theTool.region = deviceToPageRect(view, dragRectHandle(view, x, y, shown, handle));
        } else {
            theTool.region.reset();
            unregisterPageViewDrawing(theTool.drawing, nullptr);
        }
    }
    drawPageViewNow(view);
    return true;
}

bool rectangleToolCursor(Tool*, PageView* view, int x, int y) {
    const bool overHandle =
        theTool.region && rectHandleAt(pageToDeviceRect(view, *theTool.region), x, y) != kNoHandle;
    setPageViewCursor(view, overHandle ? CursorShape::SizeAll : CursorShape::Cross);
    return true;
}

class PageViews : public testing::HostFixture {
protected:
    PageViews() {
        theTool = RectangleTool{};
        theTool.drawing = makeHostCallback(&drawRegion);
        ToolRecord record;
        record.slot(kToolType) = makeHostCallback(&rectangleToolType);
        record.slot(kToolClick) = makeHostCallback(&clickRectangleTool);
        record.slot(kToolCursor) = makeHostCallback(&rectangleToolCursor);
        registerTool(&record);

        // A US letter page whose crop box leaves out 36 points on the left
        // and at the bottom.
        fixtures::PdfBuilder builder;
        builder.pages(2, 612, 792).cropBox(0, 36, 36, 612, 792);
        builder.write(dir / "leaf.pdf");
        view = headless.ui().showDocument(
            std::make_unique<pdf::Document>(pdf::Document::open(dir / "leaf.pdf")));
    }

    // Page 1 shown with its top left at (10, 20), two pixels for a point.
    HeadlessPageView pageView() {
        return HeadlessPageView(*view, 0, headless.ui().tools(), 10, 20, 2.0);
    }

    void useTheTool() { setActiveTool(toolByType(atomFromString("Test:RectangleTool")), true); }

    fixtures::TempDir dir;
    DocumentView* view = nullptr;
};

TEST_F(PageViews, DeviceAndPageCoordinatesConvertBothWays) {
    HeadlessPageView page = pageView();
    EXPECT_EQ(page.pageRect(), (DeviceRect{10, 20, 10 + 2 * 576, 20 + 2 * 756}));
    // The top left of the shown page is (36, 792) on the page.
    EXPECT_EQ(page.toPage(10, 20), (FixedPoint{fixedFromInt(36), fixedFromInt(792)}));
    EXPECT_EQ(page.toPage(110, 220), (FixedPoint{fixedFromInt(86), fixedFromInt(692)}));
    const FixedRect footer{fixedFromInt(72), fixedFromInt(60), fixedFromInt(540), fixedFromInt(40)};
    const DeviceRect shown = page.toDevice(footer);
    EXPECT_EQ(shown, (DeviceRect{10 + 72, 20 + 2 * 732, 10 + 2 * 504, 20 + 2 * 752}));
    EXPECT_EQ(page.toPage(shown), footer);
}

TEST_F(PageViews, TheStandardToolLeavesClicksToTheView) {
    HeadlessPageView page = pageView();
    EXPECT_FALSE(page.click(100, 100));
    EXPECT_EQ(page.moveMouse(100, 100), std::nullopt);
    EXPECT_TRUE(theTool.clicks.empty());
}

TEST_F(PageViews, ARegisteredToolGetsClicksAtPageCoordinatesAndDrawsItsRectangle) {
    useTheTool();
    HeadlessPageView page = pageView();
    EXPECT_EQ(page.moveMouse(100, 100), CursorShape::Cross);

    page.releaseNextDragAt(310, 140);
    EXPECT_TRUE(page.click(110, 120));
    ASSERT_EQ(theTool.clicks.size(), 1u);
    EXPECT_EQ(theTool.clicks[0], (FixedPoint{fixedFromInt(86), fixedFromInt(742)}));
    ASSERT_TRUE(theTool.region);
    EXPECT_EQ(*theTool.region, (FixedRect{fixedFromInt(86), fixedFromInt(742), fixedFromInt(186),
                                          fixedFromInt(732)}));

    // Drawn now, in red with its handles, where it was dragged.
    ASSERT_EQ(page.outlines().size(), 1u);
    EXPECT_EQ(page.outlines()[0].rect, (DeviceRect{110, 120, 310, 140}));
    EXPECT_TRUE(page.outlines()[0].withHandles);
    EXPECT_EQ(page.outlines()[0].red, 1.0);
    EXPECT_EQ(page.outlines()[0].green, 0.0);

    // Over the bottom right handle the tool shows it can be resized; the
    // handle is dragged, but not off the page.
    EXPECT_EQ(page.moveMouse(311, 139), CursorShape::SizeAll);
    page.setMouseDown(true);
    page.releaseNextDragAt(5000, 160);
    EXPECT_TRUE(page.click(311, 139));
    EXPECT_EQ(page.outlines().at(0).rect, (DeviceRect{110, 120, 10 + 2 * 576, 160}));

    // A click elsewhere drops it: nothing is drawn any more.
    page.setMouseDown(false);
    EXPECT_TRUE(page.click(700, 900));
    EXPECT_FALSE(theTool.region);
    EXPECT_TRUE(page.outlines().empty());
    EXPECT_EQ(page.pendingDrags(), 0u);
}

TEST_F(PageViews, APlainClickDragsOutNoRectangle) {
    useTheTool();
    HeadlessPageView page = pageView();
    EXPECT_TRUE(page.click(110, 120));
    EXPECT_FALSE(theTool.region);
    EXPECT_FALSE(headless.ui().tools().hasDrawings());
}

TEST_F(PageViews, HandlesAreFoundAtCornersAndEdgeMiddles) {
    const DeviceRect rect{100, 100, 200, 160};
    struct Case {
        int x, y, handle;
    };
    for (const Case& c : {Case{100, 100, kHandleTopLeft}, Case{152, 98, kHandleTop},
                          Case{203, 100, kHandleTopRight}, Case{200, 130, kHandleRight},
                          Case{200, 160, kHandleBottomRight}, Case{150, 163, kHandleBottom},
                          Case{97, 160, kHandleBottomLeft}, Case{100, 130, kHandleLeft},
                          Case{150, 130, kNoHandle}, Case{100, 110, kNoHandle}}) {
        EXPECT_EQ(rectHandleAt(rect, c.x, c.y), c.handle) << c.x << "," << c.y;
    }
}

TEST_F(PageViews, BadRequestsAreRefused) {
    HeadlessPageView page = pageView();
    const DeviceRect rect{1, 2, 3, 4};
    EXPECT_THROW(imported().acroView().setDrawingColour(&page, 2, 0, 0, 0), HostError);
    EXPECT_THROW(imported().acroView().dragRect(&page, 1, 1, nullptr, kHandleTop, nullptr),
                 HostError);
    EXPECT_THROW(drawRectOutline(nullptr, rect, false), HostError);
    EXPECT_THROW(imported().acroView().setCursor(&page, 99), HostError);
    EXPECT_THROW(registerPageViewDrawing(nullptr, nullptr), HostError);
    // Outside the host's drawing nothing is drawn.
    drawRectOutline(&page, rect, false);
    EXPECT_TRUE(page.outlines().empty());
}

TEST_F(PageViews, FilesAreOpenedWithTheirProgramAndRecorded) {
    EXPECT_TRUE(openWithAssociatedProgram("/tmp/book.pdf_report.txt"));
    headless.ui().setAssociatedProgramResult(false);
    EXPECT_FALSE(openWithAssociatedProgram("/tmp/other.txt"));
    EXPECT_FALSE(openWithAssociatedProgram(""));
    EXPECT_EQ(headless.ui().openedWithProgram(),
              (std::vector<std::filesystem::path>{"/tmp/book.pdf_report.txt", "/tmp/other.txt"}));
}

}  // namespace
}  // namespace lumar::host
