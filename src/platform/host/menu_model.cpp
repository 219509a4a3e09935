#include "platform/host/menu_model.h"

#include <algorithm>
#include <utility>

#include "platform/host/host_error.h"

namespace lumar::host {

namespace {

template <typename T>
auto positionIn(std::vector<std::unique_ptr<T>>& list, int position) {
    const auto clamped =
        std::clamp<std::ptrdiff_t>(position, 0, static_cast<std::ptrdiff_t>(list.size()));
    return list.begin() + clamped;
}

template <typename T>
auto locate(std::vector<std::unique_ptr<T>>& list, const T* wanted) {
    return std::find_if(list.begin(), list.end(),
                        [wanted](const auto& entry) { return entry.get() == wanted; });
}

}  // namespace

MenuItem::MenuItem(std::string title, std::string name, Menu* submenu, bool longMenusOnly,
                   char shortcut, int flags, ExtensionId owner)
    : title_(std::move(title)),
      name_(std::move(name)),
      submenu_(submenu),
      longMenusOnly_(longMenusOnly),
      shortcut_(shortcut),
      flags_(flags),
      owner_(owner) {}

void MenuItem::setExecute(HostCallback proc, void* clientData) {
    execute_ = {proc, clientData};
}

void MenuItem::setEnableTest(HostCallback proc, void* clientData) {
    enable_ = {proc, clientData};
}

void MenuItem::setVisibilityTest(HostCallback proc, void* clientData) {
    visible_ = {proc, clientData};
}

bool MenuItem::isEnabled() const {
    auto* test = procedureOf<ComputeProc>(enable_.proc);
    return test == nullptr || test(enable_.clientData);
}

bool MenuItem::isVisible() const {
    auto* test = procedureOf<ComputeProc>(visible_.proc);
    return test == nullptr || test(visible_.clientData);
}

bool MenuItem::choose() {
    auto* execute = procedureOf<ExecuteProc>(execute_.proc);
    if (execute == nullptr || !isVisible() || !isEnabled()) {
        return false;
    }
    execute(execute_.clientData);
    return true;
}

Menu::Menu(std::string title, std::string name, ExtensionId owner)
    : title_(std::move(title)), name_(std::move(name)), owner_(owner) {}

MenuItem* Menu::findItem(std::string_view name) const {
    auto found = std::find_if(items_.begin(), items_.end(),
                              [name](const auto& item) { return item->name() == name; });
    return found != items_.end() ? found->get() : nullptr;
}

void Menu::insert(std::unique_ptr<MenuItem> item, int position) {
    item->menu_ = this;
    items_.insert(positionIn(items_, position), std::move(item));
}

std::unique_ptr<MenuItem> Menu::take(MenuItem* item) {
    auto found = locate(items_, item);
    if (found == items_.end()) {
        return nullptr;
    }
    std::unique_ptr<MenuItem> taken = std::move(*found);
    items_.erase(found);
    taken->menu_ = nullptr;
    return taken;
}

MenuBar::MenuBar() = default;
MenuBar::~MenuBar() = default;

Menu* MenuBar::acquireMenu(std::string_view name) {
    Menu* menu = findMenu(name);
    if (menu != nullptr) {
        ++menu->references_;
    }
    return menu;
}

Menu* MenuBar::newMenu(std::string_view title, std::string_view name, ExtensionId owner) {
    detached_.push_back(std::make_unique<Menu>(std::string(title), std::string(name), owner));
    detached_.back()->references_ = 1;
    return detached_.back().get();
}

void MenuBar::addMenu(Menu* menu, int position) {
    auto found = locate(detached_, menu);
    if (found == detached_.end()) {
        throw HostError(error::kBadMenu, "The menu cannot be added to the menu bar.");
    }
    std::unique_ptr<Menu> moved = std::move(*found);
    detached_.erase(found);
    menus_.insert(positionIn(menus_, position), std::move(moved));
}

void MenuBar::releaseMenu(Menu* menu) {
    checkedMenu(menu);
    if (menu->references_ > 0) {
        --menu->references_;
    }
    if (menu->references_ == 0) {
        std::erase_if(detached_, [menu](const auto& entry) { return entry.get() == menu; });
    }
}

MenuItem* MenuBar::newItem(std::string_view title, std::string_view name, Menu* submenu,
                           bool longMenusOnly, char shortcut, int flags, ExtensionId owner) {
    loose_.push_back(std::make_unique<MenuItem>(std::string(title), std::string(name), submenu,
                                                longMenusOnly, shortcut, flags, owner));
    return loose_.back().get();
}

void MenuBar::addItem(Menu* menu, MenuItem* item, int position) {
    checkedMenu(menu);
    auto found = locate(loose_, item);
    if (found == loose_.end()) {
        throw HostError(error::kBadMenu, "The menu item cannot be added to the menu.");
    }
    std::unique_ptr<MenuItem> moved = std::move(*found);
    loose_.erase(found);
    menu->insert(std::move(moved), position);
}

void MenuBar::removeItem(MenuItem* item) {
    if (item == nullptr) {
        return;
    }
    if (item->menu() != nullptr) {
        item->menu()->take(item);  // the returned owner destroys the item
        return;
    }
    std::erase_if(loose_, [item](const auto& entry) { return entry.get() == item; });
}

Menu* MenuBar::findMenu(std::string_view name) const {
    auto found = std::find_if(menus_.begin(), menus_.end(),
                              [name](const auto& menu) { return menu->name() == name; });
    return found != menus_.end() ? found->get() : nullptr;
}

MenuItem* MenuBar::findItem(std::string_view name) const {
    for (const auto& menu : menus_) {
        if (MenuItem* item = menu->findItem(name)) {
            return item;
        }
    }
    return nullptr;
}

Menu* MenuBar::checkedMenu(Menu* menu) const {
    auto known = [menu](const auto& list) {
        return std::any_of(list.begin(), list.end(),
                           [menu](const auto& entry) { return entry.get() == menu; });
    };
    if (menu == nullptr || (!known(menus_) && !known(detached_))) {
        throw HostError(error::kBadMenu, "Unknown menu.");
    }
    return menu;
}

}  // namespace lumar::host
