#include "ui/qt/quick_list_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/text/qt/qt_text.h"
#include "ui/qt/quick_list_delegate.h"

namespace lumar::ui {

namespace {

// Room around the title of a column that fits its title.
constexpr int kTitlePadding = 16;
// The no-items text stands this far below the header.
constexpr int kNoItemsTop = 10;

CellRect cellRectOf(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

}  // namespace

QuickList::QuickList(QWidget* parent) : QTableView(parent), model_(new QuickListModel(this)) {
    setModel(model_);
    setItemDelegate(new QuickListDelegate(*this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setMouseTracking(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* header = horizontalHeader();
    header->setHighlightSections(false);
    header->setStretchLastSection(true);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    SetRowLines(1);

    connect(header, &QHeaderView::customContextMenuRequested, this, [this](const QPoint& position) {
        Q_EMIT HeaderRightClicked(horizontalHeader()->logicalIndexAt(position),
                                  horizontalHeader()->mapToGlobal(position));
    });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!following_) {
            Q_EMIT SelectionChangedByUser();
        }
    });
}

void QuickList::SetFiller(QuickListFiller filler) {
    model_->SetFiller(std::move(filler));
    Redraw();
}

void QuickList::SetColumns(std::vector<QuickListColumn> columns) {
    model_->SetColumns(std::move(columns));
    const std::vector<QuickListColumn>& set = model_->Columns();
    for (std::size_t i = 0; i < set.size(); ++i) {
        const int width = set[i].width > 0 ? set[i].width
                                           : horizontalHeader()->fontMetrics().horizontalAdvance(
                                                 text::toQString(set[i].title)) +
                                                 kTitlePadding;
        setColumnWidth(static_cast<int>(i), width);
    }
}

void QuickList::SetRowCount(int rows) {
    following_ = true;
    model_->SetRowCount(rows);
    following_ = false;
    if (hotRow_ >= rows) {
        hotRow_ = -1;
    }
    Redraw();
}

int QuickList::RowCount() const {
    return model_->rowCount();
}

void QuickList::SetRowLines(double lines) {
    const int height = static_cast<int>(std::ceil(lines * fontMetrics().height())) + 2;
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(height);
}

void QuickList::SetNoItemsText(const std::string& text) {
    noItemsText_ = text::toQString(text);
    viewport()->update();
}

void QuickList::SetFullRowSelection(bool on) {
    fullRowSelection_ = on;
    Redraw();
}

void QuickList::SetHotTracking(bool on) {
    hotTracking_ = on;
    if (!on) {
        setHotRow(-1);
    }
}

void QuickList::Redraw() {
    viewport()->update();
}

std::vector<int> QuickList::SelectedRows() const {
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            rows.push_back(row);
        }
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void QuickList::SelectRows(const std::vector<int>& rows) {
    std::vector<int> wanted;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(wanted),
                 [this](int row) { return row >= 0 && row < RowCount(); });
    std::sort(wanted.begin(), wanted.end());
    wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());
    const int lastColumn = std::max(0, model_->columnCount() - 1);
    // One range for each run of adjacent rows.
    QItemSelection selection;
    for (std::size_t i = 0; i < wanted.size();) {
        std::size_t end = i + 1;
        while (end < wanted.size() && wanted[end] == wanted[end - 1] + 1) {
            ++end;
        }
        selection.select(model_->index(wanted[i], 0), model_->index(wanted[end - 1], lastColumn));
        i = end;
    }
    following_ = true;
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!rows.empty() && rows.front() >= 0 && rows.front() < RowCount()) {
        selectionModel()->setCurrentIndex(model_->index(rows.front(), 0),
                                          QItemSelectionModel::NoUpdate);
    }
    following_ = false;
}

void QuickList::ScrollToRow(int row) {
    if (row >= 0 && row < RowCount() && model_->columnCount() > 0) {
        scrollTo(model_->index(row, 0));
    }
}

bool QuickList::rowSelected(int row) const {
    return selectionModel()->isRowSelected(row, {});
}

QuickListCell QuickList::CellAt(int row, int column) const {
    // The list always shows its selection, focused or not.
    const bool selected = rowSelected(row) && (column == 0 || fullRowSelection_);
    return model_->Cell(row, column, selected, hotTracking_ && row == hotRow_);
}

QString QuickList::ToolTipAt(const QPoint& position) const {
    const QModelIndex index = indexAt(position);
    if (!index.isValid()) {
        return {};
    }
    const QuickListCell cell = CellAt(index.row(), index.column());
    if (!cell.toolTip.empty()) {
        return text::toQString(cell.toolTip);
    }
    return text::toQString(
        QuickListToolTip(cell.text, cell.column, cellRectOf(visualRect(index)), position.y()));
}

void QuickList::keyboardSearch(const QString& search) {
    if (findColumn_ < 0 || findColumn_ >= model_->columnCount() || search.isEmpty() ||
        RowCount() == 0) {
        return;
    }
    // Letters typed in quick succession make one text; the search for it
    // starts at the current row, a new one at the row after it.
    const int current = currentIndex().isValid() ? currentIndex().row() : -1;
    int start = current + 1;
    if (sinceTyped_.isValid() && sinceTyped_.elapsed() < QApplication::keyboardInputInterval()) {
        typed_ += search;
        start = std::max(current, 0);
    } else {
        typed_ = search;
    }
    sinceTyped_.start();
    const int row = QuickListFind(
        text::fromQString(typed_), start % RowCount(), RowCount(),
        [this](int candidate) { return model_->Cell(candidate, findColumn_, false, false).text; });
    if (row < 0) {
        return;
    }
    const QModelIndex found = model_->index(row, 0);
    selectionModel()->setCurrentIndex(
        found, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(found);
}

void QuickList::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    if (RowCount() > 0 || noItemsText_.isEmpty()) {
        return;
    }
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    painter.setFont(QApplication::font());
    painter.drawText(viewport()->rect().adjusted(0, kNoItemsTop, 0, 0),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, noItemsText_);
}

// The selection is drawn in other colours with the focus than without.
void QuickList::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    Redraw();
}

void QuickList::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    Redraw();
}

void QuickList::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !index.isValid()) {
        return;
    }
    QuickListHit hit{index.row(), index.column(), false};
    const QuickListCell cell = CellAt(index.row(), index.column());
    if (cell.HasBox()) {
        const CellRect box = QuickListBoxRect(cellRectOf(visualRect(index)), cell.box.edge != 0);
        const QPoint point = event->position().toPoint();
        hit.inBox = point.x() >= box.left && point.x() < box.right && point.y() >= box.top &&
                    point.y() < box.bottom;
    }
    Q_EMIT CellClicked(hit);
}

void QuickList::mouseMoveEvent(QMouseEvent* event) {
    QTableView::mouseMoveEvent(event);
    if (hotTracking_) {
        setHotRow(rowAt(event->position().toPoint().y()));
    }
}

void QuickList::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid()) {
        Q_EMIT RowDoubleClicked(index.row());
    }
}

bool QuickList::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave) {
        setHotRow(-1);
    }
    return QTableView::viewportEvent(event);
}

void QuickList::setHotRow(int row) {
    if (row == hotRow_) {
        return;
    }
    updateRow(hotRow_);
    hotRow_ = row;
    updateRow(hotRow_);
}

void QuickList::updateRow(int row) {
    if (row < 0 || row >= RowCount()) {
        return;
    }
    viewport()->update(0, rowViewportPosition(row), viewport()->width(), rowHeight(row));
}

}  // namespace lumar::ui
