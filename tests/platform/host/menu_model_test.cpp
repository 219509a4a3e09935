// The menu bar model: positions, references, and the items' procedures.

#include "platform/host/menu_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/host/callback_registry.h"
#include "platform/host/host_error.h"

namespace lumar::host {
namespace {

std::vector<std::string> itemNames(const Menu& menu) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < menu.itemCount(); ++i) {
        names.push_back(menu.item(i).name());
    }
    return names;
}

TEST(MenuBar, ItemsGoWhereTheirPositionSays) {
    MenuBar bar;
    Menu* menu = bar.newMenu("&Tools", "Tools", 1);
    bar.addMenu(menu, kAppendPosition);
    for (const auto& [name, position] : std::vector<std::pair<std::string, int>>{
             {"b", kAppendPosition}, {"d", kAppendPosition}, {"a", 0}, {"c", 2}, {"e", 99}}) {
        bar.addItem(menu, bar.newItem(name, name, nullptr, false, 0, 0, 1), position);
    }
    EXPECT_EQ(itemNames(*menu), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    bar.removeItem(menu->findItem("c"));
    EXPECT_EQ(itemNames(*menu), (std::vector<std::string>{"a", "b", "d", "e"}));
    EXPECT_EQ(bar.findItem("d"), menu->findItem("d"));
    EXPECT_EQ(bar.findItem("c"), nullptr);
}

TEST(MenuBar, MenuReferencesAndMenusNeverAdded) {
    MenuBar bar;
    Menu* kept = bar.newMenu("&Kept", "Kept", 1);
    bar.addMenu(kept, 0);
    EXPECT_EQ(bar.acquireMenu("Kept"), kept);
    EXPECT_EQ(kept->references(), 2);
    bar.releaseMenu(kept);
    bar.releaseMenu(kept);
    EXPECT_EQ(kept->references(), 0);
    EXPECT_EQ(bar.findMenu("Kept"), kept);  // the bar keeps its menus

    Menu* dropped = bar.newMenu("&Dropped", "Dropped", 1);
    bar.releaseMenu(dropped);
    EXPECT_EQ(bar.acquireMenu("Dropped"), nullptr);
    EXPECT_THROW(bar.addMenu(dropped, 0), HostError);
    EXPECT_THROW(bar.addMenu(kept, 0), HostError);  // already in the bar
    EXPECT_EQ(bar.menuCount(), 1u);
}

int executed = 0;
void* seenClientData = nullptr;
bool enabled = true;

void execute(void* clientData) {
    ++executed;
    seenClientData = clientData;
}

bool isEnabled(void* clientData) {
    seenClientData = clientData;
    return enabled;
}

bool isHidden(void*) {
    return false;
}

TEST(MenuItem, ProceduresDecideWhatChoosingDoes) {
    CallbackRegistry callbacks;
    MenuBar bar;
    Menu* menu = bar.newMenu("&M", "M", 7);
    bar.addMenu(menu, 0);
    MenuItem* item = bar.newItem("&Go", "Go", nullptr, true, 'G', 0, 7);
    bar.addItem(menu, item, 0);
    EXPECT_EQ(item->menu(), menu);

    // No procedures: shown and enabled, but choosing does nothing.
    EXPECT_TRUE(item->isVisible());
    EXPECT_TRUE(item->isEnabled());
    EXPECT_FALSE(item->choose());

    int data = 0;
    item->setExecute(callbacks.make(7, reinterpret_cast<GenericProc>(&execute)), &data);
    item->setEnableTest(callbacks.make(7, reinterpret_cast<GenericProc>(&isEnabled)), &data);
    executed = 0;
    enabled = false;
    EXPECT_FALSE(item->choose());
    EXPECT_EQ(seenClientData, &data);
    enabled = true;
    seenClientData = nullptr;
    EXPECT_TRUE(item->choose());
    EXPECT_EQ(executed, 1);
    EXPECT_EQ(seenClientData, &data);

    item->setVisibilityTest(callbacks.make(7, reinterpret_cast<GenericProc>(&isHidden)), nullptr);
    EXPECT_FALSE(item->isVisible());
    EXPECT_FALSE(item->choose());
    EXPECT_EQ(executed, 1);
}

}  // namespace
}  // namespace lumar::host
