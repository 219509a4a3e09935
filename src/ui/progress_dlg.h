#pragma once

// CProgressDlg: the small modeless dialog that shows a long operation's text
// and position and lets the user ask to cancel it. This is the dialog's
// logic; its window is a view made by the host's user interface.

#include <functional>

namespace lumar {

class CProgressDlg {
public:
    // Dialog initialisation: no cancellation asked for, Cancel enabled.
    void OnInitDialog();

    // The Cancel command (the button, Escape, closing the window): asks
    // "Are you sure?" and on OK sets the cancel flag and disables the
    // button. The dialog stays open until the operation ends it.
    void OnCancel();

    [[nodiscard]] bool CancelRequested() const { return cancel_; }
    [[nodiscard]] bool CancelEnabled() const { return cancelEnabled_; }

    // The view's platform window, which owns the question.
    void SetWindow(void* window) { window_ = window; }
    // Called after the cancel state changed, so the view can follow.
    void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

private:
    bool cancel_ = false;
    bool cancelEnabled_ = true;
    void* window_ = nullptr;
    std::function<void()> onChange_;
};

}  // namespace lumar
