#include "ui/qt/context_menu_popup.h"

#include <QMenu>

#include "platform/text/qt/qt_text.h"

namespace lumar::ui {

int PopUpContextMenu(QWidget* parent, const std::vector<ContextMenuItem>& items,
                     const QPoint& globalPosition,
                     const std::function<std::string(int command)>& shortcutOf) {
    if (items.empty()) {
        return 0;
    }
    QMenu menu(parent);
    for (const ContextMenuItem& item : items) {
        if (item.IsSeparator()) {
            menu.addSeparator();
            continue;
        }
        QString title = text::toQString(item.title);
        const std::string shortcut = shortcutOf ? shortcutOf(item.command) : std::string();
        if (!shortcut.empty()) {
            title += '\t' + QString::fromLatin1(shortcut.c_str());
        }
        QAction* action = menu.addAction(title);
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

}  // namespace lumar::ui
