// The overview of a binder as merge data leaves it, and the rule that a
// page pair is changed only once.

#include "merge/merge_overview.h"

#include <gtest/gtest.h>

#include "merge/merge_data_parser.h"
#include "service/ws_records.h"

namespace lumar {
namespace {

// Three binders of five pairs, a supplement of four pairs; the editor's parse.
std::vector<MergeCommand> Parse(const std::string& text) {
    static const std::vector<BinderDocRecord> binders = {
        {1, 1, 1, 10, "a", "", "", 0, true, 0},
        {2, 1, 2, 10, "b", "", "", 0, true, 0},
        {3, 1, 3, 10, "c", "", "", 0, true, 0},
    };
    static const std::vector<ColourRecord> colours = {{1, "Blue", 0, 0, 255}};
    MergeDataInputs inputs{3, binders, 8, 0, &colours};
    MergeDataParse parse = ParseMergeData(text, MergeDataContext::Editor, inputs);
    EXPECT_TRUE(parse.success) << text << parse.errorText << parse.alertText;
    return parse.commands;
}

std::vector<std::string> Markers(const Overview& overview, std::int32_t binder) {
    std::vector<std::string> markers;
    for (std::size_t r = 1; r < overview.rows.size(); ++r) {
        markers.push_back(RowMarker(overview.rows[r], binder));
    }
    return markers;
}

struct OverviewCase {
    const char* text;
    std::int32_t binder;
    std::vector<std::string> markers;
    std::int32_t pages;
};

class OverviewRows : public ::testing::TestWithParam<OverviewCase> {};

TEST_P(OverviewRows, MarkRowsAndCountPages) {
    const OverviewCase& c = GetParam();
    const std::vector<MergeCommand> commands = Parse(c.text);
    const std::int32_t pairs = c.binder <= 3 ? 5 : 0;
    const Overview overview = BuildOverview(commands, c.binder, pairs, 3);
    EXPECT_FALSE(overview.pairsReused);
    EXPECT_EQ(Markers(overview, c.binder), c.markers);
    EXPECT_EQ(PagesAfterMerge(overview), c.pages);
    EXPECT_FALSE(
        PairsReusedAnywhere(commands, 3, 4, [](std::int32_t b) { return b <= 3 ? 5 : 0; }));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OverviewRows,
    ::testing::Values(
        OverviewCase{"(2)binder\r\n(2,1,2)Replace\r\n(1,3,3)Insert\r\n(5,5)Delete\r\n",
                     2,
                     {"", "Inserted(3)", "Replaced(1)", "Replaced(2)", "", "Deleted(5)"},
                     10},
        // Insertions at one place follow one another in the order given.
        OverviewCase{"(2)binder\r\n(1,1,1)Insert\r\n(1,2,2)Insert\r\n",
                     2,
                     {"", "Inserted(1)", "Inserted(2)", "", "", "", ""},
                     14},
        OverviewCase{"(2)binder\r\n(0,1,1)Insert\r\n(0,2,3)Insert\r\n",
                     2,
                     {"Inserted(1)", "Inserted(2)", "Inserted(3)", "", "", "", "", ""},
                     16},
        // Stored in binder 1, restored after a replaced pair of binder 2.
        OverviewCase{"(1)binder\r\n(4,5)Store\r\n\r\n(2)binder\r\n(1,1,1)Replace\r\n(1)Restore\r\n",
                     2,
                     {"Replaced(1)", "Restored(4-B1)", "Restored(5-B1)", "", "", "", ""},
                     14},
        OverviewCase{"(1)binder\r\n(4,5)Store\r\n\r\n(2)binder\r\n(1)Restore\r\n",
                     1,
                     {"", "", "", "Stored(4)", "Stored(5)"},
                     6},
        // Into a new binder: extracted at its end, then restored after its first row.
        OverviewCase{"(1)binder\r\n()Create\r\n(1,2)Extract\r\n(3,3)Store\r\n\r\n(4)binder\r\n"
                     "(1)Restore\r\n",
                     4,
                     {"Restored(1-B1)", "Restored(3-B1)", "Restored(2-B1)"},
                     6}));

struct ReuseCase {
    const char* name;
    const char* text;
};

class ReusedPairs : public ::testing::TestWithParam<ReuseCase> {};

TEST_P(ReusedPairs, AreFound) {
    const std::vector<MergeCommand> commands = Parse(GetParam().text);
    EXPECT_TRUE(PairsReusedAnywhere(commands, 3, 3, [](std::int32_t b) { return b <= 3 ? 5 : 0; }));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReusedPairs,
    ::testing::Values(
        ReuseCase{"SupplementPairTwice",
                  "(1)binder\r\n(1,1,2)Insert\r\n\r\n(3)binder\r\n(2,2,3)Replace\r\n"},
        ReuseCase{"ReplaceOfDeletedPair", "(2)binder\r\n(3,3)Delete\r\n(3,1,1)Replace\r\n"},
        ReuseCase{"InsertAfterStoredPair",
                  "(2)binder\r\n(3,3)Store\r\n(3,1,1)Insert\r\n(1)Restore\r\n"},
        ReuseCase{"DeletedTwice", "(2)binder\r\n(2,3)Delete\r\n(3,4)Delete\r\n"},
        ReuseCase{"PairBelowOne", "(2)binder\r\n(0,0)Delete\r\n"}),
    [](const ::testing::TestParamInfo<ReuseCase>& info) { return info.param.name; });

// Merge data the editor would not write: pairs put after a pair that is
// gone stand where it stood, and count in the binder's pages (as the merge
// puts them there), though the rule still finds the position unusable.
TEST(OverviewOfStoredMergeData, PairsPutAfterAPairThatIsGoneStandWhereItStood) {
    const Overview overview = BuildOverview(
        Parse("(2)binder\r\n(2,2)Delete\r\n(2,1,1)Insert\r\n(4,4)Store\r\n(4)Restore\r\n"), 2, 5,
        3);
    EXPECT_TRUE(overview.pairsReused);
    EXPECT_EQ(Markers(overview, 2), (std::vector<std::string>{"", "Deleted(2)", "Inserted(1)", "",
                                                              "Stored(4)", "Restored(4)", ""}));
    EXPECT_EQ(PagesAfterMerge(overview), 10);
}

TEST(OverviewMarks, TabsheetAndColourReachTheRowsOfTheirPairs) {
    const std::vector<MergeCommand> commands =
        Parse("(3)binder\r\n(2,3,1)SetTabsheet\r\n(3,3,)SetColour\r\n(1,1,blue)SetColour\r\n");
    const Overview overview = BuildOverview(commands, 3, 5, 3);
    EXPECT_EQ(overview.rows[2].tabsheet, true);
    EXPECT_EQ(overview.rows[3].colour, "[[#NOCOLOUR#]]");
    EXPECT_EQ(overview.rows[1].colour, "blue");
    EXPECT_EQ(overview.rows[4].tabsheet, std::nullopt);
    EXPECT_EQ(PositionOfRow(overview, 2, false), 2);
}

}  // namespace
}  // namespace lumar
