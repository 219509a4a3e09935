// The executor's pure parts: the names binders are written under and the
// shift of pair numbers by earlier commands.

#include "merge/merge_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "merge/merge_data_parser.h"
#include "merge/merge_state.h"
#include "service/ws_records.h"

namespace lumar {
namespace {

struct NameCase {
    std::string fileName;
    int binder;
    long done;
    long next;
    std::string newName;
    std::string temporaryName;
};

class MergeNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(MergeNames, NewAndTemporaryName) {
    const NameCase& c = GetParam();
    const BinderNames names = MergeBinderNames(c.fileName, c.binder, c.done, c.next);
    EXPECT_EQ(names.newName, c.newName);
    EXPECT_EQ(names.temporaryName, c.temporaryName);
}

INSTANTIATE_TEST_SUITE_P(
    Binders, MergeNames,
    ::testing::Values(
        NameCase{"prefix1H0012.pdf", 1, 12, 13, "prefix1H0013.pdf", "prefix1H0012_1H13.pdf"},
        NameCase{"prefix1h0012.PDF", 1, 12, 13, "prefix1H0013.pdf", "prefix1h0012_1H13.pdf"},
        NameCase{"a1H9.pdf", 1, 9, 10, "a1H10.pdf", "a1H9_1H10.pdf"},       // width 1 grows
        NameCase{"a1H009.pdf", 1, 9, 10, "a1H010.pdf", "a1H009_1H10.pdf"},  // width 3 kept
        NameCase{"aZH0012.pdf", 35, 12, 13, "aZH0013.pdf", "aZH0012_ZH13.pdf"},
        // Neither the done number nor next - 1: only the temporary name.
        NameCase{"odd.pdf", 2, 12, 13, "", "odd_2H13.pdf"},
        // The done number does not match, next - 1 does.
        NameCase{"pub2H0012.pdf", 2, 0, 13, "pub2H0013.pdf", "pub2H0012_2H13.pdf"},
        // Width 5, the widest a supplement number is written, is kept.
        NameCase{"Five1H00012.pdf", 1, 12, 13, "Five1H00013.pdf", "Five1H00012_1H13.pdf"},
        NameCase{"pub2H00012.pdf", 2, 0, 13, "pub2H00013.pdf", "pub2H00012_2H13.pdf"},
        // Width 6 is beyond the search.
        NameCase{"pub2H000012.pdf", 2, 12, 13, "", "pub2H000012_2H13.pdf"},
        // Another binder's character does not match.
        NameCase{"pub3H0012.pdf", 2, 12, 13, "", "pub3H0012_2H13.pdf"},
        // Equal numbers: the new name is the file's own name.
        NameCase{"pub2H0012.pdf", 2, 12, 12, "pub2H0012.pdf", "pub2H0012_2H12.pdf"}));

TEST(CreateNames, TakeTheWorkingBindersEndingWithTheNewCharacter) {
    const BinderNames names = CreateBinderNames("pub3H0012.pdf", 3, 4, 12, 13);
    EXPECT_EQ(names.newName, "pub4H0013.pdf");
    EXPECT_EQ(names.temporaryName, "pub3H0012_4H13.pdf");
    EXPECT_EQ(CreateBinderNames("odd.pdf", 3, 10, 12, 13).newName, "");
    EXPECT_EQ(CreateBinderNames("odd.pdf", 3, 10, 12, 13).temporaryName, "odd_AH13.pdf");
}

TEST(DocumentFileNames, OnlyPlainNamesAreSafe) {
    EXPECT_TRUE(IsSafeDocumentFileName("pub1H0012.pdf"));
    for (const char* name : {"", "../pub1H0012.pdf", "a/b.pdf", "a\\b.pdf", "..", "x..pdf"}) {
        EXPECT_FALSE(IsSafeDocumentFileName(name)) << name;
    }
}

struct ShiftCase {
    std::string text;  // merge data of a publication of three binders of 9 pairs
    std::size_t index;
    std::int64_t pair;
    std::int64_t shifted;
};

class ShiftPairs : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(ShiftPairs, CountsEarlierCommandsOfTheBinder) {
    const ShiftCase& c = GetParam();
    std::vector<BinderDocRecord> records(3);
    for (int i = 0; i < 3; ++i) {
        records[i].Binder_number = i + 1;
        records[i].Page_count = 18;
    }
    const MergeDataParse parse =
        ParseMergeData(c.text, MergeDataContext::ExecutorUpdate, {3, records, 18, 0, nullptr});
    ASSERT_TRUE(parse.success) << parse.alertText << parse.errorText;
    EXPECT_EQ(ShiftPair(parse.commands, 2, 3, c.pair, c.index), c.shifted);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ShiftPairs,
    ::testing::Values(
        ShiftCase{"(2)binder\r\n(2,3)delete\r\n(5,5)delete", 2, 5, 3},
        ShiftCase{"(2)binder\r\n(2,3)delete\r\n(5,5)delete", 1, 5, 5},  // not yet run
        ShiftCase{"(2)binder\r\n(3,1,2)insert\r\n(5,5)delete", 2, 5, 7},
        ShiftCase{"(2)binder\r\n(3,1,2)insert\r\n(3,3)delete", 2, 3, 3},  // after pair 3
        ShiftCase{"(2)binder\r\n(0,1,2)insert\r\n(1,1)delete", 2, 1, 3},
        // Positions compare in the numbering before the merge: the insert
        // after pair 3 comes before pair 4 although pair 4 is pair 3 once
        // pair 1 is gone.
        ShiftCase{"(2)binder\r\n(1,1)delete\r\n(3,1,1)insert\r\n(4,4)delete", 3, 4, 4},
        ShiftCase{"(2)binder\r\n(1,2)store\r\n(6)restore\r\n(7,7)delete", 3, 7, 7},
        ShiftCase{"(2)binder\r\n(1,2)store\r\n(6)restore\r\n(5,5)delete", 3, 5, 3},
        // Commands of another binder change nothing.
        ShiftCase{"(3)binder\r\n(1,2)delete\r\n(2)binder\r\n(5,5)delete", 3, 5, 5}));

TEST(ShiftPair, NewBinderKeepsItsNumbers) {
    std::vector<MergeCommand> commands(1);
    commands[0].kind = CommandKind::Delete;
    commands[0].sourceBinder = 4;
    commands[0].sourcePosition = 1;
    commands[0].first = commands[0].last = 1;
    EXPECT_EQ(ShiftPair(commands, 4, 3, 3, 1), 3);
    EXPECT_EQ(ShiftPair(commands, 4, 4, 3, 1), 2);
}

}  // namespace
}  // namespace lumar
