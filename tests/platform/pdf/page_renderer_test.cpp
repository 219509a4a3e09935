#include "platform/pdf/page_renderer.h"

#include <gtest/gtest.h>

#include "fixtures/pdf_builder.h"
#include "platform/pdf/document.h"
#include "platform/pdf/pdf_error.h"

namespace lumar::pdf {
namespace {

using fixtures::PdfBuilder;

Document build(const PdfBuilder& builder) {
    return Document::openMemory(builder.bytes(), "test.pdf");
}

// How many pixels of the rectangle are clearly darker than the paper.
int darkPixels(const PageImage& image, int left, int top, int right, int bottom) {
    int dark = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const std::uint32_t pixel = image.pixels[static_cast<std::size_t>(y * image.width + x)];
            if ((pixel & 0xFF) < 0x80) {
                ++dark;
            }
        }
    }
    return dark;
}

struct SizeCase {
    const char* name;
    int rotation;
    bool cropped;
    double width;
    double height;
};

class PageRendererSize : public testing::TestWithParam<SizeCase> {};

TEST_P(PageRendererSize, IsTheCropBoxAsShown) {
    const SizeCase& c = GetParam();
    PdfBuilder builder;
    builder.pages(1, 600, 800);
    if (c.cropped) {
        builder.cropBox(0, 100, 50, 400, 750);
    }
    builder.rotate(0, c.rotation);
    const PageRenderer renderer(build(builder));
    const PageSize size = renderer.pageSize(0);
    EXPECT_DOUBLE_EQ(size.width, c.width);
    EXPECT_DOUBLE_EQ(size.height, c.height);
    const PageImage image = renderer.render(0, 36);  // half a pixel per point
    EXPECT_EQ(image.width, static_cast<int>(c.width / 2));
    EXPECT_EQ(image.height, static_cast<int>(c.height / 2));
}

INSTANTIATE_TEST_SUITE_P(Pages, PageRendererSize,
                         testing::Values(SizeCase{"Upright", 0, false, 600, 800},
                                         SizeCase{"Turned", 90, false, 800, 600},
                                         SizeCase{"UpsideDown", 180, false, 600, 800},
                                         SizeCase{"CroppedAndTurned", 270, true, 700, 300}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PageRenderer, DrawsTheTextWhereItStandsOnWhitePaper) {
    PdfBuilder builder;
    builder.pages(1, 200, 200);
    builder.text(0, 20, 150, "WWWWWW", 0, 24);  // near the top left
    const PageRenderer renderer(build(builder));
    const PageImage image = renderer.render(0, 72);
    ASSERT_EQ(image.width, 200);
    ASSERT_EQ(image.height, 200);
    EXPECT_EQ(image.pixels.front(), 0xFFFFFFFFu);
    // The baseline at y = 150 is 50 pixels from the top edge.
    EXPECT_GT(darkPixels(image, 20, 30, 120, 50), 100);
    EXPECT_EQ(darkPixels(image, 0, 100, 200, 200), 0);
}

TEST(PageRenderer, SeesTheDocumentAsItWasWhenMade) {
    PdfBuilder builder;
    builder.pages(3);
    Document document = build(builder);
    const PageRenderer before(document);
    document.deletePages(0, 1);
    const PageRenderer after(document);
    EXPECT_EQ(before.pageCount(), 3);
    EXPECT_EQ(after.pageCount(), 1);
}

TEST(PageRenderer, DrawsEncryptedDocumentsItCanOpen) {
    PdfBuilder builder;
    builder.pages(1, 100, 100);
    builder.encrypt({});
    const PageRenderer renderer(build(builder));
    EXPECT_EQ(renderer.render(0, 72).width, 100);
}

TEST(PageRenderer, RefusesPagesOutsideTheDocument) {
    PdfBuilder builder;
    builder.pages(2);
    const PageRenderer renderer(build(builder));
    for (int index : {-1, 2}) {
        try {
            renderer.render(index, 72);
            ADD_FAILURE() << "page " << index << " was drawn";
        } catch (const PdfError& error) {
            EXPECT_EQ(error.code(), ErrorCode::BadPageRange);
        }
        EXPECT_THROW(renderer.pageSize(index), PdfError);
    }
}

TEST(PageRenderer, NeedsAnOpenDocument) {
    PdfBuilder builder;
    builder.pages(1);
    Document document = build(builder);
    document.close();
    EXPECT_THROW(PageRenderer{document}, PdfError);
}

}  // namespace
}  // namespace lumar::pdf
