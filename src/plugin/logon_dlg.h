#pragma once

// CLogonDlg: the "Log on" dialog's logic. It takes a user name and a
// password and hands both back exactly as typed (blanks at either end
// included); OK is enabled only while neither is blank. While the dialog is
// open the host is modal.

#include <string>

#include "ui/host_modal_state.h"

namespace lumar {

class CLogonDlg {
public:
    static constexpr const char* kTitle = "Log on";
    // Longest user name and password the fields take.
    static constexpr int kTextLimit = 50;
    // The OK button's tip while it is disabled.
    static constexpr const char* kMissingCredentials = "Missing credentials";

    CLogonDlg() = default;

    // The window is up: the host turns modal.
    void OnInitDialog(void* window);
    // The window goes: the host's modal state ends.
    void OnDestroy();

    void SetUserName(const std::string& name) { userName_ = name; }
    void SetPassword(const std::string& password) { password_ = password; }
    [[nodiscard]] const std::string& UserName() const { return userName_; }
    [[nodiscard]] const std::string& Password() const { return password_; }

    // Neither text is empty once the blanks at its ends are trimmed.
    [[nodiscard]] bool OkEnabled() const;
    // What OK (the button or Enter) does: true when the dialog closes with
    // OK, false when it stays open because a field is blank.
    [[nodiscard]] bool OnOK() const { return OkEnabled(); }
    // The OK button's tip: "Missing credentials" while disabled, none else.
    [[nodiscard]] std::string OkToolTip() const;

private:
    std::string userName_;
    std::string password_;
    HostModalState modal_;
};

}  // namespace lumar
