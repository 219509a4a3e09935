#include "shell/plugin_state.h"

namespace lumar {

PluginState& ThePlugin() {
    static PluginState state;
    return state;
}

void ModuleAttached(void* instance) {
    ThePlugin().moduleInstance = instance;
}

}  // namespace lumar
