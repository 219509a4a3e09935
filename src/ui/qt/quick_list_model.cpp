#include "ui/qt/quick_list_model.h"

#include <algorithm>

#include "platform/text/qt/qt_text.h"

namespace lumar::ui {

QuickListModel::QuickListModel(QObject* parent) : QAbstractTableModel(parent) {}

void QuickListModel::SetColumns(std::vector<QuickListColumn> columns) {
    beginResetModel();
    columns_ = std::move(columns);
    endResetModel();
}

void QuickListModel::SetRowCount(int rows) {
    rows = std::max(rows, 0);
    if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows({}, rows, rows_ - 1);
        rows_ = rows;
        endRemoveRows();
    }
}

QuickListCell QuickListModel::Cell(int row, int column, bool selected, bool hot) const {
    QuickListCell cell;
    cell.item = row;
    cell.column = column;
    cell.selected = selected;
    cell.hot = hot;
    const Qt::Alignment alignment = column >= 0 && column < columnCount()
                                        ? columns_[static_cast<std::size_t>(column)].alignment
                                        : Qt::AlignLeft;
    cell.drawFormat = static_cast<std::uint32_t>((alignment & Qt::AlignHorizontal_Mask) |
                                                 Qt::AlignVCenter | Qt::TextSingleLine);
    if (filler_) {
        filler_(cell);
    }
    return cell;
}

int QuickListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int QuickListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant QuickListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) {
        return {};
    }
    return text::toQString(Cell(index.row(), index.column(), false, false).text);
}

QVariant QuickListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return {};
    }
    const QuickListColumn& column = columns_[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) {
        return text::toQString(column.title);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(column.alignment | Qt::AlignVCenter);
    }
    return {};
}

}  // namespace lumar::ui
