#pragma once

// The plug-in loaded into a headless host the way a host loads it: entry
// point, set-up, handshake, initialisation. Tests of commands build on it:
//
//   PluginHarness harness;            // loaded, nobody logged on
//   harness.logOn(3);                 // a user of level 3
//   harness.responder.answerNext(1);  // the next question gets button 1
//   harness.item("TOLMA:LumarLogoff")->choose();
//   EXPECT_EQ(harness.responder.notes(), ...);

#include <memory>
#include <string>

#include "platform/host/extension_loader.h"
#include "platform/host/headless_host.h"
#include "platform/host/menu_model.h"
#include "platform/host/responder.h"

namespace lumar::testing {

class PluginHarness {
public:
    // Loads the plug-in unless `load` is false (then call load() yourself,
    // e.g. after changing the host's tables). The plug-in is unloaded when
    // the harness goes, unless a test did so already.
    explicit PluginHarness(bool load = true);
    ~PluginHarness();

    void load(host::Version offered = host::kHandshakeVersion);
    bool unload();

    // The logon store and the manager flag, as the session would set them.
    void logOn(int level);
    void logOff();
    void setManagerOpen(bool open);

    host::Menu* lumarMenu();
    host::MenuItem* item(const std::string& name);

    host::ScriptedResponder responder;
    host::HeadlessHost headless{responder};
    host::LoadedExtension loaded;

private:
    bool unloaded_ = false;
};

}  // namespace lumar::testing
