#include "manager/qt/publication_list.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>

#include "manager/manager_dlg.h"
#include "manager/qt/publication_table.h"
#include "ui/column_layout.h"
#include "ui/list_keys.h"
#include "ui/qt/context_menu_popup.h"
#include "ui/qt/list_columns.h"

namespace lumar::manager {

PublicationList::PublicationList(CManagerDlg& manager, QWidget* parent)
    : QTableView(parent), manager_(manager), table_(new PublicationTable(manager, this)) {
    setObjectName("1004");
    setModel(table_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    // Rows of one height scroll without measuring each one.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* header = horizontalHeader();
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setContextMenuPolicy(Qt::CustomContextMenu);

    connect(header, &QHeaderView::sectionClicked, this,
            [this](int column) { manager_.OnHeaderClick(column); });
    connect(header, &QHeaderView::customContextMenuRequested, this,
            &PublicationList::showHeaderMenu);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &PublicationList::userSelected);
}

void PublicationList::Follow() {
    if (following_) {
        return;
    }
    following_ = true;
    QHeaderView* header = horizontalHeader();
    const QByteArray headerState = header->saveState();
    const QModelIndex shownBefore = currentIndex();
    const PublicationTable::Change change = table_->Follow();
    if (change == PublicationTable::Change::Columns) {
        // The layout's order is the display order now.
        for (int column = 0; column < header->count(); ++column) {
            header->moveSection(header->visualIndex(column), column);
        }
        applyWidths();
    } else if (change == PublicationTable::Change::Rows) {
        // Filled again: the user's column order and widths stay.
        header->restoreState(headerState);
    }
    const int sortColumn = manager_.SortColumn();
    header->setSortIndicatorShown(sortColumn >= 0);
    if (sortColumn >= 0) {
        header->setSortIndicator(
            sortColumn, PublicationLayout().ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    }
    const int row = manager_.SelectedRow();
    if (row < 0) {
        clearSelection();
        setCurrentIndex({});
    } else if (table_->columnCount() > 0) {
        const int column = std::max(0, currentIndex().column());
        const QModelIndex shown = table_->index(row, column);
        selectionModel()->setCurrentIndex(
            shown, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        if (change != PublicationTable::Change::Cells || shown != shownBefore) {
            scrollTo(shown);
        }
    }
    following_ = false;
}

void PublicationList::applyWidths() {
    ApplyColumnWidths(*this, PublicationLayout(), ColumnSetId::Publications, table_->columnCount());
}

void PublicationList::CaptureColumns() {
    CaptureColumnHeader(*this, PublicationLayout());
}

void PublicationList::ToggleColumn(int setIndex) {
    CaptureColumns();
    lumar::ToggleColumn(PublicationLayout(), setIndex);
    manager_.ListCommand(ColumnsChangedCommand(ColumnSetId::Publications));
}

void PublicationList::userSelected() {
    if (following_) {
        return;
    }
    const QModelIndexList rows = selectionModel()->selectedRows();
    manager_.SelectRow(rows.isEmpty() ? -1 : rows.front().row());
}

bool PublicationList::available(int command) const {
    bool isAvailable = false;
    manager_.ListCommand(command, &isAvailable);
    return isAvailable;
}

std::vector<ContextMenuItem> PublicationList::RowMenu() const {
    ListMenuState state;
    state.rowCount = table_->rowCount();
    state.selectedCount = manager_.SelectedRow() >= 0 ? 1 : 0;
    return ListContextMenu(ListClass::Publications, state,
                           [this](int command) { return available(command); });
}

std::vector<ContextMenuItem> PublicationList::HeaderMenu() {
    return ColumnChooserMenu(ColumnSetId::Publications, PublicationLayout(), kBinderMode);
}

void PublicationList::contextMenuEvent(QContextMenuEvent* event) {
    const QPoint position = event->reason() == QContextMenuEvent::Mouse
                                ? event->globalPos()
                                : viewport()->mapToGlobal(visualRect(currentIndex()).center());
    if (const int command = ui::PopUpContextMenu(this, RowMenu(), position)) {
        manager_.ListCommand(command);
    }
}

void PublicationList::showHeaderMenu(const QPoint& position) {
    const int command =
        ui::PopUpContextMenu(this, HeaderMenu(), horizontalHeader()->mapToGlobal(position));
    if (command >= kColumnChooserFirst) {
        ToggleColumn(command - kColumnChooserFirst);
    }
}

void PublicationList::keyPressEvent(QKeyEvent* event) {
    const bool shift = (event->modifiers() & Qt::ShiftModifier) != 0;
    if (event->key() == Qt::Key_F5) {
        if (const std::optional<int> command =
                OtherKeyAction(ListClass::Publications, ListKey::F5, shift).command) {
            manager_.ListCommand(*command);
            return;
        }
    }
    const bool ctrl = (event->modifiers() & Qt::ControlModifier) != 0;
    if (ctrl && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z) {
        ListKeyState state;
        state.rowCount = table_->rowCount();
        state.selectedCount = manager_.SelectedRow() >= 0 ? 1 : 0;
        state.ctrlDown = true;
        ListKeyHandlers handlers;
        handlers.query = [this](int command) { return available(command); };
        handlers.execute = [this](int command) { manager_.ListCommand(command); };
        // The list selects one row at most: Ctrl+A leaves the selection.
        handlers.selectAll = [] {};
        handlers.clearSelection = [this] { manager_.SelectRow(-1); };
        if (HandleControlCode(ListClass::Publications, event->key() - Qt::Key_A + 1, state,
                              handlers)) {
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void PublicationList::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (indexAt(event->position().toPoint()).isValid()) {
        manager_.OnDoubleClick();
    }
}

}  // namespace lumar::manager
