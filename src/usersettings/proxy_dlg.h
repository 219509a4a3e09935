#pragma once

// CProxyDlg: the "Proxy" page of the settings dialog. Whether to use a
// proxy, its server, port, authentication method, domain, user name and
// password, as stored under "Proxy" (the committed copy) and as shown.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "usersettings/settings_dlg_services.h"

namespace lumar {

struct ProxySettings {
    bool useProxy = false;
    std::string server;
    std::uint32_t port = 0;
    std::string authentication = "NTLM";
    std::string domain;
    std::string login;
    std::string password;  // stored as typed

    bool operator==(const ProxySettings&) const = default;
};

// The page as shown: the port as its edit's text, the authentication as the
// drop-down list's selection.
struct ProxyScreen {
    bool useProxy = false;
    std::string server;
    std::string portText;
    int authentication = -1;  // index into the entries; -1 nothing selected
    std::string domain;
    std::string login;
    std::string password;
};

class CProxyDlg {
public:
    static constexpr int kTextLimit = 500;
    static constexpr int kCredentialLimit = 50;  // user name and password
    // The drop-down list's entries, in this order (their entry data is the
    // index).
    static constexpr std::array<const char*, 2> kAuthentications = {"BASIC", "NTLM"};
    static constexpr int kBasic = 0;
    static constexpr int kNtlm = 1;

    explicit CProxyDlg(SettingsDlgServices& services);

    void Load();
    // Normalises the port, takes the screen into the committed copy and
    // writes it.
    void Save();
    void Reset();
    void Cancel() {}
    bool IsChanged() const { return changed_; }
    bool IsInitialised() const { return initialised_; }

    const ProxyScreen& Screen() const { return screen_; }
    const ProxySettings& Committed() const { return committed_; }

    // The user's edits.
    void SetUseProxy(bool use);
    void SetServer(const std::string& server);
    void SetPortText(const std::string& port);
    void SetAuthentication(int index);
    void SetDomain(const std::string& domain);
    void SetLogin(const std::string& login);
    void SetPassword(const std::string& password);

    // The drop-down list's text: the selected entry, or empty.
    std::string AuthenticationText() const;

    // Which controls (with their labels) are enabled now.
    bool ServerEnabled() const;  // server and authentication method
    bool PortEnabled() const;
    bool CredentialsEnabled() const;  // domain, user name and password

    // The connection test with `uri` and the proxy values on screen.
    bool TestConnection(const std::string& uri) const;

    // The port text as the page reads it: a decimal number as a 32-bit long
    // (0 for no number; saturated beyond the range).
    static std::int32_t ReadLong(const std::string& text);
    // The port text saved: empty becomes "0", a value that read as unsigned
    // exceeds 65535 becomes "65535".
    static std::string NormalisePort(const std::string& text);

    void SetOnShow(std::function<void()> onShow) { onShow_ = std::move(onShow); }
    void SetOnChangeChecked(std::function<void()> notify) { notify_ = std::move(notify); }

private:
    void show();
    void checkChanged();

    SettingsDlgServices& services_;
    ProxySettings committed_;
    ProxyScreen screen_;
    bool initialised_ = false;
    bool changed_ = false;
    std::function<void()> onShow_;
    std::function<void()> notify_;
};

}  // namespace lumar
