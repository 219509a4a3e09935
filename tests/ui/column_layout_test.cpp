// Column layouts: the defaults and their stored texts, parsing what a user
// or an older version stored, capturing the header, the chooser, sorting
// clicks.

#include "ui/column_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/settings_store.h"
#include "platform/settings/temp_settings.h"

namespace lumar {
namespace {

TEST(ColumnLayout, DefaultsAreStoredWithTheSentinel) {
    lumar::testing::TempSettings settings;
    ASSERT_TRUE(SaveColumnLayout(DefaultPublicationLayout(), kPublicationLayoutDialog));
    ASSERT_TRUE(SaveColumnLayout(DefaultDocumentLayout(), kDocumentLayoutDialog));

    std::string order;
    std::string widths;
    ASSERT_TRUE(ReadTextSetting("Dialogs\\ManagerDlg", "ListColOrder", order));
    ASSERT_TRUE(ReadTextSetting("Dialogs\\ManagerDlg", "ListColWidths", widths));
    EXPECT_EQ(order, "7,22,9,27,25,14,32,36,39,40");
    EXPECT_EQ(widths, "-1,-1,-1,-1,-1,-1,-1,-1,-1,-1");
    ASSERT_TRUE(ReadTextSetting("Dialogs\\DocumentDetailsDlg", "ListColOrder", order));
    EXPECT_EQ(order, "2,3,6,7,8,4,5,10");
}

struct OrderCase {
    const char* name;
    ColumnSetId set;
    const char* stored;
    std::vector<int> shown;
};

class ParseOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(ParseOrder, UsesTheEntriesUpToTheFirstBadOne) {
    const OrderCase& c = GetParam();
    ColumnLayout layout =
        c.set == ColumnSetId::Publications ? DefaultPublicationLayout() : DefaultDocumentLayout();
    ParseColumnOrder(c.stored, layout);
    EXPECT_EQ(layout.Shown(), c.shown);
    // Whatever was read, the text written back reads the same.
    ColumnLayout again(layout.setSize);
    ParseColumnOrder(ColumnOrderText(layout), again);
    EXPECT_EQ(again.Shown(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, ParseOrder,
    ::testing::Values(
        OrderCase{"UnknownColumnEndsTheList", ColumnSetId::Publications, "0,41,2", {0}},
        OrderCase{"AllColumnsRemoved", ColumnSetId::Publications, "40", {}},
        OrderCase{"Empty", ColumnSetId::Publications, "", {}},
        OrderCase{"EmptyEntryEndsTheList", ColumnSetId::Publications, "7,,9", {7}},
        OrderCase{"NegativeEndsTheList", ColumnSetId::Publications, "3,-1,4", {3}},
        OrderCase{"LeadingDigitsCount", ColumnSetId::Publications, "3x,5 ,12", {3, 5, 12}},
        OrderCase{"NoDigitsMeanZero", ColumnSetId::Publications, "abc,1", {0, 1}},
        OrderCase{"HugeNumberEndsTheList", ColumnSetId::Publications, "1,99999999999999,2", {1}},
        OrderCase{"RepeatedColumnEndsTheList", ColumnSetId::Publications, "3,4,3,5", {3, 4}},
        OrderCase{"DocumentSetEndsAtTen", ColumnSetId::Documents, "2,9,10,1", {2, 9}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ColumnLayout, AnOrderListingEveryColumnManyTimesStaysInItsRoom) {
    std::string stored;
    for (int round = 0; round < 3; ++round) {
        for (int index = 0; index < kPublicationSetSize; ++index) {
            stored += std::to_string(index) + ",";
        }
    }
    ColumnLayout layout = DefaultPublicationLayout();
    ParseColumnOrder(stored, layout);
    EXPECT_EQ(layout.Shown().size(), 40U);
    EXPECT_EQ(layout.order.size(), 41U);
    EXPECT_EQ(layout.order.back(), 40);
}

struct WidthsCase {
    const char* name;
    const char* stored;
    std::vector<int> widths;  // of the three shown positions and the sentinel's
};

class ParseWidths : public ::testing::TestWithParam<WidthsCase> {};

TEST_P(ParseWidths, FillsTheShownPositions) {
    ColumnLayout layout(kPublicationSetSize);
    const int shown[] = {7, 22, 9};
    layout.SetShown(shown);
    layout.widths.assign(layout.widths.size(), 555);  // what an earlier opening left
    ParseColumnWidths(GetParam().stored, layout);
    EXPECT_EQ(std::vector<int>(layout.widths.begin(), layout.widths.begin() + 4),
              GetParam().widths);
    EXPECT_EQ(layout.widths.back(), kRuleWidth);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, ParseWidths,
    ::testing::Values(WidthsCase{"All", "100,0,50,77", {100, 0, 50, -1}},
                      WidthsCase{"MoreThanShown", "1,2,3,4,5,6", {1, 2, 3, -1}},
                      WidthsCase{"NegativeStops", "100,-1,50", {100, -1, -1, -1}},
                      WidthsCase{"EmptyStops", "100,,50", {100, -1, -1, -1}},
                      WidthsCase{"Nothing", "", {-1, -1, -1, -1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ColumnLayout, LoadsWhatWasSavedAndKeepsTheLayoutWhenNothingIsStored) {
    lumar::testing::TempSettings settings;
    ColumnLayout layout = DefaultPublicationLayout();
    EXPECT_FALSE(LoadColumnLayout(layout, "ManagerDlg"));
    EXPECT_EQ(layout.Shown(), DefaultPublicationLayout().Shown());

    ASSERT_TRUE(WriteTextSetting("Dialogs\\ManagerDlg", "ListColOrder", "0,39,2,40"));
    ASSERT_TRUE(WriteTextSetting("Dialogs\\ManagerDlg", "ListColWidths", "80,120,60,-1"));
    ASSERT_TRUE(LoadColumnLayout(layout, "ManagerDlg"));
    EXPECT_EQ(layout.Shown(), (std::vector<int>{0, 39, 2}));
    EXPECT_EQ(ColumnWidthsText(layout), "80,120,60,-1");
}

TEST(ColumnLayout, CaptureTakesTheHeadersOrderAndWidths) {
    ColumnLayout layout = DefaultDocumentLayout();  // 2, 3, 6, 7, 8, 4, 5
    // The user dragged list column 4 ("PDF OK", set 8) to the front and
    // resized everything.
    const int columnAtPosition[] = {4, 0, 1, 2, 3, 5, 6};
    const int widths[] = {40, 70, 50, 60, 90, 200, 30};
    CaptureHeader(layout, columnAtPosition, widths);
    EXPECT_EQ(ColumnOrderText(layout), "8,2,3,6,7,4,5,10");
    EXPECT_EQ(ColumnWidthsText(layout), "40,70,50,60,90,200,30,-1");
}

TEST(ColumnLayout, WidthsOnceFilled) {
    ColumnLayout layout = DefaultPublicationLayout();  // 7, 22, 9 ("Description"), 27, ...
    ParseColumnWidths("90,0,500", layout);
    EXPECT_EQ(ColumnWidth(layout, ColumnSetId::Publications, 0, 900), 90);
    EXPECT_EQ(ColumnWidth(layout, ColumnSetId::Publications, 1, 900), 0);
    EXPECT_EQ(ColumnWidth(layout, ColumnSetId::Publications, 2, 900), 300);
    EXPECT_EQ(ColumnWidth(layout, ColumnSetId::Publications, 3, 900), kFitTitleAndCells);
    EXPECT_EQ(ColumnWidth(layout, ColumnSetId::Publications, 4, 900), kFitCells);
    EXPECT_EQ(ColumnWidth(layout, ColumnSetId::Publications, 9, 900), kFitCells);
}

TEST(ColumnLayout, ToggleHidesAndAppends) {
    ColumnLayout layout = DefaultDocumentLayout();
    const int columnAtPosition[] = {0, 1, 2, 3, 4, 5, 6};
    const int widths[] = {10, 20, 30, 40, 50, 60, 70};
    CaptureHeader(layout, columnAtPosition, widths);

    ToggleColumn(layout, 6);  // shown at position 2: the rest move up with their widths
    EXPECT_EQ(ColumnOrderText(layout), "2,3,7,8,4,5,10");
    EXPECT_EQ(ColumnWidthsText(layout), "10,20,40,50,60,70,-1");
    ToggleColumn(layout, 0);  // hidden: appended with its rule width
    EXPECT_EQ(ColumnOrderText(layout), "2,3,7,8,4,5,0,10");
    EXPECT_EQ(ColumnWidthsText(layout), "10,20,40,50,60,70,-1,-1");

    for (int index : layout.Shown()) {
        ToggleColumn(layout, index);
    }
    EXPECT_EQ(ColumnOrderText(layout), "10");
    EXPECT_TRUE(layout.Shown().empty());
}

TEST(ColumnLayout, ClickingHeadersSorts) {
    ColumnLayout layout = DefaultPublicationLayout();
    ClickHeader(layout, 2);
    EXPECT_EQ(layout.sortColumn, 2);
    EXPECT_TRUE(layout.ascending);
    ClickHeader(layout, 2);
    EXPECT_FALSE(layout.ascending);
    ClickHeader(layout, 0);
    EXPECT_EQ(layout.sortColumn, 0);
    EXPECT_TRUE(layout.ascending);
    EXPECT_EQ(layout.SetIndexOfColumn(0), 7);
    EXPECT_EQ(FirstColumnShowing(DefaultDocumentLayout(), 2), 0);
    EXPECT_EQ(FirstColumnShowing(DefaultDocumentLayout(), 0), -1);
}

}  // namespace
}  // namespace lumar
