#pragma once

// How the editors' pair lists draw their rows: the overview's states in
// their own colours (replaced blue, inserted green, restored violet; gone
// rows grey and italic), pairs already used grey and italic, and the width
// of the "Page pair" column, which holds the longest marker.

#include "merge/merge_overview.h"
#include "ui/quick_list_cell.h"

namespace lumar::ui {
class QuickList;
}

namespace lumar::merge {

void StyleOverviewRow(QuickListCell& cell, RowState state);
void StyleUsedRow(QuickListCell& cell);

// The "Page pair" column: the swatch, the gap and "Restored(999-B35)" in bold.
int PairColumnWidth(const ui::QuickList& list);

}  // namespace lumar::merge
