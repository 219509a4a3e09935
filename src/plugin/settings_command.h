#pragma once

// The settings command of the "&Lumar" menu: the settings dialog, modal over
// the host's main window. Its outcome does not matter to the menu.

namespace lumar {

void SettingsCommand(void* clientData);

}  // namespace lumar
