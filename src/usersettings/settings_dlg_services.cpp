#include "usersettings/settings_dlg_services.h"

#include <memory>

#include "platform/host/roles.h"
#include "service/logon_store.h"
#include "service/ws_client.h"
#include "shell/log_off_hook.h"
#include "ui/host_modal_state.h"

namespace lumar {

bool TestConnectionWith(const ConnectionValues& values) {
    CWSClient client;
    client.SetUri(values.uri);
    client.SetUseProxy(values.useProxy);
    if (values.useProxy) {
        client.SetProxyPort(values.proxyPort);
        client.SetProxyServer(values.proxyServer);
        client.SetProxyDomain(values.proxyDomain);
        client.SetProxyLogin(values.proxyLogin);
        client.SetProxyPassword(values.proxyPassword);
        client.SetProxyAuthentication(values.proxyAuthentication);
    }
    return client.TestConnection();
}

SettingsDlgServices DefaultSettingsDlgServices() {
    SettingsDlgServices services;
    services.isLoggedOn = [] { return IsLoggedOn(); };
    services.logOff = [] {
        if (host::ExecuteProc* command = LogOffCommand()) {
            command(nullptr);
        }
    };
    services.testConnection = TestConnectionWith;
    services.chooseFolder = [](const std::string& initialFolder, const std::string& title,
                               const std::string& prompt,
                               void* /*owner*/) -> std::optional<std::string> {
        try {
            host::FolderChoice choice;
            choice.initialFolder = initialFolder;
            choice.title = title;
            choice.prompt = prompt;
            return host::chooseFolder(choice);
        } catch (const host::HostError& error) {
            host::alertNote(host::hostErrorText(error));
            return std::nullopt;
        }
    };
    auto modal = std::make_shared<HostModalState>();
    services.beginModal = [modal](void* platformWindow) { modal->Begin(platformWindow); };
    services.endModal = [modal] { modal->End(); };
    return services;
}

}  // namespace lumar
