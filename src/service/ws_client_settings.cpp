#include "service/ws_client_settings.h"

#include "config/settings_store.h"

namespace lumar {

namespace {

// A text setting; a value of another type leaves `field` as it was (the
// store itself would hand back its raw bytes).
void ReadText(std::string_view key, std::string_view name, std::string& field) {
    std::string text;
    if (ReadTextSetting(key, name, text)) {
        field = std::move(text);
    }
}

void ReadNumber(std::string_view key, std::string_view name, std::int32_t& field) {
    std::uint32_t number = 0;
    if (ReadNumberSetting(key, name, number)) {
        field = static_cast<std::int32_t>(number);
    }
}

// A limit: only a positive value replaces the default.
void ReadLimit(std::string_view name, std::int64_t& field) {
    std::uint32_t number = 0;
    if (ReadNumberSetting("Uri", name, number) && number > 0) {
        field = number;
    }
}

}  // namespace

WSClientSettings ReadWSClientSettings() {
    WSClientSettings settings;
    ReadText("Uri", "Web_service", settings.uri);
    std::int32_t useProxy = 0;
    ReadNumber("Proxy", "Use_proxy", useProxy);
    settings.useProxy = useProxy != 0;
    ReadNumber("Proxy", "Proxy_port", settings.proxyPort);
    ReadText("Proxy", "Proxy_server", settings.proxyServer);
    ReadText("Proxy", "Proxy_domain", settings.proxyDomain);
    ReadText("Proxy", "Proxy_login", settings.proxyLogin);
    ReadText("Proxy", "Proxy_password", settings.proxyPassword);
    ReadText("Proxy", "Proxy_authentication", settings.proxyAuthentication);
    ReadLimit("Connect_timeout_ms", settings.limits.connectTimeoutMs);
    ReadLimit("Request_timeout_ms", settings.limits.totalTimeoutMs);
    ReadLimit("Answer_limit_bytes", settings.limits.maxAnswerBytes);
    return settings;
}

}  // namespace lumar
