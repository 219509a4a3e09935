#include "ui/message_box.h"

#include <gtest/gtest.h>

#include "ui/scripted_message_boxes.h"

namespace lumar {
namespace {

struct DefaultCase {
    const char* name;
    MessageButtons buttons;
    int defaultButton;
    MessageAnswer expected;
};

class UnansweredMessageBoxTest : public ::testing::TestWithParam<DefaultCase> {};

// Without installed message boxes (a host that cannot ask), the default
// button answers: a question whose default is Cancel stays unconfirmed.
TEST_P(UnansweredMessageBoxTest, DefaultButtonAnswers) {
    ASSERT_EQ(SetMessageBoxes(nullptr), nullptr);
    MessageBoxRequest request{"Title", "Are you sure?", MessageIcon::Question, GetParam().buttons,
                              GetParam().defaultButton};
    EXPECT_EQ(ShowMessageBox(request), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnansweredMessageBoxTest,
    ::testing::Values(
        DefaultCase{"Ok", MessageButtons::Ok, 0, MessageAnswer::Ok},
        DefaultCase{"OkCancelDefaultCancel", MessageButtons::OkCancel, 1, MessageAnswer::Cancel},
        DefaultCase{"YesNoCancelDefaultCancel", MessageButtons::YesNoCancel, 2,
                    MessageAnswer::Cancel},
        DefaultCase{"YesNoDefaultNo", MessageButtons::YesNo, 1, MessageAnswer::No},
        DefaultCase{"DefaultOutOfRangeIsFirst", MessageButtons::YesNo, 5, MessageAnswer::Yes}),
    [](const ::testing::TestParamInfo<DefaultCase>& info) { return info.param.name; });

TEST(MessageBoxSeam, InstalledBoxesAnswerAndAreRestored) {
    {
        testing::ScriptedMessageBoxes boxes;
        boxes.answerNext(MessageAnswer::No);
        EXPECT_EQ(ShowMessageBox({"T", "Save before close?", MessageIcon::Question,
                                  MessageButtons::YesNoCancel, 2}),
                  MessageAnswer::No);
        ShowMessageBox("Merge data", "Parse error.", MessageIcon::Error);
        ASSERT_EQ(boxes.shown().size(), 2U);
        EXPECT_EQ(boxes.shown()[1].title, "Merge data");
        EXPECT_EQ(boxes.shown()[1].icon, MessageIcon::Error);
        EXPECT_EQ(boxes.shown()[1].buttons, MessageButtons::Ok);
    }
    EXPECT_EQ(SetMessageBoxes(nullptr), nullptr);
}

}  // namespace
}  // namespace lumar
