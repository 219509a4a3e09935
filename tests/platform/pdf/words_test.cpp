#include <gtest/gtest.h>

#include "fixtures/pdf_builder.h"
#include "fixtures/temp_dir.h"
#include "platform/pdf/document.h"
#include "platform/pdf/pdf_error.h"

namespace lumar::pdf {
namespace {

using fixtures::PdfBuilder;

struct PageLayout {
    const char* name;
    int rotation;
    bool cropped;
};

class WordBoxes : public testing::TestWithParam<PageLayout> {};

// Text is drawn in unrotated page coordinates; its word boxes must come back
// there whatever the page's crop box and rotation.
TEST_P(WordBoxes, MatchWhereTheTextWasDrawn) {
    const PageLayout& layout = GetParam();
    PdfBuilder builder;
    builder.pages(1, 600, 800);
    if (layout.cropped) {
        builder.cropBox(0, 50, 100, 550, 750);
    }
    builder.rotate(0, layout.rotation);
    builder.text(0, 100, 600, "Alpha");
    builder.text(0, 300, 200, "Omega");
    Document doc = Document::openMemory(builder.bytes(), "words.pdf");

    const std::vector<Word> words = doc.wordFinder().words(0);
    ASSERT_EQ(words.size(), 2u);
    struct Expected {
        const char* text;
        double x, y;
    };
    for (const Expected& e : {Expected{"Alpha", 100, 600}, Expected{"Omega", 300, 200}}) {
        auto it = std::find_if(words.begin(), words.end(),
                               [&](const Word& w) { return w.text == e.text; });
        ASSERT_NE(it, words.end()) << e.text;
        const Rect& box = it->box;
        // Helvetica 12: the box starts at the pen position, reaches below
        // the baseline by the descent and above it by about the cap height.
        EXPECT_NEAR(box.left, e.x, 1.0) << e.text;
        EXPECT_NEAR(box.right, e.x + 36, 8.0) << e.text;
        EXPECT_LE(box.bottom, e.y) << e.text;
        EXPECT_GE(box.bottom, e.y - 5) << e.text;
        EXPECT_GE(box.top, e.y + 7) << e.text;
        EXPECT_LE(box.top, e.y + 14) << e.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, WordBoxes,
    testing::Values(PageLayout{"Plain", 0, false}, PageLayout{"Cropped", 0, true},
                    PageLayout{"Rotated90", 90, false}, PageLayout{"Rotated180", 180, true},
                    PageLayout{"Rotated270", 270, true}, PageLayout{"Cropped90", 90, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WordFinder, FlagsBlanksAndLineEnds) {
    PdfBuilder builder;
    builder.pages(1, 600, 800);
    builder.text(0, 72, 700, "one two");
    builder.text(0, 72, 680, "three");
    Document doc = Document::openMemory(builder.bytes(), "lines.pdf");

    const std::vector<Word> words = doc.wordFinder().words(0);
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[0].text, "one");
    EXPECT_TRUE(words[0].blankFollows);
    EXPECT_FALSE(words[0].endsLine);
    EXPECT_EQ(words[1].text, "two");
    EXPECT_TRUE(words[1].endsLine);
    EXPECT_EQ(words[2].text, "three");
    EXPECT_TRUE(words[2].endsLine);
}

TEST(WordFinder, ReadsWindows1252TextInEveryFontKind) {
    PdfBuilder builder;
    builder.pages(3, 600, 800);
    const int trueType = builder.addFont({.kind = fixtures::FontKind::TrueType});
    const int composite = builder.addFont({.kind = fixtures::FontKind::Composite});
    builder.text(0, 72, 700, "caf\xE9");
    builder.text(1, 72, 700, "\x80uro", trueType);
    builder.text(2, 72, 700, "na\xEFve", composite);
    Document doc = Document::openMemory(builder.bytes(), "fonts.pdf");
    WordFinder finder = doc.wordFinder();

    const char* expected[] = {"caf\xE9", "\x80uro", "na\xEFve"};
    for (int page = 0; page < 3; ++page) {
        const std::vector<Word> words = finder.words(page);
        ASSERT_EQ(words.size(), 1u) << page;
        EXPECT_EQ(words[0].text, expected[page]) << page;
        EXPECT_NEAR(words[0].box.left, 72, 1.0) << page;
    }
}

TEST(WordFinder, WorksOnASnapshotAndRejectsBadPages) {
    PdfBuilder builder;
    builder.pages(1).text(0, 72, 700, "before");
    Document doc = Document::openMemory(builder.bytes(), "snapshot.pdf");
    WordFinder finder = doc.wordFinder();
    doc.deletePages(0, 0);
    EXPECT_EQ(finder.pageCount(), 1);
    EXPECT_EQ(finder.words(0).at(0).text, "before");
    try {
        (void)finder.words(1);
        FAIL() << "page 1 should not exist";
    } catch (const PdfError& e) {
        EXPECT_EQ(e.code(), ErrorCode::BadPageRange);
    }
}

}  // namespace
}  // namespace lumar::pdf
