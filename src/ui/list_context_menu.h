#pragma once

// The context menus of the record lists as data: which items a right click
// shows, asked of the owner at that moment. The view puts the returned items
// into a popup menu as they stand; a chosen item goes back to the list (the
// selection items and the chooser) or to the owner as an execution.

#include <string>
#include <vector>

#include "ui/column_layout.h"
#include "ui/list_commands.h"

namespace lumar {

struct ContextMenuItem {
    int command = 0;  // 0: a separator
    std::string title;
    bool checked = false;  // column chooser entries only

    [[nodiscard]] bool IsSeparator() const { return command == 0; }
    friend bool operator==(const ContextMenuItem&, const ContextMenuItem&) = default;
};

// What the list knows of itself when the menu opens.
struct ListMenuState {
    int mode = 0;  // the document list: kBinderMode or kSupplementMode
    int rowCount = 0;
    int selectedCount = 0;
};

// The class's menu for a right click on the rows: only the available items
// (unavailable ones are removed, not greyed), paired items reduced to one,
// separators tidied. The edit mode's list has no menu here (its owner makes
// it).
std::vector<ContextMenuItem> ListContextMenu(ListClass list, const ListMenuState& state,
                                             const ListCommandQuery& query);

// The column chooser of a right click on the header: every entry of the set
// in set order (titles of the list's mode), checked when shown; command
// kColumnChooserFirst + set index.
std::vector<ContextMenuItem> ColumnChooserMenu(ColumnSetId set, const ColumnLayout& layout,
                                               int mode);

// The number the list sends its owner after a chooser command.
int ColumnsChangedCommand(ColumnSetId set);

}  // namespace lumar
