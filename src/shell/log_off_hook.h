#pragma once

// The log-off command as a hook: the session code provides it at start-up,
// and the quit check and the settings dialog run it without depending on the
// session code itself.

#include "platform/host/menu_model.h"

namespace lumar {

// The log-off command (a menu execute procedure; its argument is ignored).
// Null until the session code provides it.
void SetLogOffCommand(host::ExecuteProc* command);
host::ExecuteProc* LogOffCommand();

}  // namespace lumar
