#pragma once

// QuickList: the owner-data list of the editor dialogs, the colour dialog
// and the search results. It holds no records: the owner says how many rows
// there are, and the list asks the owner for every cell it draws, tips or
// searches, through a filler that fills a prepared QuickListCell
// (ui/quick_list_cell.h). Only visible cells are asked for, so a list of
// thousands of rows scrolls without delay.
//
//   auto* list = new ui::QuickList(this);
//   list->SetColumns({{"Page pair"}, {"Binder", Qt::AlignLeft, 200}});
//   list->SetRowLines(2);                      // rows two text lines high
//   list->SetNoItemsText("<No annotation data>");
//   list->SetFiller([this](QuickListCell& cell) {
//       cell.text = model.RowText(cell.item, cell.column);      // Windows-1252
//       if (cell.column == 0 && model.IsColoured(cell.item)) {
//           cell.box = {1, 1, model.Colour(cell.item), 1};       // a swatch
//       }
//   });
//   list->SetRowCount(model.RowCount());       // again after the rows changed
//   list->Redraw();                            // after cells changed
//   connect(list, &ui::QuickList::SelectionChangedByUser, this, [this, list] {
//       model.SetSelection(list->SelectedRows());
//   });
//
// Cells are drawn as quick_list_cell.h says: the background (the selection's
// when the row is selected, in column 0 only unless the list selects full
// rows), the text (bold, italic, colours; in columns other than 0 a text with
// a line break in two parts at the top and bottom of the cell), then the box
// with its bar at the left of the cell. kDefaultColour is the palette's
// colour of each role. Without rows the no-items text stands under the
// header. Several rows can be selected (Ctrl and Shift) unless the owner sets
// another selection mode.
//
// Typing letters selects the next row whose text in the find column starts
// with them (ignoring case); SetFindColumn(kFindOff) turns that off. Tool
// tips show the cell's toolTip, or else its text (in column 1, the part of a
// two-part text under the mouse).
//
// Derive from QuickList for a list with its own keys or context menu
// (keyPressEvent, contextMenuEvent).

#include <QElapsedTimer>
#include <QTableView>
#include <string>
#include <vector>

#include "ui/qt/quick_list_model.h"
#include "ui/quick_list_cell.h"

namespace lumar::ui {

// Where a click hit: the cell, and whether it was inside the cell's box.
struct QuickListHit {
    int item = -1;
    int column = -1;
    bool inBox = false;
};

class QuickList : public QTableView {
    Q_OBJECT

public:
    explicit QuickList(QWidget* parent);

    // ---- What the owner sets --------------------------------------------
    void SetFiller(QuickListFiller filler);
    void SetColumns(std::vector<QuickListColumn> columns);
    void SetRowCount(int rows);
    [[nodiscard]] int RowCount() const;
    // Rows `lines` text lines high (the colour dialog 1.5, the editors 2).
    void SetRowLines(double lines);
    // Windows-1252; empty: none.
    void SetNoItemsText(const std::string& text);
    // The column type-ahead find looks at (0 at first); kFindOff: no find.
    void SetFindColumn(int column) { findColumn_ = column; }
    // Off at first: only column 0 shows the selection.
    void SetFullRowSelection(bool on);
    // Off at first: the row under the mouse is drawn as hot.
    void SetHotTracking(bool on);
    // Draws the visible cells again, asking the owner anew.
    void Redraw();

    // ---- Selection --------------------------------------------------------
    // Selected rows, ascending.
    [[nodiscard]] std::vector<int> SelectedRows() const;
    // Selects exactly `rows` (out of range: left out) without emitting
    // SelectionChangedByUser; the first becomes the current row.
    void SelectRows(const std::vector<int>& rows);
    void ScrollToRow(int row);

    // ---- What the list draws ----------------------------------------------
    // The cell as the list prepares and the owner fills it now.
    [[nodiscard]] QuickListCell CellAt(int row, int column) const;
    // The tip at `position` (viewport coordinates); empty when none.
    [[nodiscard]] QString ToolTipAt(const QPoint& position) const;
    [[nodiscard]] int HotRow() const { return hotRow_; }
    [[nodiscard]] QuickListModel& Model() const { return *model_; }

Q_SIGNALS:
    // The user changed the selection (clicks, keys, type-ahead find).
    void SelectionChangedByUser();
    // A left click on a cell.
    void CellClicked(const lumar::ui::QuickListHit& hit);
    void RowDoubleClicked(int row);
    // A right click on the header: the column under the mouse (-1: none)
    // and the screen position.
    void HeaderRightClicked(int column, const QPoint& globalPosition);

public:
    void keyboardSearch(const QString& search) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void setHotRow(int row);
    void updateRow(int row);
    [[nodiscard]] bool rowSelected(int row) const;

    QuickListModel* model_;
    QString noItemsText_;
    int findColumn_ = 0;
    bool fullRowSelection_ = false;
    bool hotTracking_ = false;
    int hotRow_ = -1;
    bool following_ = false;
    QString typed_;
    QElapsedTimer sinceTyped_;
};

}  // namespace lumar::ui

Q_DECLARE_METATYPE(lumar::ui::QuickListHit)
