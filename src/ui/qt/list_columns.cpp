#include "ui/qt/list_columns.h"

#include <QHeaderView>
#include <QTableView>
#include <algorithm>
#include <vector>

#include "ui/column_layout.h"

namespace lumar {

Qt::Alignment QtAlignment(ColumnAlignment alignment) {
    switch (alignment) {
    case ColumnAlignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case ColumnAlignment::Centred:
        return Qt::AlignCenter;
    case ColumnAlignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

void ApplyColumnWidths(QTableView& view, const ColumnLayout& layout, ColumnSetId set,
                       int columnCount) {
    QHeaderView* header = view.horizontalHeader();
    // QTableView hides its measure of a column; the item view offers it.
    const QAbstractItemView& measured = view;
    const int clientWidth = view.contentsRect().width();
    for (int column = 0; column < columnCount; ++column) {
        int width = ColumnWidth(layout, set, column, clientWidth);
        if (width == kFitCells || width == kFitTitleAndCells) {
            const int cells = measured.sizeHintForColumn(column);
            const int title = header->sectionSizeHint(column);
            // A column without cells still shows its title.
            width = width == kFitTitleAndCells || cells <= 0 ? std::max(cells, title) : cells;
        }
        header->resizeSection(column, width);
    }
}

void CaptureColumnHeader(const QTableView& view, ColumnLayout& layout) {
    const QHeaderView* header = view.horizontalHeader();
    std::vector<int> columnAtPosition;
    std::vector<int> widthAtPosition;
    for (int position = 0; position < header->count(); ++position) {
        const int column = header->logicalIndex(position);
        columnAtPosition.push_back(column);
        widthAtPosition.push_back(header->sectionSize(column));
    }
    CaptureHeader(layout, columnAtPosition, widthAtPosition);
}

}  // namespace lumar
