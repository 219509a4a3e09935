#include "manager/qt/document_table.h"

#include "manager/publication_details_dlg.h"
#include "platform/text/qt/qt_text.h"
#include "ui/column_layout.h"
#include "ui/column_sets.h"
#include "ui/qt/list_columns.h"

namespace lumar::manager {

namespace {

Qt::Alignment alignmentOf(int setIndex) {
    return QtAlignment(DocumentColumnSet()[static_cast<std::size_t>(setIndex)].alignment);
}

}  // namespace

DocumentTable::DocumentTable(const CPublicationDetailsDlg& dialog, QObject* parent)
    : QAbstractTableModel(parent), dialog_(dialog) {}

DocumentTable::Change DocumentTable::Follow() {
    const std::vector<int> columns = DocumentLayout().Shown();
    const int rows = dialog_.DocumentCount();
    if (columns != columns_) {
        beginResetModel();
        columns_ = columns;
        rows_ = rows;
        endResetModel();
        return Change::Columns;
    }
    if (rows != rows_) {
        beginResetModel();
        rows_ = rows;
        endResetModel();
        return Change::Rows;
    }
    // Sorted again, or fetched again with as many rows.
    Q_EMIT layoutAboutToBeChanged();
    Q_EMIT layoutChanged();
    if (rows_ > 0 && !columns_.empty()) {
        Q_EMIT dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
    }
    return Change::Cells;
}

int DocumentTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int DocumentTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant DocumentTable::data(const QModelIndex& index, int role) const {
    // The dialog may have fetched fewer rows than the view still shows
    // (while a message about the fetch is up).
    if (!index.isValid() || index.row() >= rowCount() || index.row() >= dialog_.DocumentCount() ||
        index.column() >= columnCount()) {
        return {};
    }
    const int setIndex = columns_[static_cast<std::size_t>(index.column())];
    const auto row = static_cast<std::size_t>(index.row());
    switch (role) {
    case Qt::DisplayRole:
    // Label tips: the whole text of a cell too narrow for it.
    case Qt::ToolTipRole:
        return text::toQString(dialog_.SupplementMode()
                                   ? CellText(dialog_.Supplements()[row], setIndex)
                                   : CellText(dialog_.BinderDocuments()[row], setIndex));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentOf(setIndex));
    default:
        return {};
    }
}

QVariant DocumentTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const int setIndex = columns_[static_cast<std::size_t>(section)];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return text::toQString(
            ColumnTitle(ColumnSetId::Documents, setIndex,
                        dialog_.SupplementMode() ? kSupplementMode : kBinderMode));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentOf(setIndex));
    default:
        return {};
    }
}

}  // namespace lumar::manager
