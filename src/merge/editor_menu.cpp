#include "merge/editor_menu.h"

#include <algorithm>
#include <span>

namespace lumar {

namespace {

struct Entry {
    int command;  // 0: a separator
    const char* title;
    const char* accelerator;
};

constexpr Entry kSeparator{0, "", ""};

constexpr Entry kReplace{40003, "&Replace", "Ctrl+R"};
constexpr Entry kInsert{40004, "&Insert", "Ctrl+I"};
constexpr Entry kDelete{40005, "&Delete", "Ctrl+D"};
constexpr Entry kStore{40006, "&Store", "Ctrl+X"};
constexpr Entry kRestore{40007, "Res&tore", "Ctrl+V"};
constexpr Entry kCreateBinder{40053, "Create ne&w binder", "Ctrl+W"};
constexpr Entry kMoveToNewBinder{40054, "&Move to new binder", "Ctrl+M"};
constexpr Entry kToggleTabsheet{40050, "Toggle &tabsheet", "Ctrl+T"};
constexpr Entry kSelectColour{40052, "Select co&lour...", "Ctrl+L"};
constexpr Entry kClearSelection{40001, "Cl&ear selection", "Ctrl+E"};
constexpr Entry kSelectAll{40002, "Select &all", "Ctrl+A"};
constexpr Entry kSwitchToOverview{40009, "Switc&h to Overview mode", "Ctrl+H"};

constexpr Entry kBinderMenu[] = {
    kReplace,        kInsert,         kDelete,       kStore,
    kRestore,        kSeparator,      kCreateBinder, kMoveToNewBinder,
    kSeparator,      kToggleTabsheet, kSelectColour, kSeparator,
    kClearSelection, kSelectAll,      kSeparator,    kSwitchToOverview,
};

constexpr Entry kSupplementMenu[] = {
    kReplace, kInsert, kSeparator, kClearSelection, kSelectAll,
};

constexpr Entry kAnnotationsMenu[] = {
    kToggleTabsheet, kSelectColour, kSeparator, kClearSelection, kSelectAll,
};

// Every entry any of the menus has, for the accelerators.
constexpr Entry kAllEntries[] = {
    kReplace,      kInsert,         kDelete,          kStore,
    kRestore,      kCreateBinder,   kMoveToNewBinder, kToggleTabsheet,
    kSelectColour, kClearSelection, kSelectAll,       kSwitchToOverview,
};

std::span<const Entry> EntriesOf(EditModeMenuOf list) {
    switch (list) {
    case EditModeMenuOf::Binder:
        return kBinderMenu;
    case EditModeMenuOf::Supplement:
        return kSupplementMenu;
    case EditModeMenuOf::Annotations:
        return kAnnotationsMenu;
    }
    return {};
}

}  // namespace

std::vector<ContextMenuItem> EditModeMenu(EditModeMenuOf list, const ListCommandQuery& enabled,
                                          const ListCommandQuery& checked) {
    std::vector<ContextMenuItem> items;
    for (const Entry& entry : EntriesOf(list)) {
        if (entry.command == 0) {
            // No separator at the top or after another one.
            if (!items.empty() && !items.back().IsSeparator()) {
                items.push_back({});
            }
            continue;
        }
        if (enabled(entry.command)) {
            items.push_back({entry.command, entry.title, checked && checked(entry.command)});
        }
    }
    if (!items.empty() && items.back().IsSeparator()) {
        items.pop_back();
    }
    return items;
}

std::string EditorAccelerator(int command) {
    const auto* found = std::find_if(std::begin(kAllEntries), std::end(kAllEntries),
                                     [command](const Entry& e) { return e.command == command; });
    return found == std::end(kAllEntries) ? std::string() : std::string(found->accelerator);
}

}  // namespace lumar
