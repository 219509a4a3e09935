#pragma once

// Shows a list's context menu, as the menu model gave its items, as a Qt
// popup menu; returns the chosen item's command, or 0. `shortcutOf`, when
// given, names a command's key, shown at the right of its title.

#include <QPoint>
#include <functional>
#include <string>
#include <vector>

#include "ui/list_context_menu.h"

class QWidget;

namespace lumar::ui {

int PopUpContextMenu(QWidget* parent, const std::vector<ContextMenuItem>& items,
                     const QPoint& globalPosition,
                     const std::function<std::string(int command)>& shortcutOf = {});

}  // namespace lumar::ui
