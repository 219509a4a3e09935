#pragma once

// EditorList: a quick list of the editor dialogs with their keys and context
// menu. Ctrl+letters, Delete (Shift+Delete: cut), Insert and Shift+Insert
// become the list class's commands; the dialog is asked whether a command
// can run now and runs it. A right click shows the menu the dialog builds
// at that moment; the chosen item runs the same way. Ctrl+A and Ctrl+E
// select all rows and clear the selection as the user's own selection.
//
//   auto* list = new EditorList(ListClass::EditMode, this);
//   list->SetCommands([&](int id) { return editor.IsEnabled(id); },
//                     [&](int id) { editor.Execute(id); follow(); });
//   list->SetMenu([&] { return EditModeMenu(EditModeMenuOf::Binder, ...); });

#include <functional>
#include <vector>

#include "ui/list_commands.h"
#include "ui/list_context_menu.h"
#include "ui/qt/quick_list_view.h"

namespace lumar::merge {

class EditorList : public ui::QuickList {
    Q_OBJECT

public:
    using MenuBuilder = std::function<std::vector<ContextMenuItem>()>;

    EditorList(ListClass listClass, QWidget* parent);

    // `available`: can the command run now (menu command numbers);
    // `execute`: run it (also kSwitchToEditMode and kSwitchToOverviewMode of
    // ui/list_keys.h, which need no asking).
    void SetCommands(ListCommandQuery available, ListCommandExecute execute);
    void SetMenu(MenuBuilder menu) { menu_ = std::move(menu); }

    // The menu a right click would show now.
    [[nodiscard]] std::vector<ContextMenuItem> Menu() const;

Q_SIGNALS:
    // The list got the focus: the dialog's selection commands work on it.
    void Focused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // A control code from the keyboard, or one the list sends itself for
    // Delete and Insert. False when the default handling runs.
    bool handleCode(int code, bool ctrlDown, bool synthetic);
    void run(int command);

    ListClass class_;
    ListCommandQuery available_;
    ListCommandExecute execute_;
    MenuBuilder menu_;
};

}  // namespace lumar::merge
