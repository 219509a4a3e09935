#pragma once

// The progress dialog as a test sees it: windows made, the parent disabled
// and enabled again, the message queue pumped, and the Cancel button pressed
// at a chosen pump, with "Are you sure?" answered as the test says (OK by
// default). Installed for its lifetime.

#include <memory>
#include <string>
#include <vector>

#include "ui/message_box.h"
#include "ui/progress.h"
#include "ui/progress_dlg.h"

namespace lumar::testing {

class ProgressDouble : public ProgressWindows, public MessageBoxes {
public:
    ProgressDouble() {
        previousWindows_ = SetProgressWindows(this);
        previousBoxes_ = SetMessageBoxes(this);
    }
    ~ProgressDouble() override {
        SetProgressWindows(previousWindows_);
        SetMessageBoxes(previousBoxes_);
    }
    ProgressDouble(const ProgressDouble&) = delete;
    ProgressDouble& operator=(const ProgressDouble&) = delete;

    // Presses Cancel during pump number `pump` (counted from 1); 0 never.
    int cancelAtPump = 0;
    // The answer to "Are you sure?".
    MessageAnswer answer = MessageAnswer::Ok;

    int windowsMade = 0;
    int shows = 0;
    int pumps = 0;
    std::vector<bool> parentEnabled;          // every change of the parent's state
    std::vector<std::string> texts;           // every text shown
    std::vector<std::int32_t> textPositions;  // the position when each text was shown
    std::int32_t maximum = -1;
    std::int32_t position = -1;
    std::vector<std::string> questions;
    std::vector<std::string> titles;
    CProgressDlg* dialog() const { return dialog_; }

    std::unique_ptr<ProgressWindow> Create(CProgressDlg& dialog, void* /*parent*/) override {
        dialog_ = &dialog;
        ++windowsMade;
        return std::make_unique<Window>(*this);
    }
    void EnableWindow(void* /*window*/, bool enable) override { parentEnabled.push_back(enable); }
    void PumpMessages() override {
        ++pumps;
        if (pumps == cancelAtPump && dialog_ != nullptr) {
            dialog_->OnCancel();
        }
    }
    MessageAnswer show(const MessageBoxRequest& request) override {
        questions.push_back(request.text);
        titles.push_back(request.title);
        return answer;
    }

private:
    class Window : public ProgressWindow {
    public:
        explicit Window(ProgressDouble& owner) : owner_(owner) {}
        void SetRange(std::int32_t /*minimum*/, std::int32_t maximum) override {
            owner_.maximum = maximum;
        }
        void SetPosition(std::int32_t position) override { owner_.position = position; }
        std::int32_t Position() const override { return owner_.position; }
        void SetText(const std::string& text) override {
            owner_.texts.push_back(text);
            owner_.textPositions.push_back(owner_.position);
        }
        void Show() override { ++owner_.shows; }

    private:
        ProgressDouble& owner_;
    };

    CProgressDlg* dialog_ = nullptr;
    ProgressWindows* previousWindows_ = nullptr;
    MessageBoxes* previousBoxes_ = nullptr;
};

}  // namespace lumar::testing
