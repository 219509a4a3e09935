// The plug-in module's one export, and its notice of being attached to the
// process. Everything else in the module stays hidden.

#include <dlfcn.h>

#include "platform/host/startup_records.h"
#include "plugin/plugin_entry.h"
#include "plugin/qt/qt_views.h"
#include "shell/plugin_state.h"

extern "C" __attribute__((visibility("default"))) bool PlugInMain(
    lumar::host::Version hostHandshakeVersion, lumar::host::Version* pluginHandshakeVersion,
    lumar::host::SetupProc* setup, void* platformData) {
    lumar::InstallQtViews();
    return lumar::PlugInEntry(hostHandshakeVersion, pluginHandshakeVersion, setup, platformData);
}

namespace {

// Runs when the module is loaded: the module's load address stands for its
// instance until the host hands over its own value.
__attribute__((constructor)) void moduleAttached() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&moduleAttached), &info) != 0) {
        lumar::ModuleAttached(info.dli_fbase);
    }
}

}  // namespace
