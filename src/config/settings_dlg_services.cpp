#include "config/settings_dlg_services.h"

#include "platform/host/roles.h"
#include "plugin/quit_check.h"
#include "service/logon_store.h"
#include "service/ws_client.h"

namespace lumar {

namespace {

// The kind of host window the plug-in's dialogs ask for.
constexpr int kDialogWindowKind = 3;

}  // namespace

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
    // The host window made for the dialog lives as long as the modal state.
    auto window = std::make_shared<host::HostWindow>(0);
    services.beginModal = [window](void* platformWindow) {
        try {
            *window = host::hostWindowFromPlatformWindow(platformWindow, kDialogWindowKind);
            host::beginModalState(*window);
        } catch (const host::HostError&) {
            // A host without windows for dialogs: the dialog is modal anyway.
        }
    };
    services.endModal = [window] {
        try {
            host::endModalState();
            if (*window != 0) {
                host::destroyHostWindow(*window);
                *window = 0;
            }
        } catch (const host::HostError&) {
            // Nothing left to undo.
        }
    };
    return services;
}

}  // namespace lumar
