#include "plugin/plugin_init.h"

#include <algorithm>
#include <vector>

#include "pdftools/footer_region.h"
#include "platform/host/roles.h"
#include "plugin/host_alert_notes.h"
#include "plugin/host_associated_program.h"
#include "plugin/host_file_choosers.h"
#include "plugin/logon_commands.h"
#include "plugin/lumar_menu.h"
#include "plugin/plugin_names.h"
#include "plugin/quit_check.h"
#include "shell/log_off_hook.h"
#include "shell/plugin_state.h"

namespace lumar {

namespace {

constexpr std::uint32_t kReplaceFlags = 1;

bool AddMenuItems(const MenuEntry* first, const MenuEntry* last) {
    bool added = true;
    for (const MenuEntry* entry = first; entry != last; ++entry) {
        added &= AddMenuItem(entry->title, entry->name, entry->execute, entry->enableTest,
                             entry->visibilityTest);
    }
    return added;
}

}  // namespace

bool InitialisePlugIn() {
    InstallQuitCheck();
    // The choosers of the document folders are the host's.
    SetFileChoosers(&TheHostFileChoosers());
    // Reports are opened for reading by the host's desktop.
    SetAssociatedProgram(&TheHostAssociatedProgram());
    // Messages of the settings and folder code reach the user as host alerts.
    SetAlertNotes(&TheHostAlertNotes());

    // The rows come in groups of the system's subsystems: the publication
    // manager, the PDF check, the footer export (whose region tool joins
    // here), the annotations, and the session and settings.
    const auto& menu = LumarMenu();
    bool result = true;
    result &= AddMenuItems(&menu[0], &menu[2]);
    result &= AddMenuItems(&menu[2], &menu[3]);
    CreateRegionTool();
    result &= AddMenuItems(&menu[3], &menu[4]);
    result &= AddMenuItems(&menu[4], &menu[8]);
    result &= AddMenuItems(&menu[8], menu.data() + menu.size());
    return result;
}

bool UnloadPlugIn() {
    PluginState& state = ThePlugin();
    for (host::MenuItem* item : state.menuItems) {
        try {
            host::removeMenuItem(item);
        } catch (const host::HostError&) {
            // The host already took the item away; nothing is left to remove.
        }
    }
    state.menuItems.clear();
    state.menuItems.shrink_to_fit();
    if (InstalledFileChoosers() == &TheHostFileChoosers()) {
        SetFileChoosers(nullptr);
    }
    AssociatedProgram* installed = SetAssociatedProgram(nullptr);
    if (installed != &TheHostAssociatedProgram()) {
        SetAssociatedProgram(installed);  // someone else's opener stays
    }
    AlertNotes* notes = SetAlertNotes(nullptr);
    if (notes != &TheHostAlertNotes()) {
        SetAlertNotes(notes);
    }
    return true;
}

bool AddMenuItem(const char* title, const char* name, host::ExecuteProc* execute,
                 host::ComputeProc* enableTest, host::ComputeProc* visibilityTest) {
    host::MenuBar* bar = nullptr;
    try {
        bar = host::hostMenuBar();
    } catch (const host::HostError&) {
        return false;
    }
    if (bar == nullptr) {
        return false;
    }

    host::Menu* menu = nullptr;
    host::MenuItem* item = nullptr;
    std::vector<host::HostCallback> callbacks;
    PluginState& state = ThePlugin();
    try {
        menu = host::acquireMenuByName(bar, kExtensionName);
        const bool created = menu == nullptr;
        if (created) {
            menu = host::newMenu(kMenuTitle, kExtensionName);
        }

        item = host::newMenuItem(title, name, nullptr, true, '\0', 0, nullptr);
        if (execute != nullptr) {
            callbacks.push_back(host::makeHostCallback(execute));
            host::setMenuItemExecuteProc(item, callbacks.back(), nullptr);
        }
        if (enableTest != nullptr) {
            callbacks.push_back(host::makeHostCallback(enableTest));
            host::setMenuItemEnableTest(item, callbacks.back(), nullptr);
        }
        if (visibilityTest != nullptr) {
            callbacks.push_back(host::makeHostCallback(visibilityTest));
            host::setMenuItemVisibilityTest(item, callbacks.back(), nullptr);
        }

        host::addMenuItem(menu, item, host::kAppendPosition);
        state.menuItems.push_back(item);
        if (created) {
            host::addMenuToMenuBar(bar, menu, host::kAppendPosition);
        }
        host::releaseMenu(menu);
        return true;
    } catch (const host::HostError&) {
        // Leave nothing half-made behind: no item in the host that the list
        // does not know, no item in the list that the host destroyed with a
        // new menu, no reference to the menu.
        try {
            if (item != nullptr) {
                std::erase(state.menuItems, item);
                host::removeMenuItem(item);
            }
            for (host::HostCallback callback : callbacks) {
                host::destroyHostCallback(callback);
            }
            if (menu != nullptr) {
                host::releaseMenu(menu);
            }
        } catch (const host::HostError&) {
            // The host refuses to tidy up as well; the item stays unreported.
        }
        return false;
    }
}

void InstallQuitCheck() {
    // Quitting while logged on runs the real log-off first.
    SetLogOffCommand(&LogoffCommand);
    try {
        PluginState& state = ThePlugin();
        state.quitCheck = host::makeHostCallback(&QuitCheck);
        host::replaceHostTableEntry(host::TableId::AcroView, &host::AcroViewTable::appMayQuit,
                                    state.quitCheck, kReplaceFlags);
    } catch (const host::HostError& error) {
        host::alertNote(host::hostErrorText(error));
    }
}

}  // namespace lumar
