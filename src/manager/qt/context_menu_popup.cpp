#include "manager/qt/context_menu_popup.h"

#include <QMenu>

#include "platform/text/qt/qt_text.h"

namespace lumar::manager {

int PopUpContextMenu(QWidget* parent, const std::vector<ContextMenuItem>& items,
                     const QPoint& globalPosition) {
    if (items.empty()) {
        return 0;
    }
    QMenu menu(parent);
    for (const ContextMenuItem& item : items) {
        if (item.IsSeparator()) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(text::toQString(item.title));
        action->setData(item.command);
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
    }
    int chosen = 0;
    QObject::connect(&menu, &QMenu::triggered, &menu,
                     [&chosen](const QAction* action) { chosen = action->data().toInt(); });
    menu.exec(globalPosition);
    return chosen;
}

}  // namespace lumar::manager
