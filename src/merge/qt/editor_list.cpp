#include "merge/qt/editor_list.h"

#include <QContextMenuEvent>
#include <QKeyEvent>

#include "merge/editor_menu.h"
#include "ui/list_keys.h"
#include "ui/qt/context_menu_popup.h"

namespace lumar::merge {

EditorList::EditorList(ListClass listClass, QWidget* parent)
    : ui::QuickList(parent), class_(listClass) {}

void EditorList::SetCommands(ListCommandQuery available, ListCommandExecute execute) {
    available_ = std::move(available);
    execute_ = std::move(execute);
}

std::vector<ContextMenuItem> EditorList::Menu() const {
    return menu_ ? menu_() : std::vector<ContextMenuItem>();
}

void EditorList::run(int command) {
    if (execute_) {
        execute_(command);
    }
}

bool EditorList::handleCode(int code, bool ctrlDown, bool synthetic) {
    ListKeyState state;
    state.rowCount = RowCount();
    state.selectedCount = static_cast<int>(SelectedRows().size());
    state.ctrlDown = ctrlDown;
    state.syntheticKey = synthetic;
    ListKeyHandlers handlers;
    // The dialog answers for the command the code stands for.
    handlers.query = [this](int queried) {
        const std::optional<int> command = CommandOfControlCode(class_, queried);
        return command && available_ && available_(*command);
    };
    handlers.execute = [this](int command) { run(command); };
    handlers.selectAll = [this] { selectAll(); };
    handlers.clearSelection = [this] { clearSelection(); };
    return HandleControlCode(class_, code, state, handlers);
}

void EditorList::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = (event->modifiers() & Qt::ControlModifier) != 0;
    const bool shift = (event->modifiers() & Qt::ShiftModifier) != 0;
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
        if (const std::optional<int> code = DeleteKeyCode(class_, shift)) {
            handleCode(*code, ctrl, true);
        }
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Insert) {
        if (const std::optional<int> code = OtherKeyAction(class_, ListKey::Insert, shift).code) {
            handleCode(*code, ctrl, true);
        }
        event->accept();
        return;
    }
    if (ctrl && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z &&
        handleCode(event->key() - Qt::Key_A + 1, true, false)) {
        event->accept();
        return;
    }
    ui::QuickList::keyPressEvent(event);
}

void EditorList::contextMenuEvent(QContextMenuEvent* event) {
    const QPoint position = event->reason() == QContextMenuEvent::Mouse
                                ? event->globalPos()
                                : viewport()->mapToGlobal(visualRect(currentIndex()).center());
    const int command = ui::PopUpContextMenu(this, Menu(), position, EditorAccelerator);
    if (command == list_command::kSelectAll) {
        selectAll();
    } else if (command == list_command::kClearSelection) {
        clearSelection();
    } else if (command != 0) {
        run(command);
    }
}

void EditorList::focusInEvent(QFocusEvent* event) {
    ui::QuickList::focusInEvent(event);
    Q_EMIT Focused();
}

}  // namespace lumar::merge
