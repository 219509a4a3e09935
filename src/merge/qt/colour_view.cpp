#include "merge/qt/colour_view.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "merge/colour_dlg.h"
#include "platform/text/qt/qt_text.h"
#include "ui/modal_dialog.h"
#include "ui/qt/colour_value.h"
#include "ui/qt/dialog_units.h"
#include "ui/qt/quick_list_view.h"
#include "ui/qt/widget_handle.h"
#include "ui/qt/window_geometry.h"

namespace lumar::merge {

namespace {

// The window's size at first, in dialog units.
constexpr int kWidthUnits = 186;
constexpr int kHeightUnits = 94;
// Rows one and a half text lines high.
constexpr double kRowLines = 1.5;
// Alternate rows are this much darker in each component.
constexpr int kAlternateDarker = 16;
// Room beside a column's widest text.
constexpr int kColumnPadding = 16;
// The list shows this many rows at first (as far as there are), and keeps
// room for the fewest when the window is made smaller.
constexpr int kMostRowsShown = 12;
constexpr int kFewestRowsShown = 3;

QColor darker(const QColor& colour, int by) {
    return {std::max(0, colour.red() - by), std::max(0, colour.green() - by),
            std::max(0, colour.blue() - by)};
}

// The "Colour" column: the box area, the gap and the widest name.
int colourColumnWidth(const ui::QuickList& list, const CColourDlg& dialog) {
    const int rowHeight = list.verticalHeader()->defaultSectionSize();
    const CellRect cell{0, 0, rowHeight * 4, rowHeight};
    int widest = list.horizontalHeader()->fontMetrics().horizontalAdvance(CColourDlg::kColumns[0]);
    QFont bold = list.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    for (int row = 0; row < dialog.RowCount(); ++row) {
        widest = std::max(widest, metrics.horizontalAdvance(text::toQString(dialog.RowName(row))));
    }
    return QuickListTextRect(cell, 0).left + widest + kColumnPadding;
}

}  // namespace

ColourView::ColourView(CColourDlg& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog), list_(new ui::QuickList(this)) {
    setObjectName("145");
    setWindowTitle(CColourDlg::kCaption);
    setSizeGripEnabled(true);

    list_->setObjectName("1010");
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->SetFullRowSelection(true);
    list_->SetRowLines(kRowLines);
    list_->SetNoItemsText(CColourDlg::kEmptyListText);
    const int componentWidth = list_->fontMetrics().horizontalAdvance("2555") + kColumnPadding;
    list_->SetColumns({{CColourDlg::kColumns[0], Qt::AlignLeft, colourColumnWidth(*list_, dialog)},
                       {CColourDlg::kColumns[1], Qt::AlignRight, componentWidth},
                       {CColourDlg::kColumns[2], Qt::AlignRight, componentWidth},
                       {CColourDlg::kColumns[3], Qt::AlignRight, componentWidth}});
    // The names take what room the window gives beyond the columns' widths.
    list_->horizontalHeader()->setStretchLastSection(false);
    list_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->SetFiller([this](QuickListCell& cell) { fillCell(cell); });
    list_->SetRowCount(dialog_.RowCount());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    ok_->setObjectName("1");
    cancel_->setObjectName("2");
    connect(buttons, &QDialogButtonBox::accepted, this, &ColourView::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ColourView::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    QWidget::setTabOrder(list_, ok_);
    QWidget::setTabOrder(ok_, cancel_);

    connect(list_, &ui::QuickList::SelectionChangedByUser, this, &ColourView::userSelected);
    connect(list_, &ui::QuickList::RowDoubleClicked, this, [this](int row) {
        if (dialog_.OnDoubleClick(row)) {
            QDialog::accept();
        }
        updateOk();
    });

    // At first every column and up to a dozen rows show.
    const auto listSize = [this](int rows) {
        const int frame = 2 * list_->frameWidth();
        return QSize(list_->horizontalHeader()->length() + frame +
                         style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                     list_->horizontalHeader()->sizeHint().height() + frame +
                         rows * list_->verticalHeader()->defaultSectionSize());
    };
    list_->setMinimumSize(listSize(std::min(dialog_.RowCount(), kMostRowsShown)));
    const ui::DialogUnits units(*this);
    resize(units.size(kWidthUnits, kHeightUnits).expandedTo(sizeHint()));
    list_->setMinimumSize(listSize(kFewestRowsShown));
    WindowPlacement placement;
    if (CColourDlg::ReadPlacement(placement)) {
        ui::placeWindow(*this, placement);
    }
    if (const std::optional<int> row = dialog_.SelectedRow()) {
        list_->SelectRows({*row});
        list_->ScrollToRow(*row);
    }
    updateOk();
    list_->setFocus();
}

void ColourView::fillCell(QuickListCell& cell) const {
    if (cell.column == 0) {
        cell.text = dialog_.RowName(cell.item);
        if (const std::optional<std::uint32_t> colour = dialog_.RowColour(cell.item)) {
            // The swatch: a box wholly filled with the colour.
            cell.box = {1, 1, *colour, 1};
        }
    } else {
        cell.text = dialog_.RowComponent(cell.item, cell.column - 1);
    }
    // The colour that was current on opening is marked.
    cell.bold = dialog_.IsInitialRow(cell.item);
    if (cell.item % 2 == 1) {
        cell.backgroundColour =
            ui::toColourValue(darker(list_->palette().color(QPalette::Base), kAlternateDarker));
    }
}

void ColourView::userSelected() {
    const std::vector<int> rows = list_->SelectedRows();
    dialog_.SelectRow(rows.empty() ? std::nullopt : std::optional<int>(rows.front()));
    updateOk();
}

void ColourView::updateOk() {
    ok_->setEnabled(dialog_.OKEnabled());
    ok_->setToolTip(text::toQString(dialog_.OKToolTip()));
}

void ColourView::accept() {
    if (dialog_.OnOK()) {
        QDialog::accept();
    }
}

void ColourView::done(int result) {
    if (isVisible()) {
        CColourDlg::WritePlacement(ui::placementOf(*this));
    }
    QDialog::done(result);
}

int ShowColourDialog(CColourDlg& dialog, void* parent) {
    if (!ui::haveWidgets()) {
        return kIdCancel;
    }
    ColourView view(dialog, ui::ownerWidget(parent));
    return view.exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}

}  // namespace lumar::merge
