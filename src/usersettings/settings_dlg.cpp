#include "usersettings/settings_dlg.h"

#include "ui/message_box.h"

namespace lumar {

namespace {

// Yes and No, a warning icon, No the default: true only for Yes.
bool askYesNo(const char* text, const char* title) {
    MessageBoxRequest question;
    question.title = title;
    question.text = text;
    question.icon = MessageIcon::Warning;
    question.buttons = MessageButtons::YesNo;
    question.defaultButton = 1;
    return ShowMessageBox(question) == MessageAnswer::Yes;
}

}  // namespace

CSettingsDlg::CSettingsDlg(SettingsDlgServices services)
    : services_(std::move(services)), uri_(services_), proxy_(services_) {
    uri_.SetOnChangeChecked([this] { updateButtons(); });
    proxy_.SetOnChangeChecked([this] { updateButtons(); });
}

CSettingsDlg::~CSettingsDlg() {
    OnDestroy();
}

void CSettingsDlg::OnInitDialog(void* window) {
    if (services_.beginModal) {
        services_.beginModal(window);
        modal_ = true;
    }
    uri_.Load();
    proxy_.Load();
    initialised_ = true;
    updateButtons();
}

void CSettingsDlg::OnDestroy() {
    if (modal_) {
        modal_ = false;
        if (services_.endModal) {
            services_.endModal();
        }
    }
}

bool CSettingsDlg::IsChanged() const {
    return uri_.IsChanged() || proxy_.IsChanged();
}

bool CSettingsDlg::ResetEnabled() const {
    return initialised_ && IsChanged();
}

bool CSettingsDlg::ApplyEnabled() const {
    return initialised_ && IsChanged();
}

void CSettingsDlg::updateButtons() {
    if (initialised_ && updateButtons_) {
        updateButtons_();
    }
}

void CSettingsDlg::OnReset() {
    if (IsChanged() && !askYesNo("Data has been changed! Lose changes and reset?", "Reset")) {
        return;
    }
    uri_.Reset();
    proxy_.Reset();
}

bool CSettingsDlg::testOrAsk(const char* question, const char* caption) {
    if (uri_.IsValid() && proxy_.TestConnection(uri_.Screen().serviceUri)) {
        return true;
    }
    return askYesNo(question, caption);
}

void CSettingsDlg::save() {
    uri_.Save();
    proxy_.Save();
}

void CSettingsDlg::OnApply() {
    if (testOrAsk("Test failed with current data! Apply changes anyway?", "Apply")) {
        save();
    }
}

bool CSettingsDlg::OnOK() {
    if (!testOrAsk("Test failed with current data! Save settings anyway?", "Close")) {
        return false;
    }
    save();
    return true;
}

bool CSettingsDlg::OnCancel() {
    if (IsChanged() && !askYesNo("Data has been changed! Lose changes and close?", "Cancel")) {
        return false;
    }
    return true;
}

}  // namespace lumar
