#pragma once

// Message boxes for tests: installed while the object lives, they record
// every box shown and answer from a script (OK, or the default button, when
// the script is empty).
//
//   lumar::testing::ScriptedMessageBoxes boxes;
//   boxes.answerNext(lumar::MessageAnswer::Yes);
//   ... run the command ...
//   EXPECT_EQ(boxes.shown().at(0).title, "Merge data");

#include <deque>
#include <vector>

#include "ui/message_box.h"

namespace lumar::testing {

class ScriptedMessageBoxes : public MessageBoxes {
public:
    ScriptedMessageBoxes() : previous_(SetMessageBoxes(this)) {}
    ~ScriptedMessageBoxes() override { SetMessageBoxes(previous_); }
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    void answerNext(MessageAnswer answer) { answers_.push_back(answer); }
    const std::vector<MessageBoxRequest>& shown() const { return shown_; }
    void clear() { shown_.clear(); }

    MessageAnswer show(const MessageBoxRequest& request) override {
        shown_.push_back(request);
        if (answers_.empty()) {
            return request.buttons == MessageButtons::Ok ? MessageAnswer::Ok
                                                         : MessageAnswer::Cancel;
        }
        const MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

private:
    MessageBoxes* previous_;
    std::deque<MessageAnswer> answers_;
    std::vector<MessageBoxRequest> shown_;
};

}  // namespace lumar::testing
