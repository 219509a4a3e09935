// CColourDlg: the rows, which one is selected on opening, and what OK gives.

#include "merge/colour_dlg.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace lumar {
namespace {

const std::vector<ColourRecord> kColours = {
    {1, "White", 255, 255, 255}, {2, "Yellow", 255, 255, 153}, {3, "Light blue", 153, 204, 255}};

struct OpeningCase {
    const char* current;
    std::optional<int> row;
    const char* result;  // after OK; none when OK is disabled
};

class ColourDlgOpening : public ::testing::TestWithParam<OpeningCase> {};

TEST_P(ColourDlgOpening, SelectsTheCurrentColour) {
    const OpeningCase& c = GetParam();
    CColourDlg dialog(kColours, c.current);
    EXPECT_EQ(dialog.SelectedRow(), c.row);
    EXPECT_EQ(dialog.InitialRow(), c.row);
    EXPECT_EQ(dialog.OKEnabled(), c.row.has_value());
    EXPECT_EQ(dialog.OKToolTip(), c.row ? "" : "No item selected");
    EXPECT_EQ(dialog.OnOK(), c.row.has_value());
    if (c.row) {
        EXPECT_EQ(dialog.Result(), c.result);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ColourDlgOpening,
                         ::testing::Values(OpeningCase{"[[#NOCOLOUR#]]", 0, ""},
                                           OpeningCase{"LIGHT BLUE", 3, "Light blue"},
                                           OpeningCase{"yellow", 2, "Yellow"},
                                           OpeningCase{"", std::nullopt, ""},
                                           OpeningCase{"purple", std::nullopt, ""},
                                           OpeningCase{"[[#nocolour#]]", std::nullopt, ""}));

TEST(ColourDlg, RowsShowTheNoColourRowThenTheList) {
    CColourDlg dialog(kColours, "Yellow");
    ASSERT_EQ(dialog.RowCount(), 4);
    EXPECT_EQ(dialog.RowName(0), "Unspecified");
    EXPECT_EQ(dialog.RowComponent(0, 0), "");
    EXPECT_EQ(dialog.RowColour(0), std::nullopt);
    EXPECT_EQ(dialog.RowName(3), "Light blue");
    EXPECT_EQ(dialog.RowComponent(3, 1), "204");
    EXPECT_EQ(dialog.RowColour(3), 153u + 204u * 256u + 255u * 65536u);
    EXPECT_TRUE(dialog.IsInitialRow(2));

    // Leaving the row disables OK; a double click chooses.
    dialog.SelectRow(std::nullopt);
    EXPECT_FALSE(dialog.OKEnabled());
    dialog.SelectRow(9);
    EXPECT_FALSE(dialog.OKEnabled());
    EXPECT_TRUE(dialog.OnDoubleClick(1));
    EXPECT_EQ(dialog.Result(), "White");
}

TEST(ColourDlg, EmptyListOffersOnlyTheNoColourRowUnderItsTitle) {
    CColourDlg dialog(std::vector<ColourRecord>{}, "Yellow", "Any colour");
    EXPECT_EQ(dialog.RowCount(), 1);
    EXPECT_EQ(dialog.RowName(0), "Any colour");
    EXPECT_FALSE(dialog.OKEnabled());
    EXPECT_TRUE(dialog.OnDoubleClick(0));
    EXPECT_EQ(dialog.Result(), "");
}

}  // namespace
}  // namespace lumar
