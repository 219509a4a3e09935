#include "plugin/settings_command.h"

#include "config/settings_dlg.h"
#include "plugin/plugin_state.h"
#include "ui/modal_dialog.h"

namespace lumar {

void SettingsCommand(void* /*clientData*/) {
    CSettingsDlg dialog;
    DoModal(dialog, ThePlugin().hostMainWindow);
}

}  // namespace lumar
