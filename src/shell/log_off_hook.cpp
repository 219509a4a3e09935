#include "shell/log_off_hook.h"

namespace lumar {

namespace {
host::ExecuteProc* logOffCommand = nullptr;
}  // namespace

void SetLogOffCommand(host::ExecuteProc* command) {
    logOffCommand = command;
}

host::ExecuteProc* LogOffCommand() {
    return logOffCommand;
}

}  // namespace lumar
