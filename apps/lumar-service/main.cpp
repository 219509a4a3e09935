// lumar-service: the reference publication administration service.

#include "lumar-service/command_line.h"

int main(int argc, char** argv) {
    lumar::service_app::ServiceCommandLine commandLine;
    if (const auto exitCode = lumar::service_app::ParseCommandLine(argc, argv, commandLine)) {
        return *exitCode;
    }
    return lumar::service_app::RunService(commandLine);
}
