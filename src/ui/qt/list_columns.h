#pragma once

// What the Qt lists over a column set share: the cells' alignment, the
// widths the column layout gives the shown columns, and the header's order
// and widths handed back to the layout.

#include <Qt>

#include "ui/column_sets.h"

class QTableView;

namespace lumar {

struct ColumnLayout;

// The alignment of a column of the set.
Qt::Alignment QtAlignment(ColumnAlignment alignment);

// Gives the view's shown columns the widths of `layout`; a column the layout
// fits to its cells (and title) is measured in the view.
void ApplyColumnWidths(QTableView& view, const ColumnLayout& layout, ColumnSetId set,
                       int columnCount);

// Hands the header's column order and widths, as the user left them, to
// `layout`.
void CaptureColumnHeader(const QTableView& view, ColumnLayout& layout);

}  // namespace lumar
