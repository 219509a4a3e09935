// The footer region tool and the footer export on fixture PDFs in a headless
// host: the region rules, the tool's states, the words that count, the bytes
// of the footer file, and the file read back by the annotation import.

#include "pdftools/footer_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "annotations/annotation_check.h"
#include "annotations/annotation_import.h"
#include "config/settings_store.h"
#include "fixtures/pdf_builder.h"
#include "fixtures/temp_dir.h"
#include "pdftools/footer_region.h"
#include "platform/host/document_view.h"
#include "platform/host/headless_page_view.h"
#include "platform/host/host.h"
#include "platform/host/roles.h"
#include "platform/host/tool_set.h"
#include "platform/pdf/document.h"
#include "platform/settings/temp_settings.h"
#include "plugin/plugin_harness.h"
#include "ui/progress.h"

namespace lumar {
namespace {

using fixtures::PdfBuilder;

host::FixedRect Rect(double left, double top, double right, double bottom) {
    return {host::fixedFromDouble(left), host::fixedFromDouble(top), host::fixedFromDouble(right),
            host::fixedFromDouble(bottom)};
}

const host::FixedRect kA4 = Rect(0, 842, 595, 0);
// The footer band of the fixture pages: from 20 to 50 units above the
// bottom edge, 60 to 300 units from the left edge.
const host::FixedRect kFooter = Rect(60, 50, 300, 20);

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Four A4 pages: a body line on each, and footers at y = 30 on pages 1, 2 and
// 4; on page 2 "Crossing" (about 273 to 321 units from the left edge)
// crosses the band's right edge and "Beyond" lies right of it; page 4's
// footer sits left of the band.
PdfBuilder FooterPages() {
    PdfBuilder builder;
    builder.pages(4);
    for (int page = 0; page < 4; ++page) {
        builder.text(page, 72, 700, "Body text of the page");
    }
    builder.text(0, 72, 30, "Binder 1 page 1");
    builder.text(1, 250, 30, "Left Crossing Beyond");
    builder.text(3, 10, 30, "Margin");
    return builder;
}

// The first page of the active document in a headless page view.
struct HeadlessUiPage {
    explicit HeadlessUiPage(testing::PluginHarness& harness)
        : view(*harness.headless.ui().activeDocument(), 0, harness.headless.ui().tools()) {}
    host::HeadlessPageView view;
};

class FooterExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness.loaded.initialised);
        harness.logOn(3);
        ResetFooterRegion();
        std::filesystem::create_directories(dir / "annotations");
        ASSERT_TRUE(WriteTextSetting("Uri", "Annotations", (dir / "annotations").string()));
    }
    void TearDown() override { ResetFooterRegion(); }

    pdf::Document* show(const PdfBuilder& builder, const std::string& name = "binder.pdf") {
        builder.write(dir / name);
        auto document = std::make_unique<pdf::Document>(pdf::Document::open(dir / name));
        return harness.headless.ui().showDocument(std::move(document))->document();
    }

    std::filesystem::path footerFile() const { return dir / "annotations" / "binder.ann.txt"; }

    fixtures::TempDir dir;
    testing::TempSettings settings;
    testing::PluginHarness harness;
};

TEST_F(FooterExportTest, WordsTouchingTheRegionMakeTheLines) {
    pdf::Document* document = show(FooterPages());
    const std::string target = footerFile().string();
    std::ofstream(target) << std::string(300, 'x');  // an older, longer file

    ASSERT_TRUE(ExportFooterTextTo(document, {kFooter, kFooter}, target));

    EXPECT_EQ(ReadFile(target), "Binder 1 page 1 \r\nLeft Crossing \r\n~\r\n~\r\n");
    EXPECT_EQ(harness.responder.notes(), std::vector<std::string>{"Text extraction completed."});
    EXPECT_FALSE(ProgressActive());
    EXPECT_EQ(harness.headless.ui().progress().text(), "Done");
}

TEST_F(FooterExportTest, PagesWithEvenAndOddIndexUseTheirOwnRegion) {
    pdf::Document* document = show(FooterPages());
    const FooterRegions regions{kFooter, Rect(0, 50, 50, 20)};  // odd index: the margin
    ASSERT_TRUE(ExportFooterTextTo(document, regions, footerFile().string()));
    EXPECT_EQ(ReadFile(footerFile()), "Binder 1 page 1 \r\n~\r\n~\r\nMargin \r\n");
}

TEST_F(FooterExportTest, UnopenableTargetIsReported) {
    pdf::Document* document = show(FooterPages());
    EXPECT_FALSE(
        ExportFooterTextTo(document, {kFooter, kFooter}, (dir / "none" / "x.ann.txt").string()));
    EXPECT_EQ(harness.responder.notes(),
              std::vector<std::string>{"Failed to open output file. Text extraction aborted."});
}

TEST(FooterWords, TouchingCountsAndSeparatorsFollowTheAttributes) {
    const host::FixedRect region = Rect(100, 50, 200, 20);
    EXPECT_TRUE(WordTouchesRegion(Rect(120, 40, 150, 30), region));   // inside
    EXPECT_TRUE(WordTouchesRegion(Rect(190, 40, 230, 30), region));   // crosses the right edge
    EXPECT_TRUE(WordTouchesRegion(Rect(200, 60, 230, 50), region));   // touches a corner
    EXPECT_FALSE(WordTouchesRegion(Rect(201, 40, 230, 30), region));  // right of it
    EXPECT_FALSE(WordTouchesRegion(Rect(120, 19, 150, 10), region));  // below it

    using namespace std::string_view_literals;
    EXPECT_EQ(WordSeparator(0x8000, 0), " "sv);
    EXPECT_EQ(WordSeparator(0x0800, 0), " "sv);
    EXPECT_EQ(WordSeparator(0x8800, 0x8), "\0 "sv);
    EXPECT_EQ(WordSeparator(0, 0x8), ""sv);
    EXPECT_EQ(WordSeparator(0x7FF, 0xFFFF), ""sv);
}

struct OverlapCase {
    const char* name;
    host::FixedRect region;
    bool accepted;
};

class RegionOverlap : public ::testing::TestWithParam<OverlapCase> {};

TEST_P(RegionOverlap, NeedsSevenUnitsOfTheMediaBoxEachWay) {
    EXPECT_EQ(RegionOverlapsMediaBox(GetParam().region, kA4), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Regions, RegionOverlap,
    ::testing::Values(OverlapCase{"Inside", Rect(60, 50, 300, 20), true},
                      OverlapCase{"WhollyInTheMarginBelow", Rect(60, -5, 300, -40), false},
                      OverlapCase{"WhollyRightOfThePage", Rect(600, 50, 700, 20), false},
                      OverlapCase{"SevenUnitsAtTheBottom", Rect(60, 7, 300, -40), true},
                      OverlapCase{"LessThanSevenAtTheBottom", Rect(60, 6.99, 300, -40), false},
                      OverlapCase{"SevenUnitsAtTheLeft", Rect(-40, 50, 7, 20), true},
                      OverlapCase{"LessThanSevenAtTheRight", Rect(588.01, 50, 700, 20), false},
                      OverlapCase{"SevenUnitsAtTheTop", Rect(60, 900, 300, 835), true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RegionClip, KeepsThePartInsideTheMediaBox) {
    EXPECT_EQ(ClipToMediaBox(Rect(-20, 60, 700, -10), kA4), Rect(0, 60, 595, 0));
    EXPECT_EQ(ClipToMediaBox(Rect(60, 900, 300, 835), kA4), Rect(60, 842, 300, 835));
}

TEST_F(FooterExportTest, RegionWithoutTheToolIsCheckedAgainstThePage) {
    PdfBuilder builder;
    builder.pages(2).pages(1, 300, 400);
    pdf::Document* document = show(builder);
    EXPECT_EQ(CheckedFooterRegion(document, 0, Rect(700, 20, -10, 50)), Rect(0, 50, 595, 20));
    EXPECT_EQ(CheckedFooterRegion(document, 2, Rect(-10, 50, 700, 20)), Rect(0, 50, 300, 20));
    EXPECT_EQ(CheckedFooterRegion(document, 2, Rect(310, 50, 700, 20)), std::nullopt);
    EXPECT_EQ(harness.responder.notes(),
              std::vector<std::string>{
                  "Data region must include at least 0,25 cm by 0,25 cm of media box region."});
}

TEST_F(FooterExportTest, CommandWithoutDocumentAsksForOne) {
    harness.item("TOLMA:LumarVoetRegels");  // the item exists
    FooterExportCommand(nullptr);
    EXPECT_EQ(harness.responder.notes(), std::vector<std::string>{"Open a PDF first"});
    EXPECT_EQ(FooterRegion().mode, RegionToolMode::Idle);
}

TEST_F(FooterExportTest, ToolDrawsConfirmsAndExports) {
    show(FooterPages());
    auto& tools = harness.headless.ui().tools();

    harness.item("TOLMA:LumarVoetRegels")->choose();
    EXPECT_EQ(harness.responder.notes(), std::vector<std::string>{"Select footer region"});
    ASSERT_NE(tools.active(), nullptr);
    EXPECT_EQ(tools.active()->type(), kRegionToolType);
    EXPECT_TRUE(tools.activeIsPersistent());
    EXPECT_EQ(FooterRegion().mode, RegionToolMode::WaitingForRegion);
    EXPECT_TRUE(FooterRegion().toolActive);

    // A plain click draws no region; a drag does (given from either corner).
    EXPECT_FALSE(FooterRegionDragged(Rect(70, 40, 70, 40)));
    EXPECT_TRUE(FooterRegionDragged(Rect(600, 20, -10, 60)));
    EXPECT_EQ(FooterRegion().region, Rect(-10, 60, 600, 20));
    FooterRegionResized(Rect(60, -5, 300, -40));  // moved into the margin below the page

    harness.responder.clearMessages();
    EXPECT_EQ(ConfirmFooterRegion(kA4), RegionConfirmation::Refused);
    EXPECT_EQ(harness.responder.notes(),
              std::vector<std::string>{
                  "Data region must include at least 0,25 cm by 0,25 cm of media box region."});

    FooterRegionResized(Rect(-10, 50, 300, 20));
    harness.responder.answerNext(2);  // Cancel
    EXPECT_EQ(ConfirmFooterRegion(kA4), RegionConfirmation::Cancelled);
    EXPECT_TRUE(FooterRegion().selected);
    EXPECT_EQ(tools.active()->type(), kRegionToolType);

    harness.responder.clearMessages();
    harness.responder.answerNext(1);  // OK
    EXPECT_EQ(ConfirmFooterRegion(kA4), RegionConfirmation::Confirmed);
    const auto& messages = harness.responder.messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "Selected region OK for all pages?");
    EXPECT_EQ(messages[0].buttons, (std::vector<std::string>{"OK", "Cancel"}));
    EXPECT_EQ(messages[0].icon, host::AlertIcon::Question);
    EXPECT_EQ(messages[1].text, "Text extraction completed.");

    const FooterRegionState& state = FooterRegion();
    EXPECT_EQ(state.oddPageRegion, Rect(0, 50, 300, 20));  // clipped to the media box
    EXPECT_EQ(state.evenPageRegion, Rect(0, 50, 300, 20));
    EXPECT_FALSE(state.selected);
    EXPECT_FALSE(state.toolActive);
    EXPECT_EQ(state.mode, RegionToolMode::Idle);
    EXPECT_EQ(tools.active(), tools.standardTool());
    EXPECT_EQ(ReadFile(footerFile()), "Binder 1 page 1 \r\nLeft Crossing \r\n~\r\nMargin \r\n");
}

TEST_F(FooterExportTest, RegionIsDrawnWithThePageViewAndConfirmedByAClickInside) {
    show(FooterPages());
    HeadlessUiPage page(harness);
    host::HeadlessPageView& view = page.view;  // A4 at (0, 0), one pixel per point
    harness.item("TOLMA:LumarVoetRegels")->choose();
    EXPECT_EQ(view.moveMouse(100, 800), host::CursorShape::Cross);

    // A plain click draws nothing; a drag from (60, 792) to (300, 822) is the
    // band from 20 to 50 units above the bottom edge.
    EXPECT_TRUE(view.click(60, 792));
    EXPECT_FALSE(FooterRegion().selected);
    view.releaseNextDragAt(300, 822);
    EXPECT_TRUE(view.click(60, 792));
    ASSERT_TRUE(FooterRegion().selected);
    EXPECT_EQ(FooterRegion().region, kFooter);
    ASSERT_EQ(view.outlines().size(), 1u);
    EXPECT_EQ(view.outlines()[0].rect, (host::DeviceRect{60, 792, 300, 822}));
    EXPECT_TRUE(view.outlines()[0].withHandles);
    EXPECT_EQ(view.outlines()[0].red, 1.0);
    EXPECT_EQ(view.moveMouse(100, 800), host::CursorShape::PointingHand);

    // The right edge's handle dragged out to 400 units.
    view.setMouseDown(true);
    view.releaseNextDragAt(400, 807);
    EXPECT_TRUE(view.click(300, 807));
    view.setMouseDown(false);
    EXPECT_EQ(FooterRegion().region, Rect(60, 50, 400, 20));

    harness.responder.clearMessages();
    harness.responder.answerNext(1);  // OK
    EXPECT_TRUE(view.click(200, 807));
    EXPECT_EQ(harness.responder.notes(), std::vector<std::string>{"Text extraction completed."});
    EXPECT_EQ(FooterRegion().oddPageRegion, Rect(60, 50, 400, 20));
    EXPECT_EQ(harness.headless.ui().tools().active(), harness.headless.ui().tools().standardTool());
    view.draw();
    EXPECT_TRUE(view.outlines().empty());
    EXPECT_EQ(ReadFile(footerFile()), "Binder 1 page 1 \r\nLeft Crossing Beyond \r\n~\r\n~\r\n");
}

TEST_F(FooterExportTest, AClickAwayFromTheRegionDropsIt) {
    show(FooterPages());
    HeadlessUiPage page(harness);
    harness.item("TOLMA:LumarVoetRegels")->choose();
    page.view.releaseNextDragAt(300, 822);
    page.view.click(60, 792);
    ASSERT_TRUE(FooterRegion().selected);
    EXPECT_TRUE(page.view.click(500, 100));
    EXPECT_FALSE(FooterRegion().selected);
    EXPECT_TRUE(page.view.outlines().empty());
}

TEST_F(FooterExportTest, ChoosingAnotherToolDropsTheSelection) {
    show(FooterPages());
    auto& tools = harness.headless.ui().tools();
    harness.item("TOLMA:LumarVoetRegels")->choose();
    ASSERT_TRUE(FooterRegionDragged(kFooter));

    tools.setActive(tools.standardTool(), true);
    EXPECT_FALSE(FooterRegion().selected);
    EXPECT_FALSE(FooterRegion().toolActive);
    EXPECT_EQ(FooterRegion().mode, RegionToolMode::WaitingForRegion);
}

TEST_F(FooterExportTest, ExportedFileImportsBackAndPassesTheCheck) {
    show(FooterPages());
    SetFooterRegions(Rect(0, 50, 595, 20));
    ASSERT_TRUE(ExportFooterText(std::nullopt));

    // A copy of the pages without data annotations takes the footers.
    pdf::Document* copy = show(FooterPages(), "copy.pdf");
    ASSERT_TRUE(ImportPages(copy, footerFile().string(), PageDataMode::Replace));
    AnnotationCheck check;
    EXPECT_TRUE(CheckAnnotations(copy, &check)) << check.message;

    std::vector<std::string> contents;
    for (int i = 0; i < copy->pageCount(); ++i) {
        const pdf::Page page = copy->page(i);
        contents.push_back(page.annotation(0).contents());
    }
    EXPECT_EQ(contents, (std::vector<std::string>{"Binder 1 page 1 \n", "Left Crossing Beyond \n",
                                                  "~\n", "Margin \n"}));
}

TEST_F(FooterExportTest, WithoutAnnotationsFolderNothingIsExported) {
    show(FooterPages());
    ASSERT_TRUE(WriteTextSetting("Uri", "Annotations", ""));
    EXPECT_FALSE(ExportFooterText(std::nullopt));
    EXPECT_FALSE(std::filesystem::exists(footerFile()));
}

// The host's word enumeration, failing from the third page on.
void (*hostEnumeratePageWords)(pdf::WordFinder*, int, host::HostCallback, void*) = nullptr;
void EnumerateFailingOnPageThree(pdf::WordFinder* finder, int pageIndex,
                                 host::HostCallback wordProc, void* clientData) {
    if (pageIndex >= 2) {
        throw host::HostError(host::makeErrorCode(host::error::kDocumentSystem, 3),
                              "The page is damaged.");
    }
    hostEnumeratePageWords(finder, pageIndex, wordProc, clientData);
}

TEST(FooterExportFailure, HostErrorStopsTheExportWithItsCode) {
    fixtures::TempDir dir;
    testing::TempSettings settings;
    testing::PluginHarness harness(false);
    hostEnumeratePageWords = host::makePDModelTable().enumeratePageWords;
    harness.headless.tables().replaceEntry(
        "PDModel", host::entryOffset(&host::PDModelTable::enumeratePageWords),
        reinterpret_cast<host::GenericProc>(&EnumerateFailingOnPageThree));
    harness.load();
    ASSERT_TRUE(harness.loaded.initialised);
    FooterPages().write(dir / "binder.pdf");
    pdf::Document* document =
        harness.headless.ui()
            .showDocument(std::make_unique<pdf::Document>(pdf::Document::open(dir / "binder.pdf")))
            ->document();

    const std::string target = (dir / "binder.ann.txt").string();
    EXPECT_FALSE(ExportFooterTextTo(document, {kFooter, kFooter}, target));
    EXPECT_EQ(harness.responder.notes(),
              std::vector<std::string>{"Extract text from footer: Error 3: The page is damaged."});
    // The lines before the failure stay; the progress is ended.
    EXPECT_EQ(ReadFile(target), "Binder 1 page 1 \r\nLeft Crossing \r\n");
    EXPECT_FALSE(ProgressActive());
}

}  // namespace
}  // namespace lumar
