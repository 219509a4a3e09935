// Initialisation and unload: the "&Lumar" menu's items, what happens when the
// host refuses one, and the items' enable and visibility tests in each state
// of the session and the host.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/host/host_error.h"
#include "platform/host/tables.h"
#include "plugin/lumar_menu.h"
#include "plugin/plugin_harness.h"
#include "plugin/plugin_names.h"
#include "shell/plugin_state.h"

namespace lumar {
namespace {

struct ExpectedItem {
    const char* title;
    const char* name;
};

const std::vector<ExpectedItem> kExpectedMenu = {
    {"Open publication &manager...", "TOLMA:LumarManagerOpen"},
    {"Close publication &manager", "TOLMA:LumarManagerClose"},
    {"&Check PDF file", "TOLMA:LumarCheckPDF"},
    {"&Export footer information...", "TOLMA:LumarVoetRegels"},
    {"&Import annotations...", "TOLMA:LumarAnnotImport"},
    {"Check number of &annotations", "TOLMA:LumarAnnotCheck"},
    {"Create annotation &report", "TOLMA:LumarAnnotRepYes"},
    {"Create annotation report (&no numbers)", "TOLMA:LumarAnnotRepNo"},
    {"-", "TOLMA:LumarMenuSeparator"},
    {"&Log on...", "TOLMA:LumarLogon"},
    {"-", "TOLMA:LumarLogonSeparator"},
    {"&Log off", "TOLMA:LumarLogoff"},
    {"-", "TOLMA:LumarLogoffSeparator"},
    {"Settin&gs...", "TOLMA:LumarSettings"},
};

std::vector<std::string> itemNames(const host::Menu& menu) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < menu.itemCount(); ++i) {
        names.push_back(menu.item(i).name());
    }
    return names;
}

std::vector<std::string> expectedNamesWithout(const std::string& missing) {
    std::vector<std::string> names;
    for (const ExpectedItem& item : kExpectedMenu) {
        if (item.name != missing) {
            names.emplace_back(item.name);
        }
    }
    return names;
}

TEST(Initialisation, BuildsTheMenuAtTheEndOfTheMenuBar) {
    testing::PluginHarness harness(false);
    host::MenuBar& bar = harness.headless.menuBar();
    host::Menu* file = bar.newMenu("&File", "Host:File", 0);
    bar.addMenu(file, host::kAppendPosition);
    bar.releaseMenu(file);

    harness.load();
    ASSERT_TRUE(harness.loaded.initialised);
    ASSERT_EQ(bar.menuCount(), 2u);
    const host::Menu& menu = bar.menu(1);
    EXPECT_EQ(menu.title(), "&Lumar");
    EXPECT_EQ(menu.name(), kExtensionName);
    EXPECT_EQ(menu.owner(), harness.loaded.extension);
    EXPECT_EQ(menu.references(), 0);

    ASSERT_EQ(menu.itemCount(), kExpectedMenu.size());
    for (std::size_t i = 0; i < kExpectedMenu.size(); ++i) {
        const host::MenuItem& item = menu.item(i);
        SCOPED_TRACE(item.name());
        EXPECT_EQ(item.title(), kExpectedMenu[i].title);
        EXPECT_EQ(item.name(), kExpectedMenu[i].name);
        EXPECT_TRUE(item.longMenusOnly());
        EXPECT_EQ(item.owner(), harness.loaded.extension);
        EXPECT_EQ(item.submenu(), nullptr);
        EXPECT_EQ(item.shortcut(), '\0');
    }
    // The first separator and the settings item are never tested.
    EXPECT_FALSE(menu.item(8).hasEnableTest());
    EXPECT_FALSE(menu.item(8).hasVisibilityTest());
    EXPECT_FALSE(menu.item(13).hasEnableTest());
    EXPECT_FALSE(menu.item(13).hasVisibilityTest());
    EXPECT_EQ(ThePlugin().menuItems.size(), kExpectedMenu.size());
}

TEST(Initialisation, AddsToAMenuOfThatNameAlreadyThere) {
    testing::PluginHarness harness(false);
    host::MenuBar& bar = harness.headless.menuBar();
    host::Menu* existing = bar.newMenu("Lumar", kExtensionName, 0);
    bar.addMenu(existing, host::kAppendPosition);
    bar.releaseMenu(existing);

    harness.load();
    EXPECT_TRUE(harness.loaded.initialised);
    EXPECT_EQ(bar.menuCount(), 1u);
    EXPECT_EQ(existing->itemCount(), kExpectedMenu.size());
    EXPECT_EQ(existing->references(), 0);
}

// Hooks into the host's tables, as a host with faults would behave.
host::AcroViewTable originalView;
std::string failingName;

host::MenuItem* newMenuItemFailingFor(const char* title, const char* name, host::Menu* submenu,
                                      bool longMenusOnly, char shortcut, int flags,
                                      const void* icon, host::ExtensionId owner) {
    if (failingName == name) {
        throw host::HostError(host::error::kBadMenu, "No more menu items.");
    }
    return originalView.newMenuItem(title, name, submenu, longMenusOnly, shortcut, flags, icon,
                                    owner);
}

void addMenuItemFailingFor(host::Menu* menu, host::MenuItem* item, int position) {
    if (failingName == item->name()) {
        throw host::HostError(host::error::kBadMenu, "The menu is full.");
    }
    originalView.addMenuItem(menu, item, position);
}

host::MenuBar* noMenuBar() {
    return nullptr;
}

void replaceViewEntry(testing::PluginHarness& harness, std::size_t offset, host::GenericProc proc) {
    originalView = harness.headless.host().acroView();
    harness.headless.tables().replaceEntry("AcroView", offset, proc);
}

struct FailureCase {
    const char* name;
    const char* failingItem;
    bool failOnAdd;  // the host refuses to add the item, after making it
};

class ItemFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ItemFailure, LeavesTheItemOutAndTheRestIn) {
    const FailureCase& c = GetParam();
    testing::PluginHarness harness(false);
    failingName = c.failingItem;
    if (c.failOnAdd) {
        replaceViewEntry(harness, host::entryOffset(&host::AcroViewTable::addMenuItem),
                         reinterpret_cast<host::GenericProc>(&addMenuItemFailingFor));
    } else {
        replaceViewEntry(harness, host::entryOffset(&host::AcroViewTable::newMenuItem),
                         reinterpret_cast<host::GenericProc>(&newMenuItemFailingFor));
    }

    harness.load();
    EXPECT_TRUE(harness.loaded.handshaken);
    EXPECT_FALSE(harness.loaded.initialised);
    host::Menu* menu = harness.lumarMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(itemNames(*menu), expectedNamesWithout(c.failingItem));
    EXPECT_EQ(menu->references(), 0);
    EXPECT_EQ(harness.headless.menuBar().looseItemCount(), 0u);
    EXPECT_EQ(ThePlugin().menuItems.size(), kExpectedMenu.size() - 1);

    EXPECT_TRUE(harness.unload());
    EXPECT_EQ(menu->itemCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Host, ItemFailure,
    ::testing::Values(FailureCase{"MakingTheFirst", "TOLMA:LumarManagerOpen", false},
                      FailureCase{"MakingOneInTheMiddle", "TOLMA:LumarAnnotCheck", false},
                      FailureCase{"AddingOneInTheMiddle", "TOLMA:LumarLogon", true},
                      FailureCase{"AddingTheLast", "TOLMA:LumarSettings", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Initialisation, FirstItemRefusedLeavesNoNewMenuBehind) {
    testing::PluginHarness harness(false);
    failingName = "TOLMA:LumarManagerOpen";
    replaceViewEntry(harness, host::entryOffset(&host::AcroViewTable::addMenuItem),
                     reinterpret_cast<host::GenericProc>(&addMenuItemFailingFor));
    harness.load();
    EXPECT_FALSE(harness.loaded.initialised);
    // The second item made the menu again and put it into the bar.
    ASSERT_NE(harness.lumarMenu(), nullptr);
    EXPECT_EQ(harness.headless.menuBar().menuCount(), 1u);
    EXPECT_EQ(harness.lumarMenu()->itemCount(), kExpectedMenu.size() - 1);
}

TEST(Initialisation, WithoutMenuBarAddsNothing) {
    testing::PluginHarness harness(false);
    replaceViewEntry(harness, host::entryOffset(&host::AcroViewTable::menuBar),
                     reinterpret_cast<host::GenericProc>(&noMenuBar));
    harness.load();
    EXPECT_TRUE(harness.loaded.handshaken);
    EXPECT_FALSE(harness.loaded.initialised);
    EXPECT_EQ(harness.headless.menuBar().menuCount(), 0u);
    EXPECT_TRUE(ThePlugin().menuItems.empty());
    EXPECT_TRUE(harness.unload());
}

void replaceEntryRefused(host::Atom, std::size_t, host::HostCallback, std::uint32_t) {
    throw host::HostError(host::error::kNotFound, "This host keeps its own quit query.");
}

TEST(Initialisation, QuitCheckRefusedIsShownAndTheMenuStillBuilt) {
    testing::PluginHarness harness(false);
    harness.headless.tables().replaceEntry(
        "AcroSupport", host::entryOffset(&host::AcroSupportTable::replaceEntry),
        reinterpret_cast<host::GenericProc>(&replaceEntryRefused));
    harness.load();
    EXPECT_TRUE(harness.loaded.initialised);
    EXPECT_EQ(harness.responder.notes(),
              std::vector<std::string>{"This host keeps its own quit query."});
    EXPECT_EQ(harness.lumarMenu()->itemCount(), kExpectedMenu.size());
}

TEST(Unload, RemovesEveryItemAndLeavesTheMenu) {
    testing::PluginHarness harness;
    ASSERT_TRUE(harness.loaded.initialised);
    host::Menu* menu = harness.lumarMenu();
    ASSERT_EQ(menu->itemCount(), kExpectedMenu.size());

    EXPECT_TRUE(harness.unload());
    EXPECT_EQ(harness.lumarMenu(), menu);
    EXPECT_EQ(menu->itemCount(), 0u);
    EXPECT_EQ(harness.headless.menuBar().looseItemCount(), 0u);
    EXPECT_TRUE(ThePlugin().menuItems.empty());
}

// --- The items' tests in each state --------------------------------------

// One character per item of the menu, in order: '1' shown (or enabled).
std::string visibleItems(const host::Menu& menu) {
    std::string flags;
    for (std::size_t i = 0; i < menu.itemCount(); ++i) {
        flags += menu.item(i).isVisible() ? '1' : '0';
    }
    return flags;
}

std::string enabledItems(const host::Menu& menu) {
    std::string flags;
    for (std::size_t i = 0; i < menu.itemCount(); ++i) {
        flags += menu.item(i).isEnabled() ? '1' : '0';
    }
    return flags;
}

struct StateCase {
    const char* name;
    void (*enter)(testing::PluginHarness& harness);
    //                  items: 1234567890abcd
    const char* shown;
    const char* enabled;
};

class MenuState : public ::testing::TestWithParam<StateCase> {};

TEST_P(MenuState, ShownAndEnabledItems) {
    const StateCase& c = GetParam();
    testing::PluginHarness harness;
    ASSERT_TRUE(harness.loaded.initialised);
    c.enter(harness);
    const host::Menu& menu = *harness.lumarMenu();
    EXPECT_EQ(visibleItems(menu), c.shown);
    EXPECT_EQ(enabledItems(menu), c.enabled);
    EXPECT_TRUE(harness.responder.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Session, MenuState,
    ::testing::Values(StateCase{"NobodyLoggedOn", [](testing::PluginHarness&) {},  //
                                "00000000111001", "00000000111001"},
                      StateCase{"LevelOne", [](testing::PluginHarness& h) { h.logOn(1); },
                                "10111111100111", "00000000100111"},
                      StateCase{"LevelTwo", [](testing::PluginHarness& h) { h.logOn(2); },
                                "10111111100111", "10000000100111"},
                      StateCase{"LevelThreeWithoutDocument",
                                [](testing::PluginHarness& h) { h.logOn(3); }, "10111111100111",
                                "10000000100111"},
                      StateCase{"ManagerOpen",
                                [](testing::PluginHarness& h) {
                                    h.logOn(2);
                                    h.setManagerOpen(true);
                                },
                                "01111111100111", "01000000100111"},
                      StateCase{"HostModal",
                                [](testing::PluginHarness& h) {
                                    h.logOn(5);
                                    h.headless.ui().beginModal(0);
                                },
                                "10111111100111", "00000000100111"},
                      StateCase{"HostModalManagerOpen",
                                [](testing::PluginHarness& h) {
                                    h.logOn(5);
                                    h.setManagerOpen(true);
                                    h.headless.ui().beginModal(0);
                                },
                                "01111111100111", "00000000100111"},
                      // The manager's flag alone does not show its items to nobody.
                      StateCase{"ManagerOpenNobodyLoggedOn",
                                [](testing::PluginHarness& h) { h.setManagerOpen(true); },
                                "00000000111001", "00000000111001"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumar
