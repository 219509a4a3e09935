// lumar.so as a host sees it: one exported symbol, PlugInMain, through which
// a host loads the plug-in and gets its menu.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/host/extension_loader.h"
#include "platform/host/headless_host.h"
#include "platform/host/host_error.h"
#include "platform/host/tables.h"

namespace lumar {
namespace {

std::string run(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) {
        return {};
    }
    std::string output;
    char buffer[4096];
    while (std::size_t read = std::fread(buffer, 1, sizeof buffer, pipe.get())) {
        output.append(buffer, read);
    }
    return output;
}

TEST(Module, ExportsPlugInMainOnly) {
    const std::string symbols =
        run(std::string(LUMAR_NM) + " -D --defined-only " + LUMAR_MODULE_PATH);
    std::vector<std::string> names;
    std::istringstream lines(symbols);
    for (std::string line; std::getline(lines, line);) {
        names.push_back(line.substr(line.find_last_of(' ') + 1));
    }
    EXPECT_EQ(names, std::vector<std::string>{"PlugInMain"}) << symbols;
}

struct ModuleCloser {
    void operator()(void* module) const { dlclose(module); }
};

TEST(Module, LoadsIntoAHostThroughItsEntryPoint) {
    std::unique_ptr<void, ModuleCloser> module(dlopen(LUMAR_MODULE_PATH, RTLD_NOW | RTLD_LOCAL));
    ASSERT_NE(module, nullptr) << dlerror();
    auto entry = reinterpret_cast<host::EntryPoint>(dlsym(module.get(), host::kEntryPointName));
    ASSERT_NE(entry, nullptr);

    host::ScriptedResponder responder;
    host::HeadlessHost headless(responder);
    host::LoadedExtension loaded = host::loadExtension(headless.host(), entry, module.get());
    EXPECT_EQ(loaded.handshakeVersion, host::kHandshakeVersion);
    EXPECT_TRUE(loaded.initialised);

    host::Menu* menu = headless.menuBar().findMenu("TOLMA:OrvaneLumar");
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->itemCount(), 14u);
    // Nobody is logged on in the module's session.
    std::string shown;
    for (std::size_t i = 0; i < menu->itemCount(); ++i) {
        shown += menu->item(i).isVisible() ? '1' : '0';
    }
    EXPECT_EQ(shown, "00000000111001");
    EXPECT_TRUE(headless.host().applicationMayQuit());

    EXPECT_TRUE(host::unloadExtension(loaded));
    EXPECT_EQ(menu->itemCount(), 0u);
    EXPECT_TRUE(responder.messages().empty());
}

host::AcroViewTable originalView;

host::MenuItem* refuseLogOnItem(const char* title, const char* name, host::Menu* submenu,
                                bool longMenusOnly, char shortcut, int flags, const void* icon,
                                host::ExtensionId owner) {
    if (std::string(name) == "TOLMA:LumarLogon") {
        throw host::HostError(host::error::kBadMenu, "No more menu items.");
    }
    return originalView.newMenuItem(title, name, submenu, longMenusOnly, shortcut, flags, icon,
                                    owner);
}

// The host's errors are thrown in the host program and caught in the module.
TEST(Module, CatchesTheHostsErrors) {
    std::unique_ptr<void, ModuleCloser> module(dlopen(LUMAR_MODULE_PATH, RTLD_NOW | RTLD_LOCAL));
    ASSERT_NE(module, nullptr) << dlerror();
    auto entry = reinterpret_cast<host::EntryPoint>(dlsym(module.get(), host::kEntryPointName));

    host::ScriptedResponder responder;
    host::HeadlessHost headless(responder);
    originalView = headless.host().acroView();
    headless.tables().replaceEntry("AcroView", host::entryOffset(&host::AcroViewTable::newMenuItem),
                                   reinterpret_cast<host::GenericProc>(&refuseLogOnItem));
    host::LoadedExtension loaded = host::loadExtension(headless.host(), entry, module.get());
    EXPECT_TRUE(loaded.handshaken);
    EXPECT_FALSE(loaded.initialised);
    host::Menu* menu = headless.menuBar().findMenu("TOLMA:OrvaneLumar");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->itemCount(), 13u);
    EXPECT_EQ(menu->findItem("TOLMA:LumarLogon"), nullptr);
    EXPECT_TRUE(host::unloadExtension(loaded));
}

}  // namespace
}  // namespace lumar
