#include "merge/merge_data_writer.h"

#include <gtest/gtest.h>

#include <vector>

#include "merge/merge_data_parser.h"
#include "service/ws_records.h"

namespace lumar {
namespace {

MergeCommand Command(CommandKind kind, std::int32_t source, std::int32_t destination) {
    MergeCommand command;
    command.kind = kind;
    command.sourceBinder = source;
    command.destinationBinder = destination;
    return command;
}

struct SerialiseCase {
    const char* name;
    MergeCommand command;
    std::string prefix;
    std::string expected;
};

MergeCommand With(CommandKind kind, std::int32_t first, std::int32_t last,
                  std::int32_t position = 0) {
    MergeCommand command;
    command.kind = kind;
    command.first = first;
    command.last = last;
    command.sourcePosition = kind == CommandKind::Replace ? position : first;
    command.destinationPosition = position;
    return command;
}

class SerialiseCommandTest : public testing::TestWithParam<SerialiseCase> {};

TEST_P(SerialiseCommandTest, WritesTheLineWithItsPrefix) {
    EXPECT_EQ(SerialiseCommand(GetParam().command, GetParam().prefix), GetParam().expected);
}

MergeCommand BinderCommand(std::int32_t n) {
    return Command(CommandKind::Binder, n, 0);
}

MergeCommand Tabsheet(bool on) {
    MergeCommand command = With(CommandKind::SetTabsheet, 2, 3);
    command.tabsheetOn = on;
    return command;
}

MergeCommand Colour(std::string colour) {
    MergeCommand command = With(CommandKind::SetColour, 4, 4);
    command.colour = std::move(colour);
    return command;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SerialiseCommandTest,
    testing::Values(
        SerialiseCase{"Binder", BinderCommand(12), "", "(12)binder\r\n"},
        SerialiseCase{"Replace", With(CommandKind::Replace, 1, 3, 7), "", "(7,1,3)Replace\r\n"},
        SerialiseCase{"ReplaceWithPrefix", With(CommandKind::Replace, 1, 3, 7), "(2)binder\r\n",
                      "(2)binder\r\n(7,1,3)Replace\r\n"},
        SerialiseCase{"Insert", With(CommandKind::Insert, 5, 6, 0), "", "(0,5,6)Insert\r\n"},
        SerialiseCase{"Delete", With(CommandKind::Delete, 2, 2), "(1)binder\r\n",
                      "(1)binder\r\n(2,2)Delete\r\n"},
        SerialiseCase{"Store", With(CommandKind::Store, 3, 4), "", "(3,4)Store\r\n"},
        SerialiseCase{"Restore", With(CommandKind::Restore, 0, 0, 9), "", "(9)Restore\r\n"},
        SerialiseCase{"Create", With(CommandKind::Create, 0, 0), "", "()Create\r\n"},
        SerialiseCase{"Extract", With(CommandKind::Extract, 1, 2), "", "(1,2)Extract\r\n"},
        SerialiseCase{"TabsheetOn", Tabsheet(true), "", "(2,3,1)SetTabsheet\r\n"},
        SerialiseCase{"TabsheetOff", Tabsheet(false), "", "(2,3,0)SetTabsheet\r\n"},
        SerialiseCase{"Colour", Colour("light blue"), "", "(4,4,light blue)SetColour\r\n"},
        SerialiseCase{"NoColour", Colour("[[#NOCOLOUR#]]"), "(3)binder\r\n",
                      "(3)binder\r\n(4,4,)SetColour\r\n"},
        SerialiseCase{"Empty", MergeCommand{}, "(3)binder\r\n", ""}),
    [](const testing::TestParamInfo<SerialiseCase>& info) { return info.param.name; });

struct PrefixCase {
    const char* name;
    std::vector<MergeCommand> commands;
    std::int32_t binder;
    PrefixRule rule;
    std::string expected;
};

class BinderPrefixTest : public testing::TestWithParam<PrefixCase> {};

TEST_P(BinderPrefixTest, WrittenUnlessTheLastCommandAddressesTheBinder) {
    EXPECT_EQ(BinderPrefix(GetParam().commands, GetParam().binder, GetParam().rule),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BinderPrefixTest,
    testing::Values(
        PrefixCase{"EmptyList", {}, 2, PrefixRule::MergeDataEditor, "(2)binder\r\n"},
        PrefixCase{"OnlyTheEditorsEmptyLine",
                   {MergeCommand{}},
                   2,
                   PrefixRule::MergeDataEditor,
                   "(2)binder\r\n"},
        PrefixCase{"LastIsBinderLine",
                   {Command(CommandKind::Binder, 2, 0)},
                   2,
                   PrefixRule::MergeDataEditor,
                   ""},
        PrefixCase{"LastDeleteOnSameBinder",
                   {Command(CommandKind::Delete, 2, 0)},
                   2,
                   PrefixRule::AnnotationsDialog,
                   ""},
        PrefixCase{"LastDeleteOnOtherBinder",
                   {Command(CommandKind::Delete, 1, 0)},
                   2,
                   PrefixRule::MergeDataEditor,
                   "(2)binder\r\n"},
        PrefixCase{"InsertAddressesDestination",
                   {Command(CommandKind::Insert, 0, 2)},
                   2,
                   PrefixRule::MergeDataEditor,
                   ""},
        PrefixCase{"ReplaceAddressesDestination",
                   {Command(CommandKind::Replace, 0, 3)},
                   0,
                   PrefixRule::MergeDataEditor,
                   "(0)binder\r\n"},
        PrefixCase{"RestoreAddressesDestination",
                   {Command(CommandKind::Restore, 1, 4)},
                   4,
                   PrefixRule::MergeDataEditor,
                   ""},
        PrefixCase{"EditorSkipsCreate",
                   {Command(CommandKind::Delete, 1, 0), Command(CommandKind::Create, 0, 5)},
                   1,
                   PrefixRule::MergeDataEditor,
                   ""},
        PrefixCase{"EditorOnlyCreates",
                   {Command(CommandKind::Create, 0, 5)},
                   5,
                   PrefixRule::MergeDataEditor,
                   "(5)binder\r\n"},
        PrefixCase{"DialogCreateAddressesNewBinder",
                   {Command(CommandKind::Delete, 1, 0), Command(CommandKind::Create, 0, 5)},
                   5,
                   PrefixRule::AnnotationsDialog,
                   ""},
        PrefixCase{"DialogCreateIsNotThePreviousBinder",
                   {Command(CommandKind::Delete, 1, 0), Command(CommandKind::Create, 0, 5)},
                   1,
                   PrefixRule::AnnotationsDialog,
                   "(1)binder\r\n"}),
    [](const testing::TestParamInfo<PrefixCase>& info) { return info.param.name; });

MergeDataParse ParseInEditor(std::string_view text) {
    std::vector<BinderDocRecord> binders(2);
    binders[0].Binder_number = 1;
    binders[0].Page_count = 10;
    binders[1].Binder_number = 2;
    binders[1].Page_count = 10;
    MergeDataInputs inputs;
    inputs.binderCount = 2;
    inputs.binderDocuments = binders;
    inputs.supplementPageCount = 10;
    const std::vector<ColourRecord> colours{{1, "Red", 255, 0, 0}};
    inputs.colours = &colours;
    return ParseMergeData(text, MergeDataContext::Editor, inputs);
}

TEST(NormalForm, DropsEmptyLinesAndSeparatesBinders) {
    const MergeDataParse parse = ParseInEditor(
        "\r\n\r\n  (1)binder  \r\n\r\n(1,2)Delete\r\n(2)binder\r\n(1)BINDER\r\n"
        "(1,1,1)SetTabsheet\r\n\r\n\r\n(2)binder\r\n(3,3,Red)SetColour");
    ASSERT_TRUE(parse.success) << parse.alertText << parse.errorText;
    EXPECT_EQ(NormalForm(parse.commands),
              "(1)binder\r\n(1,2)Delete\r\n\r\n(2)binder\r\n(1)BINDER\r\n(1,1,1)SetTabsheet\r\n"
              "\r\n(2)binder\r\n(3,3,Red)SetColour\r\n");
}

TEST(NormalForm, IsStableUnderParsing) {
    const std::string text =
        "(1)binder\r\n(2,1,2)Replace\r\n(3,4)Store\r\n\r\n(2)binder\r\n(1)Restore\r\n()Create\r\n"
        "(1,1)Extract\r\n\r\n(3)binder\r\n(0,5,5)Insert\r\n";
    const MergeDataParse first = ParseInEditor(text);
    ASSERT_TRUE(first.success) << first.alertText << first.errorText;
    EXPECT_EQ(NormalForm(first.commands), text);
    const MergeDataParse second = ParseInEditor(NormalForm(first.commands));
    EXPECT_EQ(second.commands, first.commands);
}

TEST(NormalForm, EmptyListGivesEmptyText) {
    EXPECT_EQ(NormalForm({}), "");
    EXPECT_EQ(NormalForm(ParseInEditor("\r\n \r\n").commands), "");
}

TEST(SerialisedLines, AppendedToATextParseBackToTheirCommand) {
    const MergeDataParse base = ParseInEditor("(1)binder\r\n(1,1)Delete\r\n");
    ASSERT_TRUE(base.success);
    MergeCommand insert = With(CommandKind::Insert, 2, 4, 3);
    std::string text =
        NormalForm(base.commands) +
        SerialiseCommand(insert, BinderPrefix(base.commands, 2, PrefixRule::MergeDataEditor));
    EXPECT_EQ(text, "(1)binder\r\n(1,1)Delete\r\n(2)binder\r\n(3,2,4)Insert\r\n");
    const MergeDataParse parsed = ParseInEditor(text);
    ASSERT_TRUE(parsed.success);
    const MergeCommand& back = parsed.commands.back();
    EXPECT_EQ(back.kind, CommandKind::Insert);
    EXPECT_EQ(back.destinationPosition, 3);
    EXPECT_EQ(back.first, 2);
    EXPECT_EQ(back.last, 4);
    EXPECT_EQ(back.destinationBinder, 2);
    // The next command on binder 2 needs no prefix.
    EXPECT_EQ(BinderPrefix(parsed.commands, 2, PrefixRule::MergeDataEditor), "");
}

}  // namespace
}  // namespace lumar
