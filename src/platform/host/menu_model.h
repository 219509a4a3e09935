#pragma once

// The host's menu bar as a model: menus found by their language-independent
// names, items with a title, a name, a position and the execute, enable and
// visibility procedures (host callbacks with client data) of their owner.
// The headless host shows nothing; a desktop host mirrors this model in its
// real menus.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/host_types.h"

namespace lumar::host {

// A position beyond the last entry appends (the system passes 9999).
inline constexpr int kAppendPosition = 9999;

// Procedure signatures of menu items.
using ExecuteProc = void(void* clientData);
using ComputeProc = bool(void* clientData);

class MenuItem {
public:
    MenuItem(std::string title, std::string name, Menu* submenu, bool longMenusOnly, char shortcut,
             int flags, ExtensionId owner);

    [[nodiscard]] const std::string& title() const { return title_; }
    [[nodiscard]] const std::string& name() const { return name_; }
    [[nodiscard]] Menu* submenu() const { return submenu_; }
    [[nodiscard]] bool longMenusOnly() const { return longMenusOnly_; }
    [[nodiscard]] char shortcut() const { return shortcut_; }
    [[nodiscard]] int flags() const { return flags_; }
    [[nodiscard]] ExtensionId owner() const { return owner_; }
    [[nodiscard]] Menu* menu() const { return menu_; }

    void setExecute(HostCallback proc, void* clientData);
    void setEnableTest(HostCallback proc, void* clientData);
    void setVisibilityTest(HostCallback proc, void* clientData);
    [[nodiscard]] bool hasExecute() const { return execute_.proc != nullptr; }
    [[nodiscard]] bool hasEnableTest() const { return enable_.proc != nullptr; }
    [[nodiscard]] bool hasVisibilityTest() const { return visible_.proc != nullptr; }

    // The tests of the owner; an item without a test is enabled and shown.
    [[nodiscard]] bool isEnabled() const;
    [[nodiscard]] bool isVisible() const;

    // What choosing the item does: runs the execute procedure when the item
    // is shown, enabled and has one. Returns whether it ran.
    bool choose();

private:
    friend class Menu;
    struct Binding {
        HostCallback proc = nullptr;
        void* clientData = nullptr;
    };

    std::string title_;
    std::string name_;
    Menu* submenu_;
    bool longMenusOnly_;
    char shortcut_;
    int flags_;
    ExtensionId owner_;
    Menu* menu_ = nullptr;
    Binding execute_;
    Binding enable_;
    Binding visible_;
};

class Menu {
public:
    Menu(std::string title, std::string name, ExtensionId owner);

    [[nodiscard]] const std::string& title() const { return title_; }
    [[nodiscard]] const std::string& name() const { return name_; }
    [[nodiscard]] ExtensionId owner() const { return owner_; }

    [[nodiscard]] std::size_t itemCount() const { return items_.size(); }
    [[nodiscard]] MenuItem& item(std::size_t index) const { return *items_.at(index); }
    [[nodiscard]] MenuItem* findItem(std::string_view name) const;

    // References handed out by "acquire" and "new menu" and not yet released.
    [[nodiscard]] int references() const { return references_; }

private:
    friend class MenuBar;
    void insert(std::unique_ptr<MenuItem> item, int position);
    std::unique_ptr<MenuItem> take(MenuItem* item);

    std::string title_;
    std::string name_;
    ExtensionId owner_;
    int references_ = 0;
    std::vector<std::unique_ptr<MenuItem>> items_;
};

class MenuBar {
public:
    MenuBar();
    ~MenuBar();
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    // The menu of the bar with that language-independent name, with one more
    // reference, or null.
    Menu* acquireMenu(std::string_view name);

    // A new menu, not yet in the bar, with one reference.
    Menu* newMenu(std::string_view title, std::string_view name, ExtensionId owner);

    // Puts a new menu into the bar at `position`. Throws HostError for a menu
    // that is unknown or already in the bar.
    void addMenu(Menu* menu, int position);

    // Gives back one reference. A menu outside the bar goes away with its last.
    void releaseMenu(Menu* menu);

    // A new item, in no menu yet.
    MenuItem* newItem(std::string_view title, std::string_view name, Menu* submenu,
                      bool longMenusOnly, char shortcut, int flags, ExtensionId owner);

    // Puts an item that is in no menu into `menu` at `position`.
    void addItem(Menu* menu, MenuItem* item, int position);

    // Takes an item out of its menu and destroys it.
    void removeItem(MenuItem* item);

    // Lookups for the hosts and tests, without references.
    [[nodiscard]] std::size_t menuCount() const { return menus_.size(); }
    [[nodiscard]] Menu& menu(std::size_t index) const { return *menus_.at(index); }
    [[nodiscard]] Menu* findMenu(std::string_view name) const;
    [[nodiscard]] MenuItem* findItem(std::string_view name) const;
    // Items made but never put into a menu (or left over by a failed add).
    [[nodiscard]] std::size_t looseItemCount() const { return loose_.size(); }

private:
    Menu* checkedMenu(Menu* menu) const;

    std::vector<std::unique_ptr<Menu>> menus_;      // in the bar, in order
    std::vector<std::unique_ptr<Menu>> detached_;   // made, not yet in the bar
    std::vector<std::unique_ptr<MenuItem>> loose_;  // made, not yet in a menu
};

}  // namespace lumar::host
