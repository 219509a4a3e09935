#include "usersettings/proxy_dlg.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "config/settings_store.h"
#include "platform/text/cp1252.h"

namespace lumar {

namespace {

constexpr const char* kKey = "Proxy";
constexpr std::uint32_t kMaxPort = 65535;

std::string readText(const char* name, std::string fallback = {}) {
    std::string text;
    return ReadTextSetting(kKey, name, text) ? text : fallback;
}

int entryMatching(const std::string& authentication) {
    for (std::size_t i = 0; i < CProxyDlg::kAuthentications.size(); ++i) {
        if (text::equalsIgnoreCase(authentication, CProxyDlg::kAuthentications[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

CProxyDlg::CProxyDlg(SettingsDlgServices& services) : services_(services) {}

std::int32_t CProxyDlg::ReadLong(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
        value = std::min(value * 10 + (text[at] - '0'), kLimit);
    }
    value = negative ? -value : value;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::string CProxyDlg::NormalisePort(const std::string& text) {
    if (text.empty()) {
        return "0";
    }
    if (static_cast<std::uint32_t>(ReadLong(text)) > kMaxPort) {
        return std::to_string(kMaxPort);
    }
    return text;
}

void CProxyDlg::Load() {
    std::uint32_t use = 0;
    ReadNumberSetting(kKey, "Use_proxy", use);
    committed_.useProxy = use != 0;
    committed_.server = readText("Proxy_server");
    std::uint32_t port = 0;
    ReadNumberSetting(kKey, "Proxy_port", port);
    committed_.port = port;
    committed_.authentication = readText("Proxy_authentication", "NTLM");
    committed_.domain = readText("Proxy_domain");
    committed_.login = readText("Proxy_login");
    committed_.password = readText("Proxy_password");
    initialised_ = true;
    Reset();
}

void CProxyDlg::Reset() {
    screen_.useProxy = committed_.useProxy;
    screen_.server = committed_.server;
    screen_.portText = std::to_string(committed_.port);
    screen_.authentication = entryMatching(committed_.authentication);
    screen_.domain = committed_.domain;
    screen_.login = committed_.login;
    screen_.password = committed_.password;
    show();
    checkChanged();
}

void CProxyDlg::Save() {
    screen_.portText = NormalisePort(screen_.portText);
    show();
    committed_.useProxy = screen_.useProxy;
    committed_.server = screen_.server;
    committed_.port = static_cast<std::uint32_t>(ReadLong(screen_.portText));
    committed_.authentication = AuthenticationText();
    committed_.domain = screen_.domain;
    committed_.login = screen_.login;
    committed_.password = screen_.password;
    WriteNumberSetting(kKey, "Use_proxy", committed_.useProxy ? 1 : 0);
    WriteNumberSetting(kKey, "Proxy_port", committed_.port);
    WriteTextSetting(kKey, "Proxy_server", committed_.server);
    WriteTextSetting(kKey, "Proxy_domain", committed_.domain);
    WriteTextSetting(kKey, "Proxy_login", committed_.login);
    WriteTextSetting(kKey, "Proxy_password", committed_.password);
    WriteTextSetting(kKey, "Proxy_authentication", committed_.authentication);
    checkChanged();
}

void CProxyDlg::SetUseProxy(bool use) {
    screen_.useProxy = use;
    checkChanged();
}

void CProxyDlg::SetServer(const std::string& server) {
    screen_.server = server;
    checkChanged();
}

void CProxyDlg::SetPortText(const std::string& port) {
    screen_.portText = port;
    checkChanged();
}

void CProxyDlg::SetAuthentication(int index) {
    screen_.authentication =
        index >= 0 && index < static_cast<int>(kAuthentications.size()) ? index : -1;
    checkChanged();
}

void CProxyDlg::SetDomain(const std::string& domain) {
    screen_.domain = domain;
    checkChanged();
}

void CProxyDlg::SetLogin(const std::string& login) {
    screen_.login = login;
    checkChanged();
}

void CProxyDlg::SetPassword(const std::string& password) {
    screen_.password = password;
    checkChanged();
}

std::string CProxyDlg::AuthenticationText() const {
    return screen_.authentication >= 0
               ? kAuthentications[static_cast<std::size_t>(screen_.authentication)]
               : "";
}

bool CProxyDlg::ServerEnabled() const {
    return screen_.useProxy;
}

bool CProxyDlg::PortEnabled() const {
    const auto first = screen_.server.find_first_not_of(" \t");
    return screen_.useProxy && first != std::string::npos;
}

bool CProxyDlg::CredentialsEnabled() const {
    return screen_.useProxy && screen_.authentication != kNtlm;
}

bool CProxyDlg::TestConnection(const std::string& uri) const {
    ConnectionValues values;
    values.uri = uri;
    values.useProxy = screen_.useProxy;
    if (screen_.useProxy) {
        values.proxyPort = ReadLong(screen_.portText);
        values.proxyServer = screen_.server;
        values.proxyDomain = screen_.domain;
        values.proxyLogin = screen_.login;
        values.proxyPassword = screen_.password;
        values.proxyAuthentication = AuthenticationText();
    }
    return services_.testConnection(values);
}

void CProxyDlg::show() {
    if (onShow_) {
        onShow_();
    }
}

void CProxyDlg::checkChanged() {
    changed_ = screen_.useProxy != committed_.useProxy ||
               !text::equalsIgnoreCase(screen_.server, committed_.server) ||
               static_cast<std::uint32_t>(ReadLong(screen_.portText)) != committed_.port ||
               !text::equalsIgnoreCase(screen_.domain, committed_.domain) ||
               !text::equalsIgnoreCase(AuthenticationText(), committed_.authentication) ||
               screen_.login != committed_.login || screen_.password != committed_.password;
    if (notify_) {
        notify_();
    }
}

}  // namespace lumar
