#pragma once

// The quit check: the application may quit only once nobody is logged on.
// It logs the user off first, through the log-off command the session code
// provides.

#include "platform/host/menu_model.h"

namespace lumar {

// Replaces the host's "may the application quit" query. Runs the log-off
// command while a user is logged on; if the user is still logged on after
// it, shows "Please log off first" and keeps the application open.
bool QuitCheck();

// The log-off command (a menu execute procedure; its argument is ignored).
// Null until the session code provides it.
void SetLogOffCommand(host::ExecuteProc* command);
host::ExecuteProc* LogOffCommand();

}  // namespace lumar
