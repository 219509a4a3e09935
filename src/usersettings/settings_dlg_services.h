#pragma once

// What the settings dialog needs from outside itself: the session (is a
// user logged on, log off), the connection test with the values on screen,
// the folder chooser and the host's modal state. The defaults are the
// system's own; tests replace the parts that need a person.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace lumar {

// The service location and proxy as the dialog's pages show them.
struct ConnectionValues {
    std::string uri;
    bool useProxy = false;
    std::int32_t proxyPort = 0;
    std::string proxyServer;
    std::string proxyDomain;
    std::string proxyLogin;
    std::string proxyPassword;
    std::string proxyAuthentication;
};

struct SettingsDlgServices {
    std::function<bool()> isLoggedOn;
    // The log-off command of the session.
    std::function<void()> logOff;
    // Whether the service answers the connection test with these values.
    std::function<bool(const ConnectionValues&)> testConnection;
    // The folder chooser: the chosen folder, or none when cancelled.
    std::function<std::optional<std::string>(const std::string& initialFolder,
                                             const std::string& title, const std::string& prompt,
                                             void* owner)>
        chooseFolder;
    // The host's modal state while the dialog's window is open.
    std::function<void(void* window)> beginModal;
    std::function<void()> endModal;
};

// The session of the logon store, the log-off command, a service client for
// the test, the host's folder chooser and modal state.
SettingsDlgServices DefaultSettingsDlgServices();

// The connection test: a client that starts from the saved settings and
// takes the values on screen instead (the proxy values only when the proxy
// is used).
bool TestConnectionWith(const ConnectionValues& values);

}  // namespace lumar
