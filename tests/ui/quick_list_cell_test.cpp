// The quick list's drawing rules: the box and its bar, the text's place and
// form, two-part texts and their tips, type-ahead find.

#include "ui/quick_list_cell.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumar {
namespace {

struct BoxCase {
    const char* name;
    CellRect cell;
    bool edge;
    CellRect box;
};

class Box : public ::testing::TestWithParam<BoxCase> {};

TEST_P(Box, SitsSquareAtTheLeft) {
    EXPECT_EQ(QuickListBoxRect(GetParam().cell, GetParam().edge), GetParam().box);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, Box,
    ::testing::Values(BoxCase{"TallRow", {100, 0, 300, 34}, false, {105, 5, 129, 29}},
                      BoxCase{"TallRowWithEdge", {100, 0, 300, 34}, true, {107, 7, 127, 27}},
                      BoxCase{"LowRow", {0, 20, 80, 40}, false, {2, 22, 18, 38}},
                      BoxCase{"JustTallEnough", {0, 0, 80, 26}, false, {5, 5, 21, 21}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QuickListCell, BarFillsItsShareOfTheBox) {
    EXPECT_EQ(QuickListBarWidth(24, 1, 3), 8);
    EXPECT_EQ(QuickListBarWidth(24, 2, 7), 6);  // integer division
    EXPECT_EQ(QuickListBarWidth(24, 0, 3), 0);
    EXPECT_EQ(QuickListBarWidth(24, 5, 0), 0);
    EXPECT_EQ(QuickListBarWidth(24, 9, 3), 24);  // never past the box
}

TEST(QuickListCell, TextPlaceAndForm) {
    EXPECT_EQ(QuickListTextRect({100, 0, 300, 34}, 1), (CellRect{102, 0, 299, 33}));
    // Column 0: 7 pixels right of the box area, box or not.
    EXPECT_EQ(QuickListTextRect({0, 0, 300, 34}, 0).left, 29 + 7);
    EXPECT_EQ(QuickListDrawText("  A & B  ", 0), "A && B");
    EXPECT_EQ(QuickListDrawText("  A & B  ", 2), "  A && B  ");
    EXPECT_EQ(QuickListDrawText("   ", 0), "");
}

TEST(QuickListCell, TwoPartTextsAndTheirTips) {
    const TextParts parts = SplitAtLineBreak("Replaced(3)\r\npage 5");
    EXPECT_TRUE(parts.split);
    EXPECT_EQ(parts.top, "Replaced(3)");
    EXPECT_EQ(parts.bottom, "page 5");
    EXPECT_FALSE(SplitAtLineBreak("one line").split);

    const CellRect cell{0, 40, 100, 80};
    EXPECT_EQ(QuickListToolTip("up\r\ndown", 1, cell, 45), "up");
    EXPECT_EQ(QuickListToolTip("up\r\ndown", 1, cell, 70), "down");
    EXPECT_EQ(QuickListToolTip("up\r\ndown", 2, cell, 70), "up\r\ndown");
}

TEST(QuickListCell, TypeAheadFindWrapsOnceIgnoringCase) {
    const std::vector<std::string> rows = {"Binder 1", "binder 2", "Supplement", "Colour"};
    const auto textOf = [&rows](int row) { return rows[static_cast<std::size_t>(row)]; };
    EXPECT_EQ(QuickListFind("BIN", 0, 4, textOf), 0);
    EXPECT_EQ(QuickListFind("bin", 1, 4, textOf), 1);
    EXPECT_EQ(QuickListFind("bin", 2, 4, textOf), 0);  // wrapped round
    EXPECT_EQ(QuickListFind("sup", 3, 4, textOf), 2);
    EXPECT_EQ(QuickListFind("x", 0, 4, textOf), -1);
    EXPECT_EQ(QuickListFind("b", 0, 0, textOf), -1);
}

}  // namespace
}  // namespace lumar
