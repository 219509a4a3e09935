#include "merge/qt/editor_rows.h"

#include <QFontMetrics>
#include <QHeaderView>

#include "ui/qt/quick_list_view.h"

namespace lumar::merge {

namespace {

constexpr std::uint32_t rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r | (g << 8U) | (b << 16U);
}

constexpr std::uint32_t kReplacedColour = rgb(0, 84, 166);
constexpr std::uint32_t kInsertedColour = rgb(0, 122, 51);
constexpr std::uint32_t kRestoredColour = rgb(118, 46, 150);
constexpr std::uint32_t kGoneColour = rgb(128, 128, 128);

// Room beside the widest marker.
constexpr int kColumnPadding = 16;

}  // namespace

void StyleOverviewRow(QuickListCell& cell, RowState state) {
    switch (state) {
    case RowState::Unchanged:
        return;
    case RowState::Replaced:
        cell.textColour = kReplacedColour;
        break;
    case RowState::Inserted:
        cell.textColour = kInsertedColour;
        break;
    case RowState::Restored:
        cell.textColour = kRestoredColour;
        break;
    case RowState::Deleted:
    case RowState::Stored:
    case RowState::Extracted:
        cell.textColour = kGoneColour;
        cell.italic = true;
        break;
    }
    // The marker of a changed row stands out.
    cell.bold = cell.column == 0;
}

void StyleUsedRow(QuickListCell& cell) {
    cell.textColour = kGoneColour;
    cell.italic = true;
}

int PairColumnWidth(const ui::QuickList& list) {
    const int rowHeight = list.verticalHeader()->defaultSectionSize();
    const CellRect cell{0, 0, rowHeight * 4, rowHeight};
    QFont bold = list.font();
    bold.setBold(true);
    const int widest = QFontMetrics(bold).horizontalAdvance(QStringLiteral("Restored(999-B35)"));
    return QuickListTextRect(cell, 0).left + widest + kColumnPadding;
}

}  // namespace lumar::merge
