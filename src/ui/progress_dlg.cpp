#include "ui/progress_dlg.h"

#include "ui/message_box.h"

namespace lumar {

void CProgressDlg::OnInitDialog() {
    cancel_ = false;
    cancelEnabled_ = true;
    if (onChange_) {
        onChange_();
    }
}

void CProgressDlg::OnCancel() {
    if (!cancelEnabled_) {
        return;  // asked already
    }
    MessageBoxRequest question;
    question.title = "Cancel operation";
    question.text = "Are you sure?";
    question.buttons = MessageButtons::OkCancel;
    question.defaultButton = 1;  // Cancel
    if (ShowMessageBox(question) != MessageAnswer::Ok) {
        return;
    }
    cancel_ = true;
    cancelEnabled_ = false;
    if (onChange_) {
        onChange_();
    }
}

}  // namespace lumar
