#include "plugin/logon_dlg.h"

namespace lumar {

namespace {

bool blank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

void CLogonDlg::OnInitDialog(void* window) {
    modal_.Begin(window);
}

void CLogonDlg::OnDestroy() {
    modal_.End();
}

bool CLogonDlg::OkEnabled() const {
    return !blank(userName_) && !blank(password_);
}

std::string CLogonDlg::OkToolTip() const {
    return OkEnabled() ? std::string() : std::string(kMissingCredentials);
}

}  // namespace lumar
