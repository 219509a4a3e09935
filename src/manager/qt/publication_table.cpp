#include "manager/qt/publication_table.h"

#include "manager/manager_dlg.h"
#include "platform/text/qt/qt_text.h"
#include "ui/column_layout.h"
#include "ui/column_sets.h"
#include "ui/qt/list_columns.h"

namespace lumar::manager {

namespace {

Qt::Alignment alignmentOf(int setIndex) {
    return QtAlignment(PublicationColumnSet()[static_cast<std::size_t>(setIndex)].alignment);
}

}  // namespace

PublicationTable::PublicationTable(const CManagerDlg& manager, QObject* parent)
    : QAbstractTableModel(parent), manager_(manager) {}

PublicationTable::Change PublicationTable::Follow() {
    const std::vector<int> columns = PublicationLayout().Shown();
    const std::vector<PublicationLastInfoRecord*>& rows = manager_.Rows();
    if (columns != columns_) {
        beginResetModel();
        columns_ = columns;
        rows_ = rows;
        endResetModel();
        return Change::Columns;
    }
    if (rows != rows_) {
        if (rows.size() == rows_.size()) {
            // Sorted again: the header keeps its sections.
            Q_EMIT layoutAboutToBeChanged();
            rows_ = rows;
            Q_EMIT layoutChanged();
        } else {
            beginResetModel();
            rows_ = rows;
            endResetModel();
        }
        return Change::Rows;
    }
    // A command fetched a row's record again in place.
    if (!rows_.empty() && !columns_.empty()) {
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
    return Change::Cells;
}

int PublicationTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PublicationTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant PublicationTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const int setIndex = columns_[static_cast<std::size_t>(index.column())];
    switch (role) {
    case Qt::DisplayRole:
    // Label tips: the whole text of a cell too narrow for it.
    case Qt::ToolTipRole:
        return text::toQString(CellText(*rows_[static_cast<std::size_t>(index.row())], setIndex));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentOf(setIndex));
    default:
        return {};
    }
}

QVariant PublicationTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const int setIndex = columns_[static_cast<std::size_t>(section)];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return text::toQString(ColumnTitle(ColumnSetId::Publications, setIndex));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentOf(setIndex));
    default:
        return {};
    }
}

}  // namespace lumar::manager
