#pragma once

// Menu 126, "Context menu for Edit mode", of the editors' pair lists, as
// data: which items a right click shows, asked of the dialog at that moment.
// Unavailable items are left out (not greyed) and the separators tidied, as
// in the record lists' menus; "Toggle &tabsheet" is checked when the
// selected pairs are tab sheets.
//
//   std::vector<ContextMenuItem> items = EditModeMenu(EditModeMenuOf::Binder,
//       [&](int id) { return editor.IsEnabled(id); },
//       [&](int id) { return editor.IsChecked(id); });

#include <string>
#include <vector>

#include "ui/list_commands.h"
#include "ui/list_context_menu.h"

namespace lumar {

enum class EditModeMenuOf {
    Binder,       // the merge data editor's binder list: every item
    Supplement,   // its supplement list: Replace and Insert
    Annotations,  // the document annotations dialog: tab sheet and colour
};

std::vector<ContextMenuItem> EditModeMenu(EditModeMenuOf list, const ListCommandQuery& enabled,
                                          const ListCommandQuery& checked);

// The accelerator a menu item of the editors shows beside its title
// ("Ctrl+R"); empty for none.
std::string EditorAccelerator(int command);

}  // namespace lumar
