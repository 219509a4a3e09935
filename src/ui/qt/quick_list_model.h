#pragma once

// The quick list's item model: owner data. The owner sets the columns and
// the number of rows; the model holds no cells. Every cell, when a view
// needs it, is a QuickListCell prepared here (cleared, item and column set,
// the column's alignment preset) and filled by the owner's filler.

#include <QAbstractTableModel>
#include <functional>
#include <string>
#include <vector>

#include "ui/quick_list_cell.h"

namespace lumar::ui {

struct QuickListColumn {
    std::string title;  // Windows-1252
    Qt::Alignment alignment = Qt::AlignLeft;
    int width = 0;  // pixels; 0 or less: as wide as the title needs
};

// Fills the cell the list prepared (text, tip, colours, font, box).
using QuickListFiller = std::function<void(QuickListCell& cell)>;

class QuickListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit QuickListModel(QObject* parent);

    void SetFiller(QuickListFiller filler) { filler_ = std::move(filler); }
    void SetColumns(std::vector<QuickListColumn> columns);
    [[nodiscard]] const std::vector<QuickListColumn>& Columns() const { return columns_; }
    // Rows kept keep their selection; rows added come at the end.
    void SetRowCount(int rows);

    // The cell as the owner fills it now. `selected` and `hot` are the
    // list's; drawFormat is preset to the column's alignment, vertically
    // centred, single line (Qt::Alignment and Qt::TextFlag bits).
    [[nodiscard]] QuickListCell Cell(int row, int column, bool selected, bool hot) const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    // The cell's text (display role), for accessibility and copying.
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    QuickListFiller filler_;
    std::vector<QuickListColumn> columns_;
    int rows_ = 0;
};

}  // namespace lumar::ui
