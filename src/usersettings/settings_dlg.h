#pragma once

// CSettingsDlg: the "Lumar User settings" dialog, with the pages "URIs"
// (CUriDlg) and "Proxy" (CProxyDlg). Nothing is written until Apply or OK;
// both test the values on screen against the service first and save without
// asking when the test succeeds.

#include <functional>

#include "usersettings/proxy_dlg.h"
#include "usersettings/settings_dlg_services.h"
#include "usersettings/uri_dlg.h"

namespace lumar {

class CSettingsDlg {
public:
    // The tab titles, in order.
    static constexpr const char* kUriPageTitle = "URIs";
    static constexpr const char* kProxyPageTitle = "Proxy";

    explicit CSettingsDlg(SettingsDlgServices services = DefaultSettingsDlgServices());
    ~CSettingsDlg();
    CSettingsDlg(const CSettingsDlg&) = delete;
    CSettingsDlg& operator=(const CSettingsDlg&) = delete;

    CUriDlg& UriPage() { return uri_; }
    CProxyDlg& ProxyPage() { return proxy_; }

    // The window is up: the host turns modal, the pages load.
    void OnInitDialog(void* window);
    // The window goes: the host's modal state ends.
    void OnDestroy();

    // Reset and Apply are enabled while a page reports changed.
    bool ResetEnabled() const;
    bool ApplyEnabled() const;
    bool IsChanged() const;

    // The buttons. OK and Cancel return true when the dialog closes (OK:
    // saved; Cancel: without saving).
    void OnReset();
    void OnApply();
    bool OnOK();
    bool OnCancel();

    // The view updates its buttons when this runs.
    void SetOnButtonsChange(std::function<void()> update) { updateButtons_ = std::move(update); }

private:
    // Tests the values on screen; true when they may be saved (the test
    // passed, or the user said to save anyway).
    bool testOrAsk(const char* question, const char* caption);
    void save();
    void updateButtons();

    SettingsDlgServices services_;
    CUriDlg uri_;
    CProxyDlg proxy_;
    bool initialised_ = false;
    bool modal_ = false;
    std::function<void()> updateButtons_;
};

}  // namespace lumar
