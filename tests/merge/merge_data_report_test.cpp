#include "merge/merge_data_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin/plugin_harness.h"
#include "service/ws_records.h"
#include "ui/scripted_message_boxes.h"

namespace lumar {
namespace {

struct ShownBox {
    std::string title;
    std::string text;

    bool operator==(const ShownBox&) const = default;
};

void PrintTo(const ShownBox& box, std::ostream* out) {
    *out << "{" << box.title << ": " << box.text << "}";
}

// Two binders of 3 pairs each, a supplement of 2 pairs.
class MergeDataReportTest : public ::testing::Test {
protected:
    MergeDataReportTest() {
        binders.resize(2);
        for (int i = 0; i < 2; ++i) {
            binders[i].Binder_number = i + 1;
            binders[i].Page_count = 6;
        }
        inputs.binderCount = 2;
        inputs.binderDocuments = binders;
        inputs.supplementPageCount = 4;
        inputs.shownBinder = 1;
        inputs.colours = &colours;
    }

    std::vector<ShownBox> boxesShown() const {
        std::vector<ShownBox> shown;
        for (const MessageBoxRequest& box : boxes.shown()) {
            EXPECT_EQ(box.icon, MessageIcon::Error);
            shown.push_back({box.title, box.text});
        }
        return shown;
    }

    lumar::testing::PluginHarness harness;
    lumar::testing::ScriptedMessageBoxes boxes;
    std::vector<BinderDocRecord> binders;
    std::vector<ColourRecord> colours{{1, "Red", 255, 0, 0}};
    MergeDataInputs inputs;
};

struct RevertCase {
    const char* name;
    MergeDataEditor editor;
    std::string saved;
    std::string working;
    std::vector<std::string> notes;  // alert notes, in order
    std::vector<ShownBox> boxes;     // message boxes, in order
    std::string finalText;           // the working copy at the end
    bool success;                    // of the parse returned
};

class ParseWithRevertTest : public MergeDataReportTest,
                            public ::testing::WithParamInterface<RevertCase> {};

TEST_P(ParseWithRevertTest, ShowsRevertsAndParsesAgain) {
    const RevertCase& c = GetParam();
    EditorTexts texts{c.working, c.saved};
    const MergeDataParse parse = ParseWithRevert(texts, c.editor, inputs);
    EXPECT_EQ(harness.responder.notes(), c.notes);
    EXPECT_EQ(boxesShown(), c.boxes);
    EXPECT_EQ(texts.working, c.finalText);
    EXPECT_EQ(texts.saved, c.saved);
    EXPECT_EQ(parse.success, c.success);
}

const std::string kGood = "(1)binder\r\n(1,1)Delete\r\n";
const std::string kGoodUpdate = "(1)binder\r\n(1,1,1)SetTabsheet\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseWithRevertTest,
    ::testing::Values(
        RevertCase{"EditorAccepts",
                   MergeDataEditor::MergeData,
                   kGood,
                   kGood + "(2,3)Delete\r\n",
                   {},
                   {},
                   kGood + "(2,3)Delete\r\n",
                   true},
        RevertCase{"EditorErrorReverts",
                   MergeDataEditor::MergeData,
                   kGood,
                   kGood + "(2,3) Delete\r\n",
                   {},
                   {{"Merge data", "Unknown command encountered.\r\nMerge data will be reverted."}},
                   kGood,
                   true},
        RevertCase{
            "EditorParameterMessageReverts",
            MergeDataEditor::MergeData,
            kGood,
            kGood + "(3,2)Delete\r\n",
            {"Invalid Delete parameters."},
            {{"Merge data", "Parsing of merge data failed.\r\nMerge data will be reverted."}},
            kGood,
            true},
        RevertCase{"EditorErrorWithoutChange",
                   MergeDataEditor::MergeData,
                   "(1,1)x\r\n",
                   "(1,1)x\r\n",
                   {},
                   {{"Merge data", "Unknown command encountered."}},
                   "(1,1)x\r\n",
                   false},
        RevertCase{"EditorParameterMessageWithoutChange",
                   MergeDataEditor::MergeData,
                   "(1)binder\r\n(3,2)Delete",
                   "(1)binder\r\n(3,2)Delete",
                   {"Invalid Delete parameters."},
                   {},
                   "(1)binder\r\n(3,2)Delete",
                   false},
        RevertCase{
            "EditorSavedCopyAlsoBad",
            MergeDataEditor::MergeData,
            "(9)binder",
            "(9)binder\r\n(1,1)Delete",
            {"Invalid binder number.", "Invalid binder number."},
            {{"Merge data", "Parsing of merge data failed.\r\nMerge data will be reverted."}},
            "(9)binder",
            false},
        RevertCase{"EditorKeepsPendingStore",
                   MergeDataEditor::MergeData,
                   kGood,
                   kGood + "(2,3)Store\r\n",
                   {},
                   {},
                   kGood + "(2,3)Store\r\n",
                   true},
        RevertCase{"EditorSecondStoreReverts",
                   MergeDataEditor::MergeData,
                   kGood + "(2,3)Store\r\n",
                   kGood + "(2,3)Store\r\n(1,1)Store\r\n",
                   {},
                   {{"Merge data",
                     "Store/Restore operations out of sync.\r\nMerge data will be reverted."}},
                   kGood + "(2,3)Store\r\n",
                   true},
        RevertCase{"DialogAccepts",
                   MergeDataEditor::UpdateData,
                   "",
                   kGoodUpdate,
                   {},
                   {},
                   kGoodUpdate,
                   true},
        RevertCase{
            "DialogErrorReverts",
            MergeDataEditor::UpdateData,
            kGoodUpdate,
            kGoodUpdate + "(1,2)Store\r\n",
            {},
            {{"Update data", "Unknown command encountered.\r\nUpdate data will be reverted."}},
            kGoodUpdate,
            true},
        RevertCase{
            "DialogParameterMessageReverts",
            MergeDataEditor::UpdateData,
            kGoodUpdate,
            kGoodUpdate + "(1,2, red)SetColour\r\n",
            {"Unknown colour parameter."},
            {{"Update data", "Parsing of update data failed.\r\nUpdate data will be reverted."}},
            kGoodUpdate,
            true},
        RevertCase{
            "DialogOtherBinderRefused",
            MergeDataEditor::UpdateData,
            "",
            "(3)binder\r\n",
            {"Invalid binder number."},
            {{"Update data", "Parsing of update data failed.\r\nUpdate data will be reverted."}},
            "",
            true},
        RevertCase{"DialogErrorWithoutChange",
                   MergeDataEditor::UpdateData,
                   "(1,1)x",
                   "(1,1)x",
                   {},
                   {{"Update data", "Unknown command encountered."}},
                   "(1,1)x",
                   false}),
    [](const ::testing::TestParamInfo<RevertCase>& info) { return info.param.name; });

struct ExecutorCase {
    const char* name;
    MergeDataContext context;
    std::string text;
    std::vector<std::string> notes;
};

class ParseForExecutorTest : public MergeDataReportTest,
                             public ::testing::WithParamInterface<ExecutorCase> {};

TEST_P(ParseForExecutorTest, ShowsEveryMessageWithTheAlertNote) {
    const ExecutorCase& c = GetParam();
    const MergeDataParse parse = ParseForExecutor(c.text, c.context, inputs);
    EXPECT_EQ(parse.success, c.notes.empty());
    EXPECT_EQ(harness.responder.notes(), c.notes);
    EXPECT_TRUE(boxes.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseForExecutorTest,
    ::testing::Values(ExecutorCase{"Accepted", MergeDataContext::ExecutorMerge, kGood, {}},
                      ExecutorCase{"ParameterMessageThenFailure",
                                   MergeDataContext::ExecutorMerge,
                                   "(1)binder\r\n(2,1)Delete",
                                   {"Invalid Delete parameters.", "Parsing of merge data failed."}},
                      ExecutorCase{"StoreWithoutRestore",
                                   MergeDataContext::ExecutorMerge,
                                   "(1)binder\r\n(1,1)Store",
                                   {"Store in EI without Restore."}},
                      ExecutorCase{"StoreWithoutRestoreInUpdateData",
                                   MergeDataContext::ExecutorUpdate,
                                   "(1)binder\r\n(1,1)Store",
                                   {"Store in EI without Restore."}},
                      ExecutorCase{"SupplementUpdate",
                                   MergeDataContext::ExecutorUpdate,
                                   "(0)binder\r\n(1,2,Red)SetColour",
                                   {}},
                      ExecutorCase{"SupplementUpdateRefusesDelete",
                                   MergeDataContext::ExecutorUpdate,
                                   "(0)binder\r\n(1,2)Delete",
                                   {"Unknown command encountered."}},
                      ExecutorCase{"ZeroBinderInMergeData",
                                   MergeDataContext::ExecutorMerge,
                                   "(0)binder",
                                   {"Invalid binder number.", "Parsing of merge data failed."}}),
    [](const ::testing::TestParamInfo<ExecutorCase>& info) { return info.param.name; });

}  // namespace
}  // namespace lumar
