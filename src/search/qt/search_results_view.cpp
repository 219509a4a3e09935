#include "search/qt/search_results_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <string_view>

#include "platform/text/qt/qt_text.h"
#include "search/search_results_dlg.h"
#include "ui/modal_dialog.h"
#include "ui/qt/colour_value.h"
#include "ui/qt/dialog_units.h"
#include "ui/qt/quick_list_view.h"
#include "ui/qt/smart_toolbar.h"
#include "ui/qt/widget_handle.h"
#include "ui/qt/window_geometry.h"
#include "ui/toolbar_dialog.h"

namespace lumar::search {

namespace {

// The window's size at first, in dialog units (wider when the columns need it).
constexpr int kWidthUnits = 320;
constexpr int kHeightUnits = 200;
// Rows two text lines high: a pair's two page lines.
constexpr double kRowLines = 2;
// Room beside a column's widest text.
constexpr int kColumnPadding = 16;
// The window takes at most this share of the screen's width at first.
constexpr double kMostScreenShare = 0.8;

// The widest line of a text, in `metrics`.
int widestLine(const QFontMetrics& metrics, std::string_view text) {
    int widest = 0;
    const QStringList lines = text::toQString(text).split('\n');
    for (const QString& line : lines) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

}  // namespace

SearchResultsView::SearchResultsView(CSearchResultsDlg& dialog, QWidget* parent)
    : QDialog(parent),
      dialog_(dialog),
      toolbarModel_(std::make_unique<CToolbarDialog>(ToolbarHandlers{})),
      toolbar_(new ui::SmartToolbar(*toolbarModel_, this)),
      searchText_(new QLabel(this)),
      extract_(new QPushButton("Extract", this)),
      list_(new ui::QuickList(this)),
      status_(new QStatusBar(this)) {
    setObjectName("148");
    setWindowTitle(CSearchResultsDlg::kTitle);

    // The search text right of the toolbar's buttons, Extract at the right
    // end of the row.
    const int margin = style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    searchText_->setObjectName("1089");
    searchText_->setContentsMargins(margin, 0, margin, 0);
    // It takes the row's room up to Extract, and gives way when the window
    // is narrow.
    searchText_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    searchText_->setMinimumWidth(2 * margin);
    searchText_->setText(text::toQString(dialog_.SearchText()));
    searchText_->setToolTip(searchText_->text());
    extract_->setObjectName("1099");
    extract_->setAutoDefault(false);
    toolbar_->addSeparator();
    toolbar_->addWidget(searchText_);
    toolbar_->addWidget(extract_);

    list_->setObjectName("1010");
    list_->SetFullRowSelection(true);
    list_->SetRowLines(kRowLines);
    list_->SetNoItemsText(CSearchResultsDlg::kNoItemsText);
    list_->horizontalHeader()->setSectionsMovable(true);
    list_->SetFiller([this](QuickListCell& cell) { fillCell(cell); });

    status_->setObjectName("124");
    status_->setSizeGripEnabled(true);
    // Pane 0: the number of selected pages.
    selectedPages_ = new QLabel(status_);
    selectedPages_->setObjectName("0");
    status_->addWidget(selectedPages_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(list_, 1);
    layout->addWidget(status_);
    ui::AddToolbar(*this, *toolbar_);
    QWidget::setTabOrder(list_, extract_);

    connect(list_, &ui::QuickList::SelectionChangedByUser, this, &SearchResultsView::userSelected);
    connect(extract_, &QPushButton::clicked, this, &SearchResultsView::extract);

    const QPalette& palette = list_->palette();
    CSearchResultsDlg::SystemColours system;
    system.windowText = ui::toColourValue(palette.color(QPalette::Active, QPalette::Text));
    system.window = ui::toColourValue(palette.color(QPalette::Active, QPalette::Base));
    system.hotTrack = ui::toColourValue(palette.color(QPalette::Active, QPalette::Link));
    system.highlight = ui::toColourValue(palette.color(QPalette::Active, QPalette::Highlight));
    system.highlightText =
        ui::toColourValue(palette.color(QPalette::Active, QPalette::HighlightedText));
    system.grayText = ui::toColourValue(palette.color(QPalette::Disabled, QPalette::Text));
    dialog_.SetSystemColours(system);
    dialog_.OnInitDialog(this);
    fitColumns();
    list_->SetRowCount(dialog_.RowCount());

    // At first the columns show whole, as far as the screen allows.
    const ui::DialogUnits units(*this);
    int width = 2 * list_->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int column = 0; column < list_->Model().columnCount(); ++column) {
        width += list_->columnWidth(column);
    }
    const QScreen* screen = parent != nullptr ? parent->screen() : QApplication::primaryScreen();
    const int most = static_cast<int>(screen->availableGeometry().width() * kMostScreenShare);
    resize(std::clamp(width, units.x(kWidthUnits), std::max(most, units.x(kWidthUnits))),
           units.y(kHeightUnits));
    WindowPlacement placement;
    if (CSearchResultsDlg::RestorePlacement(placement)) {
        ui::placeWindow(*this, placement);
    }

    updateControls();
    onTimer();
    timer_.setInterval(CSearchResultsDlg::kTimerMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &SearchResultsView::onTimer);
    timer_.start();
    list_->setFocus();
}

SearchResultsView::~SearchResultsView() = default;

QString SearchResultsView::StatusText() const {
    return selectedPages_->text();
}

void SearchResultsView::fillCell(QuickListCell& cell) const {
    const CSearchResultsDlg::Cell shown = dialog_.CellAt(cell.item, cell.column);
    cell.text = shown.text;
    cell.toolTip = shown.toolTip;
    cell.italic = shown.italic;
    if (shown.box) {
        cell.box = {shown.box->maximum, shown.box->value, shown.box->rgb, 0};
    }
    const CSearchResultsDlg::CellColours colours = dialog_.Colours(cell.item);
    cell.textColour = colours.text;
    cell.backgroundColour = colours.background;
    cell.hotTextColour = colours.hotText;
    cell.selectedTextColour = colours.selectedText;
    cell.selectedBackgroundFocused = colours.selectedBackground;
    cell.selectedBackgroundUnfocused = colours.selectedBackgroundUnfocused;
}

// "Page pair" and "Binder number" fit the wider of title and contents,
// "Search result" its contents (the title too when there are no hits). The
// blanks after a pair number keep room for its colour box.
void SearchResultsView::fitColumns() {
    const std::vector<CSearchResultsDlg::Column> columns = dialog_.Columns();
    const QFontMetrics titleMetrics = list_->horizontalHeader()->fontMetrics();
    const QFontMetrics plain(list_->font());
    QFont italicFont = list_->font();
    italicFont.setItalic(true);
    const QFontMetrics italic(italicFont);
    std::vector<ui::QuickListColumn> set;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const CSearchResultsDlg::Column& column = columns[i];
        int widest = column.width == CSearchResultsDlg::Width::FitTitleAndContents
                         ? titleMetrics.horizontalAdvance(text::toQString(column.title))
                         : 0;
        for (int row = 0; row < dialog_.RowCount(); ++row) {
            const CSearchResultsDlg::Cell cell = dialog_.CellAt(row, static_cast<int>(i));
            widest = std::max(widest, widestLine(cell.italic ? italic : plain, cell.text));
        }
        const Qt::Alignment alignment =
            column.align == CSearchResultsDlg::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
        set.push_back({column.title, alignment, widest + kColumnPadding});
    }
    list_->SetColumns(std::move(set));
}

void SearchResultsView::userSelected() {
    dialog_.SetSelection(list_->SelectedRows());
    updateControls();
}

void SearchResultsView::updateControls() {
    extract_->setEnabled(dialog_.ExtractEnabled());
    extract_->setToolTip(text::toQString(dialog_.ExtractToolTip()));
}

void SearchResultsView::onTimer() {
    const bool changed = dialog_.OnTimer();
    // A read-only dialog lets go of the rows: so does the list.
    if (dialog_.ReadOnly() && !list_->SelectedRows().empty()) {
        list_->SelectRows({});
        updateControls();
    }
    if (changed) {
        selectedPages_->setText(text::toQString(dialog_.StatusText()));
    }
    if (QWidget* focused = focusWidget(); focused != nullptr && !focused->isVisible()) {
        focusNextChild();
    }
}

void SearchResultsView::extract() {
    if (dialog_.OnExtract()) {
        accept();
        return;
    }
    updateControls();
}

void SearchResultsView::done(int result) {
    timer_.stop();
    if (isVisible()) {
        CSearchResultsDlg::SavePlacement(ui::placementOf(*this));
    }
    QDialog::done(result);
}

int ShowSearchResultsDialog(CSearchResultsDlg& dialog, void* parent) {
    if (!ui::haveWidgets()) {
        return kIdCancel;
    }
    SearchResultsView view(dialog, ui::ownerWidget(parent));
    return view.exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}

}  // namespace lumar::search
