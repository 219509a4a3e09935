#include "plugin/plugin_harness.h"

#include "plugin/plugin_entry.h"
#include "plugin/plugin_names.h"
#include "service/logon_store.h"
#include "shell/log_off_hook.h"
#include "shell/manager_state.h"

namespace lumar::testing {

PluginHarness::PluginHarness(bool load) {
    TheLogonStore().clear();
    SetManagerOpen(false);
    SetLogOffCommand(nullptr);
    if (load) {
        this->load();
    }
}

PluginHarness::~PluginHarness() {
    if (!unloaded_) {
        unload();
    }
    TheLogonStore().clear();
    SetManagerOpen(false);
    SetLogOffCommand(nullptr);
}

void PluginHarness::load(host::Version offered) {
    static int moduleInstance = 0;
    loaded = host::loadExtension(headless.host(), &PlugInEntry, &moduleInstance, offered);
}

bool PluginHarness::unload() {
    unloaded_ = true;
    return host::unloadExtension(loaded);
}

void PluginHarness::logOn(int level) {
    TheLogonStore().user.User_ID = 17;
    TheLogonStore().user.Authorisation_ID = level;
}

void PluginHarness::logOff() {
    TheLogonStore().clear();
}

void PluginHarness::setManagerOpen(bool open) {
    SetManagerOpen(open);
}

host::Menu* PluginHarness::lumarMenu() {
    return headless.ui().menuBar()->findMenu(kExtensionName);
}

host::MenuItem* PluginHarness::item(const std::string& name) {
    return headless.ui().menuBar()->findItem(name);
}

}  // namespace lumar::testing
