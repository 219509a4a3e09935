#include "manager/qt/document_list.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>
#include <numeric>

#include "manager/publication_details_dlg.h"
#include "manager/qt/document_table.h"
#include "ui/column_layout.h"
#include "ui/list_keys.h"
#include "ui/qt/context_menu_popup.h"
#include "ui/qt/list_columns.h"

namespace lumar::manager {

DocumentList::DocumentList(CPublicationDetailsDlg& dialog, QWidget* parent)
    : QTableView(parent), dialog_(dialog), table_(new DocumentTable(dialog, this)) {
    setObjectName("1010");
    setModel(table_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* header = horizontalHeader();
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setContextMenuPolicy(Qt::CustomContextMenu);

    connect(header, &QHeaderView::sectionClicked, this, [this](int column) {
        dialog_.OnHeaderClick(column);
        Q_EMIT Acted();
    });
    connect(header, &QHeaderView::customContextMenuRequested, this, &DocumentList::showHeaderMenu);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &DocumentList::userSelected);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &DocumentList::userScrolled);
}

int DocumentList::mode() const {
    return dialog_.SupplementMode() ? kSupplementMode : kBinderMode;
}

void DocumentList::Follow() {
    if (following_) {
        return;
    }
    following_ = true;
    QHeaderView* header = horizontalHeader();
    const QByteArray headerState = header->saveState();
    const DocumentTable::Change change = table_->Follow();
    if (change == DocumentTable::Change::Columns) {
        // The layout's order is the display order now.
        for (int column = 0; column < header->count(); ++column) {
            header->moveSection(header->visualIndex(column), column);
        }
        applyWidths();
    } else if (change == DocumentTable::Change::Rows) {
        // Filled again: the user's column order and widths stay.
        header->restoreState(headerState);
    }
    const ColumnLayout& layout = DocumentLayout();
    header->setSortIndicatorShown(layout.sortColumn >= 0);
    if (layout.sortColumn >= 0) {
        header->setSortIndicator(layout.sortColumn,
                                 layout.ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    }
    showSelection();
    if (change != DocumentTable::Change::Cells && table_->rowCount() > 0 &&
        table_->columnCount() > 0) {
        // The row that was at the top before the fill comes back into view.
        scrollTo(table_->index(dialog_.TopRow(), 0), QAbstractItemView::PositionAtTop);
    }
    following_ = false;
}

void DocumentList::showSelection() {
    QItemSelection selection;
    for (const int row : dialog_.SelectedRows()) {
        if (row < table_->rowCount() && table_->columnCount() > 0) {
            selection.select(table_->index(row, 0), table_->index(row, table_->columnCount() - 1));
        }
    }
    const bool wasFollowing = following_;
    following_ = true;
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!selection.isEmpty()) {
        selectionModel()->setCurrentIndex(selection.front().topLeft(),
                                          QItemSelectionModel::NoUpdate);
    }
    following_ = wasFollowing;
}

void DocumentList::applyWidths() {
    ApplyColumnWidths(*this, DocumentLayout(), ColumnSetId::Documents, table_->columnCount());
}

void DocumentList::CaptureColumns() {
    CaptureColumnHeader(*this, DocumentLayout());
}

void DocumentList::ToggleColumn(int setIndex) {
    CaptureColumns();
    lumar::ToggleColumn(DocumentLayout(), setIndex);
    execute(ColumnsChangedCommand(ColumnSetId::Documents));
}

void DocumentList::userSelected() {
    if (following_) {
        return;
    }
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    dialog_.SelectRows(rows);
    Q_EMIT Acted();
}

void DocumentList::userScrolled() {
    if (following_) {
        return;
    }
    const int top = rowAt(0);
    dialog_.SetTopRow(std::max(0, top));
}

bool DocumentList::available(int command) const {
    bool isAvailable = false;
    dialog_.ListCommand(command, &isAvailable);
    return isAvailable;
}

void DocumentList::execute(int command) {
    dialog_.ListCommand(command);
    Q_EMIT Acted();
}

void DocumentList::selectDocuments(bool all) {
    std::vector<int> rows;
    if (all) {
        rows.resize(static_cast<std::size_t>(dialog_.DocumentCount()));
        std::iota(rows.begin(), rows.end(), 0);
    }
    dialog_.SelectRows(rows);
    Q_EMIT Acted();
}

std::vector<ContextMenuItem> DocumentList::RowMenu() const {
    ListMenuState state;
    state.mode = mode();
    state.rowCount = dialog_.DocumentCount();
    state.selectedCount = static_cast<int>(dialog_.SelectedRows().size());
    return ListContextMenu(ListClass::Documents, state,
                           [this](int command) { return available(command); });
}

std::vector<ContextMenuItem> DocumentList::HeaderMenu() const {
    return ColumnChooserMenu(ColumnSetId::Documents, DocumentLayout(), mode());
}

void DocumentList::contextMenuEvent(QContextMenuEvent* event) {
    const QPoint position = event->reason() == QContextMenuEvent::Mouse
                                ? event->globalPos()
                                : viewport()->mapToGlobal(visualRect(currentIndex()).center());
    const int command = ui::PopUpContextMenu(this, RowMenu(), position);
    if (command == list_command::kSelectAllDocuments) {
        selectDocuments(true);
    } else if (command == list_command::kClearDocumentSelection) {
        selectDocuments(false);
    } else if (command != 0) {
        execute(command);
    }
}

void DocumentList::showHeaderMenu(const QPoint& position) {
    const int command =
        ui::PopUpContextMenu(this, HeaderMenu(), horizontalHeader()->mapToGlobal(position));
    if (command >= kColumnChooserFirst) {
        ToggleColumn(command - kColumnChooserFirst);
    }
}

bool DocumentList::handleCode(int code, bool ctrlDown, bool synthetic) {
    ListKeyState state;
    state.rowCount = dialog_.DocumentCount();
    state.selectedCount = static_cast<int>(dialog_.SelectedRows().size());
    state.ctrlDown = ctrlDown;
    state.syntheticKey = synthetic;
    ListKeyHandlers handlers;
    handlers.query = [this](int command) { return available(command); };
    handlers.execute = [this](int command) { execute(command); };
    handlers.selectAll = [this] { selectDocuments(true); };
    handlers.clearSelection = [this] { selectDocuments(false); };
    return HandleControlCode(ListClass::Documents, code, state, handlers);
}

void DocumentList::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = (event->modifiers() & Qt::ControlModifier) != 0;
    const bool shift = (event->modifiers() & Qt::ShiftModifier) != 0;
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
        // The list sends itself the delete command's code, then the key
        // takes its default course.
        if (const std::optional<int> code = DeleteKeyCode(ListClass::Documents, shift)) {
            handleCode(*code, ctrl, true);
        }
        QTableView::keyPressEvent(event);
        return;
    }
    if (ctrl && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z &&
        handleCode(event->key() - Qt::Key_A + 1, true, false)) {
        return;
    }
    QTableView::keyPressEvent(event);
}

void DocumentList::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    dialog_.OnDoubleClick(indexAt(event->position().toPoint()).isValid());
    Q_EMIT Acted();
}

}  // namespace lumar::manager
