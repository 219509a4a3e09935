#include "plugin/settings_command.h"

#include "shell/plugin_state.h"
#include "ui/modal_dialog.h"
#include "usersettings/settings_dlg.h"

namespace lumar {

void SettingsCommand(void* /*clientData*/) {
    CSettingsDlg dialog;
    DoModal(dialog, ThePlugin().hostMainWindow);
}

}  // namespace lumar
