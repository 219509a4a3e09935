#include "manager/supplement_number_dlg.h"

namespace lumar {

std::string CSupplementNumberDlg::NoIncrementText() const {
    return std::to_string(proposed_) + " (no increment)";
}

std::string CSupplementNumberDlg::IncrementText() const {
    return std::to_string(static_cast<std::int64_t>(proposed_) + 1) + " (do increment)";
}

void CSupplementNumberDlg::CheckNoIncrement() {
    noIncrementChecked_ = true;
    incrementChecked_ = false;
}

void CSupplementNumberDlg::CheckIncrement() {
    incrementChecked_ = true;
    noIncrementChecked_ = false;
}

void CSupplementNumberDlg::OnOK() {
    if (incrementChecked_) {
        choice_ = kIncrement;
    } else if (noIncrementChecked_) {
        choice_ = kNoIncrement;
    } else {
        choice_ = kNone;
    }
}

std::int32_t CSupplementNumberDlg::ChosenNumber() const {
    return choice_ == kIncrement ? proposed_ + 1 : proposed_;
}

}  // namespace lumar
