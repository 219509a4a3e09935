#include "plugin/quit_check.h"

#include "platform/host/roles.h"
#include "service/logon_store.h"

namespace lumar {

namespace {
host::ExecuteProc* logOffCommand = nullptr;
}  // namespace

bool QuitCheck() {
    if (IsLoggedOn() && logOffCommand != nullptr) {
        logOffCommand(nullptr);
    }
    if (IsLoggedOn()) {
        host::alertNote("Please log off first");
        return false;
    }
    return true;
}

void SetLogOffCommand(host::ExecuteProc* command) {
    logOffCommand = command;
}

host::ExecuteProc* LogOffCommand() {
    return logOffCommand;
}

}  // namespace lumar
