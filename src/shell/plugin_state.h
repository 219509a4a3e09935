#pragma once

// What the plug-in keeps from load to unload. The extension identifier and
// the imported host tables live in host::imported(), where the host role
// wrappers read them.

#include <vector>

#include "platform/host/host_types.h"

namespace lumar {

struct PluginState {
    // Handed over at the entry point; the owner of dialogs without another.
    void* hostMainWindow = nullptr;
    // The module's instance: recorded when the module is attached, replaced
    // by the one the host hands over at the entry point.
    void* moduleInstance = nullptr;
    // Every menu item the plug-in added, so that unload can take them away.
    std::vector<host::MenuItem*> menuItems;
    // The quit check as a host callback, kept for the life of the plug-in.
    host::HostCallback quitCheck = nullptr;
};

PluginState& ThePlugin();

// The operating system's notice that the module was attached to the process.
void ModuleAttached(void* instance);

}  // namespace lumar
