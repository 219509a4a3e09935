#include "plugin/logon_commands.h"

#include "platform/host/roles.h"
#include "plugin/logon_dlg.h"
#include "plugin/password_scrambling.h"
#include "service/logon_store.h"
#include "service/ws_client.h"
#include "shell/manager_state.h"
#include "shell/plugin_state.h"
#include "ui/modal_dialog.h"

namespace lumar {

namespace {

// Runs one list operation on a fresh client into the store's list; shows the
// message when it fails.
template <typename Request, typename Result>
bool LoadList(bool (CWSClient::*operation)(const Request&, Result&), const Request& request,
              Result& list) {
    CWSClient client;
    if ((client.*operation)(request, list)) {
        return true;
    }
    host::alertNote(list.Message);
    return false;
}

}  // namespace

bool LoadLookupLists() {
    LogonStore& store = TheLogonStore();
    const LookupListRequest lookup{LogUserID()};
    return LoadList(&CWSClient::PublicationStatusList, lookup, store.publicationStatuses) &&
           LoadList(&CWSClient::LanguageList, lookup, store.languages) &&
           LoadList(&CWSClient::BinderTypeList, lookup, store.binderTypes) &&
           LoadList(&CWSClient::PrintingList, lookup, store.printings) &&
           LoadList(&CWSClient::ColourList, ColourListRequest{LogUserID(), 0}, store.colours);
}

void LogonCommand(void* /*clientData*/) {
    CLogonDlg dialog;
    if (DoModal(dialog, ThePlugin().hostMainWindow) != kIdOk) {
        return;
    }
    LogonStore& store = TheLogonStore();
    store.clear();

    const LogonRequest request{dialog.UserName(), ScramblePassword(dialog.Password())};
    {
        CWSClient client;
        if (!client.Logon(request, store.user)) {
            host::alertNote(store.user.Message);
            // A refused logon leaves nobody logged on, whatever the answer held.
            store.user.clearUser();
            return;
        }
    }
    host::alertNote("Logged on as " + store.user.UserDescription);
    LoadLookupLists();
}

void LogoffCommand(void* /*clientData*/) {
    if (IsLoggedOn() && IsManagerOpen()) {
        CloseManager();
    }
    LogonStore& store = TheLogonStore();
    WSIdResult result;
    CWSClient client;
    if (!client.Logoff(LogoffRequest{store.user.User_ID}, result)) {
        host::alertNote(result.Message);
    }
    store.clear();
}

}  // namespace lumar
