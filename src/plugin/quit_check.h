#pragma once

// The quit check: the application may quit only once nobody is logged on.
// It logs the user off first, through the log-off command the session code
// provides (shell/log_off_hook.h).

namespace lumar {

// Replaces the host's "may the application quit" query. Runs the log-off
// command while a user is logged on; if the user is still logged on after
// it, shows "Please log off first" and keeps the application open.
bool QuitCheck();

}  // namespace lumar
