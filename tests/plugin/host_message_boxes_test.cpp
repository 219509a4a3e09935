// Message boxes through the host's alerts: the title heads the message, the
// buttons keep their order, and the host's answer maps back to them.

#include "plugin/host_message_boxes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin/plugin_harness.h"

namespace lumar {
namespace {

struct BoxCase {
    const char* name;
    MessageBoxRequest request;
    int hostAnswer;
    host::AlertIcon icon;
    std::string message;
    std::vector<std::string> buttons;
    MessageAnswer answer;
};

class HostBoxes : public ::testing::TestWithParam<BoxCase> {};

TEST_P(HostBoxes, AskTheHost) {
    const BoxCase& c = GetParam();
    testing::PluginHarness harness;
    harness.responder.answerNext(c.hostAnswer);
    HostMessageBoxes boxes;
    EXPECT_EQ(boxes.show(c.request), c.answer);

    ASSERT_EQ(harness.responder.messages().size(), 1U);
    const auto& asked = harness.responder.messages().front();
    EXPECT_EQ(asked.kind, host::ScriptedResponder::Kind::Question);
    EXPECT_EQ(asked.icon, c.icon);
    EXPECT_EQ(asked.text, c.message);
    EXPECT_EQ(asked.buttons, c.buttons);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, HostBoxes,
    ::testing::Values(
        BoxCase{"Message",
                {"LoadMergeData", "Line 1\r\nLine 2", MessageIcon::Error, MessageButtons::Ok, 0},
                1,
                host::AlertIcon::Error,
                "LoadMergeData\r\nLine 1\r\nLine 2",
                {"OK"},
                MessageAnswer::Ok},
        BoxCase{"NoTitle",
                {"", "Done", MessageIcon::Information, MessageButtons::Ok, 0},
                1,
                host::AlertIcon::Status,
                "Done",
                {"OK"},
                MessageAnswer::Ok},
        BoxCase{"SecondOfThree",
                {"Merge", "Save?", MessageIcon::Question, MessageButtons::YesNoCancel, 0},
                2,
                host::AlertIcon::Question,
                "Merge\r\nSave?",
                {"Yes", "No", "Cancel"},
                MessageAnswer::No},
        BoxCase{"Cancel",
                {"Print", "Sure?", MessageIcon::Warning, MessageButtons::OkCancel, 0},
                2,
                host::AlertIcon::Warning,
                "Print\r\nSure?",
                {"OK", "Cancel"},
                MessageAnswer::Cancel},
        BoxCase{"No",
                {"Discard", "Discard?", MessageIcon::Question, MessageButtons::YesNo, 1},
                2,
                host::AlertIcon::Question,
                "Discard\r\nDiscard?",
                {"Yes", "No"},
                MessageAnswer::No}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumar
