#include "plugin/quit_check.h"

#include "platform/host/roles.h"
#include "service/logon_store.h"
#include "shell/log_off_hook.h"

namespace lumar {

bool QuitCheck() {
    if (IsLoggedOn()) {
        if (host::ExecuteProc* command = LogOffCommand()) {
            command(nullptr);
        }
    }
    if (IsLoggedOn()) {
        host::alertNote("Please log off first");
        return false;
    }
    return true;
}

}  // namespace lumar
