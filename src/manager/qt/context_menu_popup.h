#pragma once

// Shows a record list's context menu, as the menu model gave its items, as a
// Qt popup menu; returns the chosen item's command, or 0.

#include <QPoint>
#include <vector>

#include "ui/list_context_menu.h"

class QWidget;

namespace lumar::manager {

int PopUpContextMenu(QWidget* parent, const std::vector<ContextMenuItem>& items,
                     const QPoint& globalPosition);

}  // namespace lumar::manager
