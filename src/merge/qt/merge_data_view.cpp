#include "merge/qt/merge_data_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "annotations/colour.h"
#include "merge/editor_menu.h"
#include "merge/merge_data_dlg.h"
#include "merge/qt/editor_list.h"
#include "merge/qt/editor_rows.h"
#include "platform/text/qt/qt_text.h"
#include "ui/list_keys.h"
#include "ui/modal_dialog.h"
#include "ui/qt/dialog_units.h"
#include "ui/qt/smart_toolbar.h"
#include "ui/qt/widget_handle.h"
#include "ui/qt/window_geometry.h"
#include "ui/toolbar_dialog.h"

namespace lumar::merge {

namespace {

// The window's size at first, in dialog units.
constexpr int kWidthUnits = 458;
constexpr int kHeightUnits = 289;
// The command list's first column, in dialog units.
constexpr int kLineColumnUnits = 25;
// The timer of the editor.
constexpr int kTickMs = 100;
// Rows two text lines high.
constexpr double kRowLines = 2;

std::vector<int> rowsOf(const std::set<int>& rows) {
    return {rows.begin(), rows.end()};
}

std::set<int> setOf(const std::vector<int>& rows) {
    return {rows.begin(), rows.end()};
}

}  // namespace

MergeDataView::MergeDataView(CMergeDataDlg& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
    setObjectName("119");
    setSizeGripEnabled(true);
    makeLists();
    makeButtons();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ready_);
    buttons->addWidget(merge_);
    buttons->addStretch(1);
    for (QPushButton* button : {reset_, ok_, cancel_}) {
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter_, 1);
    layout->addLayout(buttons);
    orderTabs();

    toolbarModel_ = std::make_unique<CToolbarDialog>(ToolbarHandlersFor(editor_));
    toolbar_ = new ui::SmartToolbar(*toolbarModel_, this);
    ui::AddToolbar(*this, *toolbar_);
    connect(toolbar_, &ui::SmartToolbar::CommandRan, this, &MergeDataView::Follow);

    editor_.SetOnChange([this] { Follow(); });
    editor_.SetBringToFront([this] {
        raise();
        activateWindow();
    });
    editor_.OnInitDialog(this);
    setWindowTitle(text::toQString(editor_.Caption()));
    Follow();

    const ui::DialogUnits units(*this);
    resize(units.size(kWidthUnits, kHeightUnits).expandedTo(sizeHint()));
    WindowPlacement placement;
    if (CMergeDataDlg::ReadPlacement(placement)) {
        ui::placeWindow(*this, placement);
    }
    (editor_.HasSupplement() ? supplementList_ : binderList_)->setFocus();

    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &MergeDataView::tick);
    timer_.start();
}

MergeDataView::~MergeDataView() {
    timer_.stop();
    editor_.SetOnChange({});
    editor_.SetBringToFront({});
    editor_.OnDestroy();
}

void MergeDataView::makeLists() {
    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setChildrenCollapsible(false);

    auto* left = new QWidget(splitter_);
    leftLists_ = new QStackedWidget(left);
    supplementList_ = new EditorList(ListClass::EditMode, leftLists_);
    supplementList_->setObjectName("1010");
    supplementList_->SetNoItemsText(CMergeDataDlg::kNoSupplementData);
    supplementList_->SetFiller([this](QuickListCell& cell) { fillSupplementCell(cell); });
    commandList_ = new EditorList(ListClass::Overview, leftLists_);
    commandList_->setObjectName("1012");
    commandList_->SetFullRowSelection(true);
    commandList_->SetFiller([this](QuickListCell& cell) { fillCommandCell(cell); });
    leftLists_->addWidget(supplementList_);
    leftLists_->addWidget(commandList_);
    leftStatus_ = new QLabel(left);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(leftLists_, 1);
    leftLayout->addWidget(leftStatus_);

    auto* right = new QWidget(splitter_);
    binderBox_ = new QComboBox(right);
    binderBox_->setObjectName("1009");
    binderBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    docFile_ = new QLabel(right);
    docFile_->setObjectName("1089");
    docFile_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    binderList_ = new EditorList(ListClass::EditMode, right);
    binderList_->setObjectName("1011");
    binderList_->SetNoItemsText(CMergeDataDlg::kNoBinderData);
    binderList_->SetFiller([this](QuickListCell& cell) { fillBinderCell(cell); });
    binderStatus_ = new QLabel(right);
    auto* choice = new QHBoxLayout;
    choice->addWidget(binderBox_);
    choice->addWidget(docFile_, 1);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addLayout(choice);
    rightLayout->addWidget(binderList_, 1);
    rightLayout->addWidget(binderStatus_);

    for (EditorList* list : {supplementList_, binderList_}) {
        list->SetRowLines(kRowLines);
        list->SetFullRowSelection(true);
    }
    resetLayout();

    // The lists' selections, commands and menus go to the editor; the
    // selection commands work on the list they come from.
    const auto wire = [this](EditorList* list, CMergeDataDlg::List which,
                             std::function<std::vector<ContextMenuItem>()> menu) {
        connect(list, &EditorList::Focused, this, [this, which] { editor_.SetActiveList(which); });
        connect(list, &ui::QuickList::SelectionChangedByUser, this, [this, which] {
            editor_.SetActiveList(which);
            takeSelections();
        });
        list->SetCommands([this](int command) { return editor_.IsEnabled(command); },
                          [this, which](int command) {
                              editor_.SetActiveList(which);
                              runCommand(command);
                          });
        list->SetMenu([this, which, menu = std::move(menu)] {
            editor_.SetActiveList(which);
            return menu();
        });
    };
    const auto enabled = [this](int id) { return editor_.IsEnabled(id); };
    const auto checked = [this](int id) { return editor_.IsChecked(id); };
    wire(supplementList_, CMergeDataDlg::List::Supplement,
         [=] { return EditModeMenu(EditModeMenuOf::Supplement, enabled, checked); });
    wire(binderList_, CMergeDataDlg::List::Binder, [=, this] {
        if (!editor_.EditMode()) {
            return std::vector<ContextMenuItem>();
        }
        return EditModeMenu(EditModeMenuOf::Binder, enabled, checked);
    });
    wire(commandList_, CMergeDataDlg::List::Commands, [=, this] {
        ListMenuState state;
        state.rowCount = commandList_->RowCount();
        state.selectedCount = static_cast<int>(commandList_->SelectedRows().size());
        return ListContextMenu(ListClass::Overview, state, enabled);
    });

    connect(binderBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!following_ && index >= 0) {
            editor_.ChooseBinder(binderBox_->itemData(index).toInt());
            Follow();
        }
    });
}

void MergeDataView::resetLayout() {
    const ui::DialogUnits units(*this);
    const int pairWidth = PairColumnWidth(*binderList_);
    supplementList_->SetColumns({{"Page pair", Qt::AlignLeft, pairWidth}, {"Supplement"}});
    binderList_->SetColumns({{"Page pair", Qt::AlignLeft, pairWidth}, {"Binder"}});
    commandList_->SetColumns({{"", Qt::AlignRight, units.x(kLineColumnUnits)},
                              {"Command", Qt::AlignLeft, units.x(90)},
                              {"Source", Qt::AlignLeft, units.x(60)},
                              {"Destination"}});
    const int half = std::max(splitter_->width(), units.x(kWidthUnits)) / 2;
    splitter_->setSizes({half, half});
}

void MergeDataView::makeButtons() {
    const auto make = [this](const char* id, const char* title) {
        auto* button = new QPushButton(title, this);
        button->setObjectName(id);
        button->setAutoDefault(false);
        return button;
    };
    ready_ = new QCheckBox("Ready to merge", this);
    ready_->setObjectName("1058");
    ready_->setVisible(false);
    ready_->setEnabled(false);
    merge_ = make("1013", "Merge");
    reset_ = make("1006", "Reset");
    ok_ = make("1", "OK");
    cancel_ = make("2", "Cancel");
    connect(merge_, &QPushButton::clicked, this, &MergeDataView::merge);
    connect(reset_, &QPushButton::clicked, this, &MergeDataView::resetLayout);
    connect(ok_, &QPushButton::clicked, this, &MergeDataView::accept);
    connect(cancel_, &QPushButton::clicked, this, &MergeDataView::reject);
}

void MergeDataView::orderTabs() {
    // The left list, the binder box and its list, then the buttons left to
    // right.
    QWidget* const order[] = {supplementList_, commandList_, binderBox_, binderList_,
                              merge_,          reset_,       ok_,        cancel_};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void MergeDataView::fillSupplementCell(QuickListCell& cell) const {
    const std::string text = editor_.SupplementRowText(cell.item);
    const std::int32_t pair = cell.item + 1;
    if (cell.column == 0) {
        cell.text = std::to_string(pair);
        if (const std::optional<std::uint32_t> colour = PairDisplayColour(text)) {
            cell.box = {1, 1, *colour, 1};
        }
    } else {
        cell.text = text;
    }
    // A pair the merge data already uses cannot be used again.
    if (!editor_.SupplementPairUsable(pair)) {
        StyleUsedRow(cell);
    }
}

void MergeDataView::fillBinderCell(QuickListCell& cell) const {
    const std::vector<OverviewRow>& rows = editor_.OverviewRows();
    if (cell.item < 0 || static_cast<std::size_t>(cell.item) >= rows.size()) {
        return;
    }
    const OverviewRow& row = rows[static_cast<std::size_t>(cell.item)];
    if (cell.column == 0) {
        cell.text = editor_.OverviewRowLabel(cell.item);
        if (const std::optional<std::uint32_t> colour = editor_.OverviewRowColour(cell.item)) {
            cell.box = {1, 1, *colour, 1};
        }
    } else {
        cell.text = editor_.OverviewRowText(cell.item);
    }
    StyleOverviewRow(cell, row.state);
    // The line that made the row what it is.
    const std::vector<MergeCommand>& commands = editor_.Commands();
    if (row.command >= 0 && static_cast<std::size_t>(row.command) < commands.size()) {
        cell.toolTip = commands[static_cast<std::size_t>(row.command)].text;
    }
}

void MergeDataView::fillCommandCell(QuickListCell& cell) const {
    const std::vector<CMergeDataDlg::CommandRow>& rows = editor_.CommandRows();
    if (cell.item < 0 || static_cast<std::size_t>(cell.item) >= rows.size()) {
        return;
    }
    const CMergeDataDlg::CommandRow& row = rows[static_cast<std::size_t>(cell.item)];
    switch (cell.column) {
    case 0:
        cell.text = std::to_string(cell.item + 1);
        break;
    case 1:
        cell.text = row.text;
        break;
    case 2:
        cell.text = row.source;
        break;
    default:
        cell.text = row.destination;
        break;
    }
    cell.bold = editor_.ExecutingRow() == cell.item;
}

void MergeDataView::takeSelections() {
    if (following_) {
        return;
    }
    editor_.SetSupplementSelection(setOf(supplementList_->SelectedRows()));
    editor_.SetBinderSelection(setOf(binderList_->SelectedRows()));
    editor_.SetCommandSelection(setOf(commandList_->SelectedRows()));
    toolbar_->UpdateButtons();
    showStatus();
}

void MergeDataView::runCommand(int command) {
    if (command == kSwitchToEditMode) {
        command = CMergeDataDlg::kIdSwitchToEdit;
    } else if (command == kSwitchToOverviewMode) {
        command = CMergeDataDlg::kIdSwitchToOverview;
    }
    editor_.Execute(command);
    Follow();
}

void MergeDataView::merge() {
    if (editor_.OnMerge()) {
        QDialog::done(QDialog::Rejected);
        return;
    }
    Follow();
}

void MergeDataView::tick() {
    if (editor_.OnTimer()) {
        done(QDialog::Rejected);
        return;
    }
    showStatus();
}

void MergeDataView::Follow() {
    if (following_) {
        return;
    }
    following_ = true;
    const bool edit = editor_.EditMode();
    QWidget* hidden = edit ? commandList_ : supplementList_;
    const bool focusHidden = hidden->hasFocus();
    leftLists_->setCurrentWidget(edit ? static_cast<QWidget*>(supplementList_) : commandList_);
    if (focusHidden) {
        (edit ? binderList_ : commandList_)->setFocus();
    }

    supplementList_->SetRowCount(editor_.SupplementRowCount());
    supplementList_->SelectRows(rowsOf(editor_.SupplementSelection()));
    binderList_->SetRowCount(static_cast<int>(editor_.OverviewRows().size()));
    binderList_->SelectRows(rowsOf(editor_.BinderSelection()));
    commandList_->SetRowCount(static_cast<int>(editor_.CommandRows().size()));
    if (const std::optional<int> executing = editor_.ExecutingRow()) {
        commandList_->SelectRows({*executing});
        commandList_->ScrollToRow(*executing);
    } else {
        commandList_->SelectRows(rowsOf(editor_.CommandSelection()));
    }
    for (EditorList* list : {supplementList_, binderList_, commandList_}) {
        list->Redraw();
    }

    showBinderChoices();
    docFile_->setText(text::toQString(editor_.ChosenDocFile()));
    merge_->setText(text::toQString(editor_.MergeButtonText()));
    merge_->setVisible(editor_.MergeButtonVisible());
    merge_->setEnabled(editor_.MergeButtonEnabled());
    toolbar_->UpdateButtons();
    showStatus();
    following_ = false;
}

void MergeDataView::showBinderChoices() {
    const std::vector<std::string> choices = editor_.BinderChoices();
    const std::vector<std::int32_t> numbers = editor_.BinderNumbers();
    bool same = binderBox_->count() == static_cast<int>(choices.size());
    for (int i = 0; same && i < binderBox_->count(); ++i) {
        same = binderBox_->itemText(i) == text::toQString(choices[static_cast<std::size_t>(i)]);
    }
    if (!same) {
        binderBox_->clear();
        for (std::size_t i = 0; i < choices.size() && i < numbers.size(); ++i) {
            binderBox_->addItem(text::toQString(choices[i]), numbers[i]);
        }
    }
    binderBox_->setCurrentIndex(binderBox_->findData(editor_.ChosenBinder()));
}

void MergeDataView::showStatus() {
    // The counts' padding is for a fixed-width font; here the words carry it.
    const QString left = editor_.EditMode()
                             ? text::toQString(editor_.SupplementStatusText()).simplified()
                             : QString();
    const QString right = text::toQString(editor_.BinderStatusText()).simplified();
    if (leftStatus_->text() != left) {
        leftStatus_->setText(left);
    }
    if (binderStatus_->text() != right) {
        binderStatus_->setText(right);
    }
}

void MergeDataView::accept() {
    if (editor_.OnOK()) {
        QDialog::accept();
    }
}

void MergeDataView::reject() {
    // Cancel, Escape and the title bar's close.
    if (editor_.OnCancel()) {
        QDialog::reject();
        return;
    }
    Follow();
}

void MergeDataView::done(int result) {
    if (!closed_ && isVisible()) {
        CMergeDataDlg::WritePlacement(ui::placementOf(*this));
    }
    closed_ = true;
    timer_.stop();
    QDialog::done(result);
}

int ShowMergeDataDialog(CMergeDataDlg& editor, void* parent) {
    if (!ui::haveWidgets()) {
        editor.OnInitDialog(nullptr);
        editor.OnTimer();
        editor.OnDestroy();
        return kIdCancel;
    }
    MergeDataView view(editor, ui::ownerWidget(parent));
    return view.exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}

}  // namespace lumar::merge
