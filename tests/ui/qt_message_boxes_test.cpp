// The plug-in's Qt message boxes in a process without a QApplication (a host
// that is no Qt program): the box goes to the boxes given for that case.

#include "ui/qt/qt_message_boxes.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumar {
namespace {

class Recording : public MessageBoxes {
public:
    MessageAnswer show(const MessageBoxRequest& request) override {
        shown.push_back(request.text);
        return MessageAnswer::No;
    }
    std::vector<std::string> shown;
};

TEST(QtMessageBoxes, WithoutWidgetsTheOtherBoxesAsk) {
    Recording other;
    ui::QtMessageBoxes boxes(&other);
    const MessageBoxRequest request{"Title", "Really?", MessageIcon::Question,
                                    MessageButtons::YesNo, 0};
    EXPECT_EQ(boxes.show(request), MessageAnswer::No);
    EXPECT_EQ(other.shown, std::vector<std::string>{"Really?"});

    ui::QtMessageBoxes alone;
    EXPECT_EQ(alone.show(request), MessageAnswer::Yes);
}

}  // namespace
}  // namespace lumar
