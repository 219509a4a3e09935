#include "search/qt/search_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/text/qt/qt_text.h"
#include "search/search_dlg.h"
#include "ui/modal_dialog.h"
#include "ui/qt/dialog_units.h"
#include "ui/qt/widget_handle.h"
#include "ui/qt/window_geometry.h"

namespace lumar::search {

namespace {

// The window's width at first, in dialog units.
constexpr int kWidthUnits = 260;
// The drop-down shows this many earlier texts before it scrolls.
constexpr int kShownEntries = 12;

QPushButton* makeButton(const char* id, const char* title, QWidget* parent) {
    auto* button = new QPushButton(title, parent);
    button->setObjectName(id);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

SearchView::SearchView(CSearchDlg& dialog, QWidget* parent)
    : QDialog(parent),
      dialog_(dialog),
      text_(new QComboBox(this)),
      matchCase_(new QCheckBox("Match case", this)),
      search_(makeButton("1", "Search", this)),
      colour_(makeButton("1097", "Colour...", this)),
      tabSheet_(makeButton("1098", "Tab sheet", this)),
      cancel_(makeButton("2", "Cancel", this)) {
    setObjectName("147");
    setWindowTitle(CSearchDlg::kTitle);
    search_->setDefault(true);

    auto* label = new QLabel("Text to search for:", this);
    label->setBuddy(text_);
    text_->setObjectName("1096");
    text_->setEditable(true);
    text_->setInsertPolicy(QComboBox::NoInsert);
    text_->setMaxVisibleItems(kShownEntries);
    text_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    matchCase_->setObjectName("1095");

    // Cancel at the left; Search, "Colour..." and "Tab sheet" from the right.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cancel_);
    buttons->addStretch(1);
    buttons->addWidget(tabSheet_);
    buttons->addWidget(colour_);
    buttons->addWidget(search_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(text_);
    layout->addWidget(matchCase_, 0, Qt::AlignRight);
    layout->addSpacing(style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing));
    layout->addLayout(buttons);
    QWidget::setTabOrder(text_, matchCase_);
    QWidget::setTabOrder(matchCase_, cancel_);
    QWidget::setTabOrder(cancel_, tabSheet_);
    QWidget::setTabOrder(tabSheet_, colour_);
    QWidget::setTabOrder(colour_, search_);

    connect(text_, &QComboBox::editTextChanged, this, [this](const QString& text) {
        dialog_.SetText(text::fromQString(text));
        updateSearchButton();
    });
    connect(text_, &QComboBox::activated, this, [this](int index) {
        if (index >= 0) {
            dialog_.SelectEntry(static_cast<std::size_t>(index));
        }
        updateSearchButton();
    });
    connect(matchCase_, &QCheckBox::clicked, this, [this](bool checked) {
        dialog_.SetMatchCase(checked);
        updateSearchButton();
    });
    connect(tabSheet_, &QPushButton::clicked, this, [this] {
        dialog_.OnTabSheet();
        follow();
    });
    connect(colour_, &QPushButton::clicked, this, [this] {
        if (dialog_.OnColour()) {
            follow();
        }
    });
    connect(search_, &QPushButton::clicked, this, &SearchView::accept);
    connect(cancel_, &QPushButton::clicked, this, &SearchView::reject);

    dialog_.SetWindow(this);
    dialog_.OnInitDialog();
    {
        // Filling the list makes its first entry current: not a user's edit.
        const QSignalBlocker quiet(text_);
        for (const std::string& entry : dialog_.Entries()) {
            text_->addItem(text::toQString(entry));
        }
    }
    follow();

    // As high as the controls need; no narrower than the four buttons and
    // the margins between and beside them.
    int buttonWidth = 0;
    for (const QPushButton* button : {search_, colour_, tabSheet_, cancel_}) {
        buttonWidth = std::max(buttonWidth, button->sizeHint().width());
    }
    const int margin = style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    setMinimumWidth(4 * buttonWidth + 5 * margin);
    const int height = sizeHint().height();
    resize(std::max(ui::DialogUnits(*this).x(kWidthUnits), minimumWidth()), height);
    WindowPlacement placement;
    if (CSearchDlg::RestorePlacement(placement)) {
        ui::placeWindow(*this, placement);
    }
    setFixedHeight(height);
    text_->setFocus();
}

void SearchView::follow() {
    const QString text = text::toQString(dialog_.Text());
    if (text_->currentText() != text) {
        text_->setCurrentIndex(-1);
        text_->setEditText(text);
    }
    matchCase_->setChecked(dialog_.MatchCase());
    updateSearchButton();
}

void SearchView::updateSearchButton() {
    search_->setEnabled(dialog_.SearchEnabled());
    search_->setToolTip(text::toQString(dialog_.SearchToolTip()));
}

void SearchView::accept() {
    // The text as it stands in the box, whatever last changed it.
    dialog_.SetText(text::fromQString(text_->currentText()));
    dialog_.SetMatchCase(matchCase_->isChecked());
    if (dialog_.OnOK()) {
        QDialog::accept();
    }
}

void SearchView::done(int result) {
    if (isVisible()) {
        CSearchDlg::SavePlacement(ui::placementOf(*this));
    }
    QDialog::done(result);
}

int ShowSearchDialog(CSearchDlg& dialog, void* parent) {
    if (!ui::haveWidgets()) {
        return kIdCancel;
    }
    SearchView view(dialog, ui::ownerWidget(parent));
    return view.exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}

}  // namespace lumar::search
