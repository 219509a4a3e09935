#include "merge/merge_data_parser.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "merge/merge_data_line.h"
#include "service/ws_records.h"

namespace lumar {
namespace {

using Context = MergeDataContext;

BinderDocRecord Binder(std::int32_t number, std::int32_t pageCount) {
    BinderDocRecord record;
    record.BinderDoc_ID = 100 + number;
    record.Binder_number = number;
    record.Page_count = pageCount;
    return record;
}

// A publication of four binders with 5, 3, 4 and 2 page pairs and a
// supplement of 6 pairs; colours Red and Light Blue.
struct Publication {
    std::vector<BinderDocRecord> binders{Binder(1, 10), Binder(2, 6), Binder(3, 8), Binder(4, 4)};
    std::vector<ColourRecord> colours{{1, "Red", 255, 0, 0}, {2, "Light Blue", 0, 128, 255}};

    MergeDataInputs inputs(std::int32_t shownBinder = 0) const {
        MergeDataInputs in;
        in.binderCount = 4;
        in.binderDocuments = binders;
        in.supplementPageCount = 12;
        in.shownBinder = shownBinder;
        in.colours = &colours;
        return in;
    }
};

struct ParseCase {
    const char* name;
    Context context;
    std::string text;
    std::string alert;  // parameter message; empty when none
    std::string error;  // error text; empty when none
    std::int32_t shownBinder = 1;
};

std::string ParseCaseName(const testing::TestParamInfo<ParseCase>& info) {
    return info.param.name;
}

class ParseOutcomeTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseOutcomeTest, SucceedsOrReportsItsMessage) {
    const ParseCase& c = GetParam();
    const Publication publication;
    const MergeDataParse parse =
        ParseMergeData(c.text, c.context, publication.inputs(c.shownBinder));
    EXPECT_EQ(parse.alertText, c.alert);
    EXPECT_EQ(parse.errorText, c.error);
    EXPECT_EQ(parse.success, c.alert.empty() && c.error.empty());
}

const std::string kLongLine = "(1,2)delete" + std::string(kMaxLineLength - 12, ' ') + "x";

INSTANTIATE_TEST_SUITE_P(
    Keywords, ParseOutcomeTest,
    testing::Values(
        ParseCase{"LowerCase", Context::Editor, "(1)binder\r\n(1,2)delete", "", ""},
        ParseCase{"MixedCase", Context::Editor, "(1)BINDER\r\n(1,2)Delete", "", ""},
        ParseCase{"UpperCase", Context::Editor, "(1)binder\r\n(1,2)DELETE", "", ""},
        ParseCase{"BlankBeforeKeyword", Context::Editor, "(1)binder\r\n(1,2) delete", "",
                  "Unknown command encountered."},
        ParseCase{"KeywordPrefixOfWord", Context::Editor, "(1)binder\r\n(1,2)deleted", "", ""},
        ParseCase{"TextAroundIgnored", Context::Editor, "(1)binder\r\nx(1,2)delete y", "", ""},
        ParseCase{"UnknownKeyword", Context::Editor, "(1)binder\r\n(1,2)remove", "",
                  "Unknown command encountered."},
        ParseCase{"NoOpeningParenthesis", Context::Editor, "(1)binder\r\n1,2)delete", "",
                  "Parse error."},
        ParseCase{"NoClosingParenthesis", Context::Editor, "(1)binder\r\n(1,2 delete", "",
                  "Parse error."},
        ParseCase{"ClosingBeforeOpening", Context::Editor, "(1)binder\r\n)x(1,2)delete", "",
                  "Parse error."},
        ParseCase{"LongestLine", Context::Editor, "(1)binder\r\n" + kLongLine, "", ""},
        ParseCase{"LineTooLong", Context::Editor, "(1)binder\r\n" + kLongLine + "x", "",
                  "Parse error."},
        ParseCase{"LongestBinderArgument", Context::Editor, "(" + std::string(23, '0') + "1)binder",
                  "", ""},
        ParseCase{"BinderArgumentTooLong", Context::Editor, "(" + std::string(24, '0') + "1)binder",
                  "", "Parse error."},
        ParseCase{"BlankLinesOnly", Context::Editor, "\r\n \r\n\t", "", ""}),
    ParseCaseName);

INSTANTIATE_TEST_SUITE_P(
    BinderLines, ParseOutcomeTest,
    testing::Values(
        ParseCase{"ZeroInMergeData", Context::ExecutorMerge, "(0)binder", "Invalid binder number.",
                  ""},
        ParseCase{"ZeroInUpdateData", Context::ExecutorUpdate, "(0)binder\r\n(1,6,1)settabsheet",
                  "", ""},
        ParseCase{"OtherBinderInSupplementMode", Context::ExecutorUpdate, "(0)binder\r\n(2)binder",
                  "Invalid binder number.", ""},
        ParseCase{"SupplementModeForWholeText", Context::ExecutorUpdate,
                  "(2)binder\r\n(1,1,1)settabsheet\r\n(0)binder", "Invalid binder number.", ""},
        ParseCase{"ZeroInEditor", Context::Editor, "(0)binder", "Invalid binder number.", ""},
        ParseCase{"ZeroInDialogShowingSupplement", Context::AnnotationsDialog,
                  "(0)binder\r\n(5,6,0)settabsheet", "", "", 0},
        ParseCase{"ZeroInDialogShowingBinder", Context::AnnotationsDialog, "(0)binder",
                  "Invalid binder number.", "", 1},
        ParseCase{"BinderInDialogShowingSupplement", Context::AnnotationsDialog, "(1)binder",
                  "Invalid binder number.", "", 0},
        ParseCase{"LastBinderInDialog", Context::AnnotationsDialog, "(4)binder", "", "", 4},
        ParseCase{"Binder36InMergeData", Context::ExecutorMerge, "(36)binder",
                  "Invalid binder number.", ""},
        ParseCase{"Binder36InUpdateData", Context::ExecutorUpdate, "(36)binder",
                  "Invalid binder number.", ""},
        ParseCase{"Binder36InEditor", Context::Editor, "(36)binder", "Invalid binder number.", ""},
        ParseCase{"Binder36InDialog", Context::AnnotationsDialog, "(36)binder",
                  "Invalid binder number.", ""},
        ParseCase{"NewBinderWithoutCreate", Context::Editor, "(5)binder", "Invalid binder number.",
                  ""},
        ParseCase{"NewBinderAfterCreate", Context::Editor, "(1)binder\r\n()create\r\n(5)binder", "",
                  ""},
        ParseCase{"NewBinderInMergeData", Context::ExecutorMerge,
                  "(1)binder\r\n()create\r\n(5)binder", "", ""},
        ParseCase{"SecondNewBinderAfterOneCreate", Context::Editor,
                  "(1)binder\r\n()create\r\n(6)binder", "Invalid binder number.", ""},
        ParseCase{"SecondNewBinderAfterTwoCreates", Context::Editor,
                  "(1)binder\r\n()create\r\n()create\r\n(6)binder", "", ""},
        ParseCase{"NewBinderInDialog", Context::AnnotationsDialog, "(5)binder",
                  "Invalid binder number.", ""},
        ParseCase{"NegativeBinder", Context::Editor, "(-1)binder", "Invalid binder number.", ""},
        ParseCase{"EmptyBinderArgument", Context::Editor, "()binder", "Invalid binder number.",
                  ""}),
    ParseCaseName);

INSTANTIATE_TEST_SUITE_P(
    CommandsPerContext, ParseOutcomeTest,
    testing::Values(ParseCase{"DeleteInSupplementMode", Context::ExecutorUpdate,
                              "(0)binder\r\n(1,2)delete", "", "Unknown command encountered."},
                    ParseCase{"ColourInSupplementMode", Context::ExecutorUpdate,
                              "(0)binder\r\n(1,6,red)setcolour", "", ""},
                    ParseCase{"DeleteInBinderUpdateData", Context::ExecutorUpdate,
                              "(1)binder\r\n(1,2)delete", "", ""},
                    ParseCase{"DeleteInDialog", Context::AnnotationsDialog,
                              "(1)binder\r\n(1,2)delete", "", "Unknown command encountered."},
                    ParseCase{"CreateInDialog", Context::AnnotationsDialog, "(1)binder\r\n()create",
                              "", "Unknown command encountered."},
                    ParseCase{"TabsheetInDialog", Context::AnnotationsDialog,
                              "(1)binder\r\n(1,5,1)settabsheet", "", ""},
                    ParseCase{"PairsOfOtherBinderInDialog", Context::AnnotationsDialog,
                              "(2)binder\r\n(1,4,1)settabsheet",
                              "Invalid ToggleTabsheet parameters.", "", 2},
                    ParseCase{"SupplementPairsInDialog", Context::AnnotationsDialog,
                              "(0)binder\r\n(1,7,1)settabsheet",
                              "Invalid ToggleTabsheet parameters.", "", 0},
                    ParseCase{"CommandBeforeBinderLine", Context::Editor, "(1,1)delete",
                              "Invalid Delete parameters.", ""},
                    ParseCase{"CreateFirst", Context::Editor, "()create", "",
                              "Create cannot be first command."},
                    ParseCase{"CreateBeyond35Binders", Context::Editor,
                              "(1)binder\r\n" +
                                  [] {
                                      std::string creates;
                                      for (int i = 5; i <= 36; ++i)
                                          creates += "()create\r\n";
                                      return creates;
                                  }(),
                              "Invalid binder number.", ""}),
    ParseCaseName);

INSTANTIATE_TEST_SUITE_P(
    StoreRestore, ParseOutcomeTest,
    testing::Values(
        ParseCase{"RestoreWithoutStore", Context::Editor, "(1)binder\r\n(2)restore", "",
                  "Restore in EI without Store."},
        ParseCase{"SecondStoreBeforeRestore", Context::Editor,
                  "(1)binder\r\n(1,2)store\r\n(3,4)store", "",
                  "Store/Restore operations out of sync."},
        ParseCase{"StoreNeverRestoredInMergeData", Context::ExecutorMerge,
                  "(1)binder\r\n(1,2)store", "", "Store in EI without Restore."},
        ParseCase{"StoreNeverRestoredInUpdateData", Context::ExecutorUpdate,
                  "(1)binder\r\n(1,2)store", "", "Store in EI without Restore."},
        ParseCase{"StoreNeverRestoredInEditor", Context::Editor, "(1)binder\r\n(1,2)store", "", ""},
        ParseCase{"StoreInDialog", Context::AnnotationsDialog, "(1)binder\r\n(1,2)store", "",
                  "Unknown command encountered."},
        ParseCase{"StoreRestoreStore", Context::ExecutorMerge,
                  "(1)binder\r\n(1,2)store\r\n(2)binder\r\n(3)restore\r\n(1,1)store\r\n(0)restore",
                  "", ""},
        ParseCase{"RestoreBeyondBinder", Context::Editor,
                  "(1)binder\r\n(1,2)store\r\n(2)binder\r\n(4)restore",
                  "Invalid Restore parameters.", ""},
        ParseCase{"ExtractWithoutCreate", Context::Editor, "(1)binder\r\n(1,2)extract", "",
                  "Extract in EI without Create."}),
    ParseCaseName);

INSTANTIATE_TEST_SUITE_P(
    Parameters, ParseOutcomeTest,
    testing::Values(
        ParseCase{"DeleteReversed", Context::Editor, "(1)binder\r\n(2,1)delete",
                  "Invalid Delete parameters.", ""},
        ParseCase{"DeleteBeyondBinder", Context::Editor, "(2)binder\r\n(1,4)delete",
                  "Invalid Delete parameters.", ""},
        ParseCase{"DeleteWholeBinder", Context::Editor, "(2)binder\r\n(1,3)delete", "", ""},
        ParseCase{"DeleteBelowFirstPair", Context::Editor, "(2)binder\r\n(-3,0)delete", "", ""},
        ParseCase{"DeleteOneArgument", Context::Editor, "(1)binder\r\n(1)delete",
                  "Not all parameters specified for Delete.", ""},
        ParseCase{"InsertTwoArguments", Context::Editor, "(1)binder\r\n(1,2)insert",
                  "Not all parameters specified for Insert.", ""},
        ParseCase{"InsertAtFront", Context::Editor, "(4)binder\r\n(0,1,6)insert", "", ""},
        ParseCase{"InsertAfterLastPair", Context::Editor, "(4)binder\r\n(2,1,1)insert", "", ""},
        ParseCase{"InsertBeyondBinder", Context::Editor, "(4)binder\r\n(3,1,1)insert",
                  "Invalid Insert parameters.", ""},
        ParseCase{"InsertBeyondSupplement", Context::Editor, "(4)binder\r\n(0,6,7)insert",
                  "Invalid Insert parameters.", ""},
        ParseCase{"ReplaceTwoArguments", Context::Editor, "(3)binder\r\n(1,2)replace",
                  "Not all parameters specified for Replace.", ""},
        ParseCase{"ReplaceThreeOfThree", Context::Editor, "(2)binder\r\n(3,1,2)replace",
                  "Invalid Replace parameters.", ""},
        ParseCase{"ReplaceLastTwoOfThree", Context::Editor, "(2)binder\r\n(2,1,2)replace", "", ""},
        ParseCase{"ReplaceBeyondSupplement", Context::Editor, "(1)binder\r\n(1,5,7)replace",
                  "Invalid Replace parameters.", ""},
        ParseCase{"StoreOneArgument", Context::Editor, "(1)binder\r\n(1)store",
                  "Not all parameters specified for Store.", ""},
        ParseCase{"StoreReversed", Context::Editor, "(1)binder\r\n(3,2)store",
                  "Invalid Store parameters.", ""},
        ParseCase{"ExtractOneArgument", Context::Editor, "(1)binder\r\n()create\r\n(1)extract",
                  "Not all parameters specified for Extract.", ""},
        ParseCase{"ExtractBeyondBinder", Context::Editor, "(1)binder\r\n()create\r\n(5,6)extract",
                  "Invalid Extract parameters.", ""},
        ParseCase{"TabsheetTwoArguments", Context::Editor, "(1)binder\r\n(1,2)settabsheet",
                  "Not all parameters specified for ToggleTabsheet.", ""},
        ParseCase{"TabsheetBeyondBinder", Context::Editor, "(1)binder\r\n(1,6,1)settabsheet",
                  "Invalid ToggleTabsheet parameters.", ""},
        ParseCase{"ColourTwoArguments", Context::Editor, "(1)binder\r\n(1,2)setcolour",
                  "Not all parameters specified for SetColour.", ""},
        ParseCase{"ColourEmpty", Context::Editor, "(1)binder\r\n(1,2,)setcolour", "", ""},
        ParseCase{"ColourWithBlank", Context::Editor, "(1)binder\r\n(1,2, red)setcolour",
                  "Unknown colour parameter.", ""},
        ParseCase{"ColourInCapitals", Context::Editor, "(1)binder\r\n(1,2,RED)setcolour", "", ""},
        ParseCase{"ColourWithInnerBlank", Context::Editor, "(1)binder\r\n(1,2,Light Blue)SetColour",
                  "", ""},
        ParseCase{"ColourUnknown", Context::Editor, "(1)binder\r\n(1,2,green)setcolour",
                  "Unknown colour parameter.", ""},
        ParseCase{"ColourBeyondBinder", Context::Editor, "(1)binder\r\n(1,6,red)setcolour",
                  "Invalid SetColour parameters.", ""}),
    ParseCaseName);

// --- The command records -------------------------------------------------

class ParseRecordsTest : public testing::Test {
protected:
    MergeDataParse parse(std::string_view text, Context context, std::int32_t shownBinder = 1) {
        return ParseMergeData(text, context, publication.inputs(shownBinder));
    }
    Publication publication;
};

TEST_F(ParseRecordsTest, OneRecordPerLineWithFieldsInPlace) {
    const MergeDataParse p = parse(
        "(2)Binder\r\n\r\n  (1,2)Delete  \r\n(0,1,3)Insert\r\n(1,4,5)Replace\r\n(2,3)Store\r\n"
        "(1)binder\r\n(5)Restore\r\n(2,3,1)SetTabsheet\r\n(4,5,Red)SetColour\r\n()Create\r\n"
        "(1,1)Extract",
        Context::Editor);
    ASSERT_TRUE(p.success) << p.errorText << p.alertText;
    ASSERT_EQ(p.commands.size(), 13U);

    const MergeCommand& empty = p.commands[0];  // the line the editor puts in front
    EXPECT_EQ(empty.kind, CommandKind::Empty);
    EXPECT_EQ(empty.sourceBinder, 0);

    const MergeCommand& binder = p.commands[1];
    EXPECT_EQ(binder.kind, CommandKind::Binder);
    EXPECT_EQ(binder.text, "(2)Binder");
    EXPECT_EQ(binder.sourceBinder, 2);
    EXPECT_EQ(binder.destinationBinder, 0);

    const MergeCommand& blank = p.commands[2];
    EXPECT_EQ(blank.kind, CommandKind::Empty);
    EXPECT_EQ(blank.sourceBinder, 2);
    EXPECT_EQ(blank.destinationBinder, 2);

    const MergeCommand& del = p.commands[3];
    EXPECT_EQ(del.text, "(1,2)Delete");
    EXPECT_EQ(del.kind, CommandKind::Delete);
    EXPECT_EQ(del.first, 1);
    EXPECT_EQ(del.last, 2);
    EXPECT_EQ(del.sourcePosition, 1);
    EXPECT_EQ(del.sourceBinder, 2);
    EXPECT_EQ(del.destinationBinder, 0);

    const MergeCommand& insert = p.commands[4];
    EXPECT_EQ(insert.kind, CommandKind::Insert);
    EXPECT_EQ(insert.destinationPosition, 0);
    EXPECT_EQ(insert.first, 1);
    EXPECT_EQ(insert.last, 3);
    EXPECT_EQ(insert.sourceBinder, 0);
    EXPECT_EQ(insert.destinationBinder, 2);

    const MergeCommand& replace = p.commands[5];
    EXPECT_EQ(replace.kind, CommandKind::Replace);
    EXPECT_EQ(replace.sourcePosition, 1);
    EXPECT_EQ(replace.first, 4);
    EXPECT_EQ(replace.last, 5);
    EXPECT_EQ(replace.sourceBinder, 0);
    EXPECT_EQ(replace.destinationBinder, 2);

    // The Store learns its destination from the Restore in binder 1.
    const MergeCommand& store = p.commands[6];
    EXPECT_EQ(store.kind, CommandKind::Store);
    EXPECT_EQ(store.first, 2);
    EXPECT_EQ(store.last, 3);
    EXPECT_EQ(store.sourcePosition, 2);
    EXPECT_EQ(store.sourceBinder, 2);
    EXPECT_EQ(store.destinationBinder, 1);

    const MergeCommand& restore = p.commands[8];
    EXPECT_EQ(restore.kind, CommandKind::Restore);
    EXPECT_EQ(restore.destinationPosition, 5);
    EXPECT_EQ(restore.first, 2);
    EXPECT_EQ(restore.last, 3);
    EXPECT_EQ(restore.sourceBinder, 2);
    EXPECT_EQ(restore.destinationBinder, 1);

    const MergeCommand& tabsheet = p.commands[9];
    EXPECT_EQ(tabsheet.kind, CommandKind::SetTabsheet);
    EXPECT_EQ(tabsheet.first, 2);
    EXPECT_EQ(tabsheet.last, 3);
    EXPECT_TRUE(tabsheet.tabsheetOn);
    EXPECT_EQ(tabsheet.sourceBinder, 1);
    EXPECT_EQ(tabsheet.destinationBinder, 0);

    const MergeCommand& colour = p.commands[10];
    EXPECT_EQ(colour.kind, CommandKind::SetColour);
    EXPECT_EQ(colour.colour, "red");
    EXPECT_EQ(colour.sourcePosition, 4);

    const MergeCommand& create = p.commands[11];
    EXPECT_EQ(create.kind, CommandKind::Create);
    EXPECT_EQ(create.sourceBinder, 0);
    EXPECT_EQ(create.destinationBinder, 5);
    EXPECT_EQ(p.currentBinder, 1);  // Create does not change the current binder

    const MergeCommand& extract = p.commands[12];
    EXPECT_EQ(extract.kind, CommandKind::Extract);
    EXPECT_EQ(extract.sourceBinder, 1);
    EXPECT_EQ(extract.destinationBinder, 5);
    EXPECT_EQ(p.newBinderNumber, 5);
    EXPECT_EQ(p.newBinderPairCount, 1);
    EXPECT_EQ(p.stepTotal, 0);  // counted only for the executor
}

TEST_F(ParseRecordsTest, LineHoldingBinderAndDeleteIsABinderLine) {
    const MergeDataParse p = parse("(2)binder(1,3)delete", Context::Editor);
    ASSERT_TRUE(p.success);
    ASSERT_EQ(p.commands.size(), 2U);
    EXPECT_EQ(p.commands[1].kind, CommandKind::Binder);
    EXPECT_EQ(p.commands[1].sourceBinder, 2);
}

TEST_F(ParseRecordsTest, ColourArgumentsKeepInnerTextAndEmptyMeansNoColour) {
    const MergeDataParse p =
        parse("(1)binder\r\n(1,2,)setcolour\r\n(3,3,LIGHT BLUE)setcolour", Context::Editor);
    ASSERT_TRUE(p.success);
    EXPECT_EQ(p.commands[2].colour, "[[#NOCOLOUR#]]");
    EXPECT_EQ(p.commands[3].colour, "light blue");
    EXPECT_EQ(p.commands[3].text, "(3,3,LIGHT BLUE)setcolour");
}

TEST_F(ParseRecordsTest, TabsheetFlagIsAnyNonZeroNumber) {
    const MergeDataParse p =
        parse("(1)binder\r\n(1,1,0)settabsheet\r\n(1,1,-2)settabsheet\r\n(1,1,x)settabsheet",
              Context::Editor);
    ASSERT_TRUE(p.success);
    EXPECT_FALSE(p.commands[2].tabsheetOn);
    EXPECT_TRUE(p.commands[3].tabsheetOn);
    EXPECT_FALSE(p.commands[4].tabsheetOn);
}

TEST_F(ParseRecordsTest, FailureKeepsTheCommandsAcceptedSoFar) {
    const MergeDataParse p =
        parse("(1)binder\r\n(1,2)delete\r\n(9,9)delete\r\n(3,3)delete", Context::Editor);
    EXPECT_FALSE(p.success);
    ASSERT_EQ(p.commands.size(), 3U);
    EXPECT_EQ(p.commands[2].text, "(1,2)delete");
}

TEST_F(ParseRecordsTest, InvalidBinderClearsTheCurrentBinder) {
    const MergeDataParse p = parse("(2)binder\r\n(36)binder", Context::Editor);
    EXPECT_FALSE(p.success);
    EXPECT_EQ(p.currentBinder, 0);
}

TEST_F(ParseRecordsTest, LineEndsOfEveryKindSeparateLines) {
    const MergeDataParse p = parse("(1)binder\r(1,1)delete\n(2,2)delete\r\n", Context::Editor);
    ASSERT_TRUE(p.success);
    // The empty line in front, three commands; a final line end adds no line.
    ASSERT_EQ(p.commands.size(), 4U);
    EXPECT_EQ(p.commands[3].first, 2);
}

TEST_F(ParseRecordsTest, EditorAndDialogTextsAreParsedAsWritten) {
    EXPECT_EQ(parse("", Context::Editor).commands.size(), 1U);
    EXPECT_TRUE(parse("", Context::AnnotationsDialog).commands.empty());
    const MergeDataParse dialog =
        parse("(1)binder\r\n(1,2,1)SetTabsheet\r\n", Context::AnnotationsDialog);
    ASSERT_EQ(dialog.commands.size(), 2U);
    EXPECT_EQ(dialog.commands[0].kind, CommandKind::Binder);
}

TEST_F(ParseRecordsTest, PairsOfABinderComeFromItsLastRecord) {
    publication.binders.push_back(Binder(2, 20));
    EXPECT_TRUE(parse("(2)binder\r\n(1,10)delete", Context::Editor).success);
    EXPECT_FALSE(parse("(2)binder\r\n(1,11)delete", Context::Editor).success);
}

TEST_F(ParseRecordsTest, BinderWithoutRecordHasNoPairs) {
    publication.binders.erase(publication.binders.begin() + 2);  // binder 3
    EXPECT_TRUE(parse("(3)binder", Context::Editor).success);
    EXPECT_EQ(parse("(3)binder\r\n(1,1)delete", Context::Editor).alertText,
              "Invalid Delete parameters.");
}

TEST_F(ParseRecordsTest, NewBinderGrowsByExtractInsertAndRestore) {
    const std::string prefix =
        "(1)binder\r\n(1,1)store\r\n()create\r\n(2,3)extract\r\n(5)binder\r\n";
    MergeDataParse p =
        parse(prefix + "(2,1,1)insert\r\n(3)restore\r\n(4,4,1)settabsheet", Context::Editor);
    ASSERT_TRUE(p.success) << p.alertText << p.errorText;
    EXPECT_EQ(p.newBinderPairCount, 4);
    EXPECT_EQ(p.commands[2].destinationBinder, 5);  // the Store goes to the new binder

    p = parse(prefix + "(3,1,1)insert", Context::Editor);
    EXPECT_EQ(p.alertText, "Invalid Insert parameters.");

    // A second Create starts the next binder empty.
    p = parse(prefix + "()create\r\n(6)binder\r\n(1,1,1)settabsheet", Context::Editor);
    EXPECT_EQ(p.alertText, "Invalid ToggleTabsheet parameters.");
    EXPECT_EQ(p.newBinderNumber, 6);
}

TEST_F(ParseRecordsTest, InsertIntoAnExistingBinderDoesNotGrowTheNewOne) {
    const MergeDataParse p =
        parse("(1)binder\r\n()create\r\n(2,2)extract\r\n(1,1,3)insert", Context::Editor);
    ASSERT_TRUE(p.success);
    EXPECT_EQ(p.newBinderPairCount, 1);
}

TEST_F(ParseRecordsTest, SupplementModeIsSetByUpdateDataOnly) {
    EXPECT_TRUE(parse("(0)Binder\r\n(1,1,1)settabsheet", Context::ExecutorUpdate).supplementMode);
    EXPECT_FALSE(parse("(1)binder", Context::ExecutorUpdate).supplementMode);
    EXPECT_FALSE(parse("(0)binder", Context::AnnotationsDialog, 0).supplementMode);
    EXPECT_TRUE(IsSupplementUpdateData("x(0)BINDER"));
    EXPECT_FALSE(IsSupplementUpdateData("(00)binder"));
}

// --- The executor's additions ----------------------------------------------

struct AddedLinesCase {
    const char* name;
    std::string text;
    std::vector<std::int32_t> binderLines;  // binder numbers of the Binder records, in order
};

class ExecutorAddedLinesTest : public testing::TestWithParam<AddedLinesCase> {};

TEST_P(ExecutorAddedLinesTest, AppendsEveryBinderTheTextDoesNotName) {
    const Publication publication;
    const MergeDataParse p =
        ParseMergeData(GetParam().text, Context::ExecutorMerge, publication.inputs());
    ASSERT_TRUE(p.success) << p.alertText << p.errorText;
    std::vector<std::int32_t> binders;
    for (const MergeCommand& command : p.commands) {
        if (command.kind == CommandKind::Binder) {
            binders.push_back(command.sourceBinder);
        }
    }
    EXPECT_EQ(binders, GetParam().binderLines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExecutorAddedLinesTest,
    testing::Values(AddedLinesCase{"OnlyBinder2", "(2)binder\r\n(1,1)delete", {2, 1, 3, 4}},
                    AddedLinesCase{"EmptyText", "", {1, 2, 3, 4}},
                    AddedLinesCase{"AllNamed",
                                   "(4)binder\r\n(3)binder\r\n(1)binder\r\n(2)binder",
                                   {4, 3, 1, 2}},
                    AddedLinesCase{"NameInCapitals", "(3)BINDER", {3, 1, 2, 4}},
                    // The number counts, not the spelling: (01)binder names binder 1.
                    AddedLinesCase{"LeadingZero", "(01)binder\r\n(1,1)delete", {1, 2, 3, 4}},
                    // A binder line names only the binder in its own arguments.
                    AddedLinesCase{"SecondBinderTextOnLine", "(2)binder x(1)binder", {2, 1, 3, 4}}),
    [](const testing::TestParamInfo<AddedLinesCase>& info) { return info.param.name; });

TEST(ExecutorAddedLines, AppendedAfterALineEnd) {
    const Publication publication;
    MergeDataInputs inputs = publication.inputs();
    inputs.binderCount = 2;
    const MergeDataParse p = ParseMergeData("(2)binder\r\n", Context::ExecutorMerge, inputs);
    EXPECT_EQ(p.parsedText, "(2)binder\n\n(1)binder");
    ASSERT_EQ(p.commands.size(), 3U);
    EXPECT_EQ(p.commands[1].kind, CommandKind::Empty);
}

TEST(ExecutorAddedLines, TooManyBindersFailTheParse) {
    const Publication publication;
    MergeDataInputs inputs = publication.inputs();
    inputs.binderCount = 1'000'000;  // answered by a damaged service
    const MergeDataParse p = ParseMergeData("", Context::ExecutorMerge, inputs);
    EXPECT_EQ(p.alertText, "Invalid binder number.");
    EXPECT_EQ(p.commands.size(), 36U);  // the empty line and binders 1 to 35
}

// --- Step totals ------------------------------------------------------------

struct StepCase {
    const char* name;
    Context context;
    std::string text;
    std::int64_t steps;
};

class StepTotalTest : public testing::TestWithParam<StepCase> {};

TEST_P(StepTotalTest, CountsLinesAndPairs) {
    const Publication publication;
    const MergeDataParse p =
        ParseMergeData(GetParam().text, GetParam().context, publication.inputs());
    ASSERT_TRUE(p.success) << p.alertText << p.errorText;
    EXPECT_EQ(p.stepTotal, GetParam().steps);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StepTotalTest,
    testing::Values(
        // 4 binder lines (3 of them added) + Delete 1+2 + Replace 1+3; empty lines count nothing.
        StepCase{"MergeData", Context::ExecutorMerge,
                 "(1)binder\r\n(1,2)delete\r\n\r\n(2,1,3)replace", 4 + 3 + 4},
        // Binder lines 1, 2, 3, 4 + Store 1+2 + Restore 1+2 (the Store's pairs) + Insert 1+1.
        StepCase{"StoreRestoreInsert", Context::ExecutorMerge,
                 "(1)binder\r\n(1,2)store\r\n(2)binder\r\n(0)restore\r\n(1,6,6)insert",
                 4 + 3 + 3 + 2},
        // Binder lines 1-4 + Create 1 + Extract from binder 1: 1+2.
        StepCase{"CreateExtract", Context::ExecutorMerge, "(1)binder\r\n()create\r\n(1,2)extract",
                 4 + 1 + 3},
        StepCase{"SupplementUpdate", Context::ExecutorUpdate,
                 "(0)binder\r\n(1,6,1)settabsheet\r\n(2,3,red)setcolour", 1 + 7 + 3},
        StepCase{"BinderUpdateAddsNoLines", Context::ExecutorUpdate,
                 "(3)binder\r\n(1,4,0)settabsheet", 1 + 5},
        StepCase{"EditorCountsNothing", Context::Editor, "(1)binder\r\n(1,2)delete", 0}),
    [](const testing::TestParamInfo<StepCase>& info) { return info.param.name; });

// --- Numbers -------------------------------------------------------------------

TEST(ReadNumber, ReadsLikeTheLanguage) {
    EXPECT_EQ(ReadNumber("12"), 12);
    EXPECT_EQ(ReadNumber("  \t7x"), 7);
    EXPECT_EQ(ReadNumber("-3"), -3);
    EXPECT_EQ(ReadNumber("+4"), 4);
    EXPECT_EQ(ReadNumber(""), 0);
    EXPECT_EQ(ReadNumber("x1"), 0);
    EXPECT_EQ(ReadNumber("- 1"), 0);
    EXPECT_EQ(ReadNumber("99999999999999999999"), 2147483647);
    EXPECT_EQ(ReadNumber("-99999999999999999999"), -2147483647 - 1);
}

TEST(ReadCommandLine, FindsKeywordsInTheirOrder) {
    EXPECT_EQ(ReadCommandLine("(1)restore").kind, CommandKind::Restore);
    EXPECT_EQ(ReadCommandLine("(1,2)store").kind, CommandKind::Store);
    EXPECT_EQ(ReadCommandLine("(1,2)store)delete").kind, CommandKind::Delete);
    EXPECT_EQ(ReadCommandLine("(1,2,3)SetColour").kind, CommandKind::SetColour);
    EXPECT_EQ(ReadCommandLine("(A,B)Extract").arguments, "a,b");
}

}  // namespace
}  // namespace lumar
