#include "merge/qt/annotations_view.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "merge/annotations_dlg.h"
#include "merge/editor_menu.h"
#include "merge/qt/editor_list.h"
#include "merge/qt/editor_rows.h"
#include "platform/text/qt/qt_text.h"
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
// Rows two text lines high.
constexpr double kRowLines = 2;

}  // namespace

AnnotationsView::AnnotationsView(CAnnotationsDlg& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
    setObjectName("146");
    setWindowTitle(CAnnotationsDlg::kCaption);
    setSizeGripEnabled(true);

    binderBox_ = new QComboBox(this);
    binderBox_->setObjectName("1009");
    binderBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    docFile_ = new QLabel(this);
    docFile_->setObjectName("1089");
    docFile_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    list_ = new EditorList(ListClass::EditMode, this);
    list_->setObjectName("1010");
    list_->SetRowLines(kRowLines);
    list_->SetFullRowSelection(true);
    list_->SetNoItemsText(CAnnotationsDlg::kEmptyListText);
    list_->SetFiller([this](QuickListCell& cell) { fillCell(cell); });
    resetLayout();
    status_ = new QLabel(this);

    const auto make = [this](const char* id, const char* title) {
        auto* button = new QPushButton(title, this);
        button->setObjectName(id);
        button->setAutoDefault(false);
        return button;
    };
    update_ = make("1018", "Update");
    reset_ = make("1006", "Reset");
    ok_ = make("1", "OK");
    cancel_ = make("2", "Cancel");
    connect(update_, &QPushButton::clicked, this, &AnnotationsView::update);
    connect(reset_, &QPushButton::clicked, this, &AnnotationsView::resetLayout);
    connect(ok_, &QPushButton::clicked, this, &AnnotationsView::accept);
    connect(cancel_, &QPushButton::clicked, this, &AnnotationsView::reject);

    auto* choice = new QHBoxLayout;
    choice->addWidget(binderBox_);
    choice->addWidget(docFile_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(update_);
    buttons->addStretch(1);
    for (QPushButton* button : {reset_, ok_, cancel_}) {
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(list_, 1);
    layout->addWidget(status_);
    layout->addLayout(buttons);
    QWidget* const order[] = {binderBox_, list_, update_, reset_, ok_, cancel_};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }

    toolbarModel_ = std::make_unique<CToolbarDialog>(ToolbarHandlersFor(dialog_));
    toolbar_ = new ui::SmartToolbar(*toolbarModel_, this);
    ui::AddToolbar(*this, *toolbar_);
    connect(toolbar_, &ui::SmartToolbar::CommandRan, this, &AnnotationsView::Follow);

    connect(list_, &ui::QuickList::SelectionChangedByUser, this, [this] {
        if (following_) {
            return;
        }
        const std::vector<int> rows = list_->SelectedRows();
        dialog_.SetSelection({rows.begin(), rows.end()});
        Follow();
    });
    list_->SetCommands([this](int command) { return dialog_.IsEnabled(command); },
                       [this](int command) { runCommand(command); });
    list_->SetMenu([this] {
        return EditModeMenu(
            EditModeMenuOf::Annotations, [this](int id) { return dialog_.IsEnabled(id); },
            [this](int id) { return dialog_.IsChecked(id); });
    });
    connect(binderBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!following_ && index >= 0) {
            dialog_.ChooseBinder(binderBox_->itemData(index).toInt());
            Follow();
        }
    });

    dialog_.SetOnChange([this] { Follow(); });
    dialog_.SetBringToFront([this] {
        raise();
        activateWindow();
    });
    dialog_.OnInitDialog(this);
    following_ = true;
    const std::vector<std::string> choices = dialog_.BinderChoices();
    for (std::size_t i = 0; i < choices.size(); ++i) {
        binderBox_->addItem(text::toQString(choices[i]), static_cast<int>(i) + 1);
    }
    following_ = false;
    binderBox_->setVisible(dialog_.ShowsBinder());
    docFile_->setVisible(dialog_.ShowsBinder());
    Follow();

    const ui::DialogUnits units(*this);
    resize(units.size(kWidthUnits, kHeightUnits).expandedTo(sizeHint()));
    WindowPlacement placement;
    if (CAnnotationsDlg::ReadPlacement(placement)) {
        ui::placeWindow(*this, placement);
    }
    list_->setFocus();
}

AnnotationsView::~AnnotationsView() {
    dialog_.SetOnChange({});
    dialog_.SetBringToFront({});
    dialog_.OnDestroy();
}

void AnnotationsView::resetLayout() {
    list_->SetColumns({{CAnnotationsDlg::kColumns[0], Qt::AlignLeft, PairColumnWidth(*list_)},
                       {CAnnotationsDlg::kColumns[1]}});
}

void AnnotationsView::fillCell(QuickListCell& cell) const {
    const std::vector<CAnnotationsDlg::Row>& rows = dialog_.Rows();
    if (cell.item < 0 || static_cast<std::size_t>(cell.item) >= rows.size()) {
        return;
    }
    const CAnnotationsDlg::Row& row = rows[static_cast<std::size_t>(cell.item)];
    if (cell.column == 0) {
        cell.text = std::to_string(row.pair);
        if (const std::optional<std::uint32_t> colour = dialog_.RowColour(cell.item)) {
            cell.box = {1, 1, *colour, 1};
        }
        // Tab sheets stand out.
        cell.bold = row.tabsheet.value_or(false);
    } else {
        cell.text = row.text;
    }
}

void AnnotationsView::runCommand(int command) {
    dialog_.Execute(command);
    Follow();
}

void AnnotationsView::Follow() {
    if (following_) {
        return;
    }
    following_ = true;
    list_->SetRowCount(static_cast<int>(dialog_.Rows().size()));
    const std::set<int>& selection = dialog_.Selection();
    list_->SelectRows({selection.begin(), selection.end()});
    list_->Redraw();
    binderBox_->setCurrentIndex(binderBox_->findData(dialog_.ShownBinder()));
    docFile_->setText(text::toQString(dialog_.DocFile()));
    update_->setEnabled(dialog_.UpdateEnabled());
    const QString status = text::toQString(dialog_.StatusText()).simplified();
    if (status_->text() != status) {
        status_->setText(status);
    }
    toolbar_->UpdateButtons();
    following_ = false;
}

void AnnotationsView::update() {
    if (dialog_.OnUpdate()) {
        QDialog::done(QDialog::Rejected);
        return;
    }
    Follow();
}

void AnnotationsView::accept() {
    if (dialog_.OnOK()) {
        QDialog::accept();
    }
}

void AnnotationsView::reject() {
    if (dialog_.OnCancel()) {
        QDialog::reject();
        return;
    }
    Follow();
}

void AnnotationsView::done(int result) {
    if (!closed_ && isVisible()) {
        CAnnotationsDlg::WritePlacement(ui::placementOf(*this));
    }
    closed_ = true;
    QDialog::done(result);
}

int ShowAnnotationsDialog(CAnnotationsDlg& dialog, void* parent) {
    if (!ui::haveWidgets()) {
        return kIdCancel;
    }
    AnnotationsView view(dialog, ui::ownerWidget(parent));
    return view.exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}

}  // namespace lumar::merge
