#include "manager/qt/publication_details_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <vector>

#include "manager/publication_details_dlg.h"
#include "manager/qt/document_list.h"
#include "platform/text/qt/qt_text.h"
#include "ui/modal_dialog.h"
#include "ui/qt/widget_handle.h"
#include "ui/qt/window_geometry.h"

namespace lumar::manager {

namespace {

// The list shows this many rows at least.
constexpr int kShownRows = 6;
// The remarks show this many lines.
constexpr int kRemarkLines = 3;

QComboBox* makeDropDown(const char* id, const std::vector<LookupEntry>& entries, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(id);
    for (const LookupEntry& entry : entries) {
        box->addItem(text::toQString(entry.name), entry.id);
    }
    return box;
}

QLineEdit* makeEdit(const char* id, int maxLength, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(id);
    if (maxLength > 0) {
        edit->setMaxLength(maxLength);
    }
    return edit;
}

QLineEdit* makeFigure(const char* id, QWidget* parent) {
    QLineEdit* figure = makeEdit(id, 0, parent);
    figure->setReadOnly(true);
    figure->setFocusPolicy(Qt::NoFocus);
    figure->setAlignment(Qt::AlignRight);
    return figure;
}

QPushButton* makeButton(const char* id, const QString& title, QWidget* parent) {
    auto* button = new QPushButton(title, parent);
    button->setObjectName(id);
    button->setAutoDefault(false);
    return button;
}

void selectId(QComboBox* box, std::int32_t id) {
    box->setCurrentIndex(std::max(0, box->findData(id)));
}

std::int32_t selectedId(const QComboBox* box) {
    return box->currentIndex() < 0 ? 0 : box->currentData().toInt();
}

void setTextIfDifferent(QLineEdit* edit, const std::string& text) {
    const QString shown = text::toQString(text);
    if (edit->text() != shown) {
        edit->setText(shown);
    }
}

}  // namespace

PublicationDetailsView::PublicationDetailsView(CPublicationDetailsDlg& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
    setObjectName("136");
    setSizeGripEnabled(true);
    QWidget* form = makeForm();
    documents_ = new QGroupBox(this);
    documents_->setObjectName("1074");
    list_ = new DocumentList(dialog_, documents_);
    list_->setMinimumHeight(list_->verticalHeader()->defaultSectionSize() * kShownRows +
                            list_->horizontalHeader()->sizeHint().height());
    auto* documentsLayout = new QVBoxLayout(documents_);
    documentsLayout->addWidget(list_);
    setUpButtons();

    // The publication's fields widen with the window, up to half as much
    // again as they need.
    auto* top = new QHBoxLayout;
    top->addWidget(form, 1);
    top->addStretch(0);
    form->setMaximumWidth(form->sizeHint().width() * 3 / 2);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(cancel_);
    bottom->addStretch(1);
    for (QPushButton* button : {search_, print_, reset_, ok_}) {
        bottom->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(documents_, 1);
    layout->addLayout(bottom);
    orderTabs();

    dialog_.SetEndHandler([this](int result) { done(result); });
    dialog_.SetBringToFront([this] {
        raise();
        activateWindow();
    });
    connect(list_, &DocumentList::Acted, this, &PublicationDetailsView::Follow);

    dialog_.OnInitDialog(this);
    setWindowTitle(text::toQString(dialog_.Title()));
    documents_->setTitle(text::toQString(dialog_.GroupTitle()));
    showForm();
    const bool editable = dialog_.Editable();
    for (QWidget* field : std::initializer_list<QWidget*>{status_, language_, binderType_,
                                                          printing_, colourPrint_, tabSheets_}) {
        field->setEnabled(editable);
    }
    for (QLineEdit* edit :
         {nimbaCode_, lumarCode_, sapCode_, abbreviation_, description_, maxPageCount_}) {
        edit->setReadOnly(!editable);
    }
    remarks_->setReadOnly(!editable);
    ok_->setDefault(editable);
    Follow();
    resize(sizeHint().expandedTo(minimumSizeHint()));
    widenForColumns();
    if (const std::optional<WindowPlacement>& placement = dialog_.InitialPlacement()) {
        ui::placeWindow(*this, *placement);
    }
    list_->setFocus();
}

PublicationDetailsView::~PublicationDetailsView() {
    dialog_.SetEndHandler({});
    dialog_.SetBringToFront({});
    dialog_.OnDestroy();
}

void PublicationDetailsView::widenForColumns() {
    // At first the window shows every column of the list (with room for its
    // scroll bar), as far as the screen allows.
    const auto across = [](const QLayout* layout) {
        const QMargins margins = layout->contentsMargins();
        return margins.left() + margins.right();
    };
    const int needed = list_->horizontalHeader()->length() + 2 * list_->frameWidth() +
                       style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                       across(documents_->layout()) + across(layout()) +
                       2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const QScreen* screen = this->screen();
    const int widest = screen != nullptr ? screen->availableGeometry().width() : needed;
    resize(std::max(width(), std::min(needed, widest)), height());
}

QWidget* PublicationDetailsView::makeForm() {
    auto* group = new QGroupBox(this);
    status_ = makeDropDown("1024", CPublicationDetailsDlg::PublicationStatusEntries(), group);
    language_ = makeDropDown("1025", CPublicationDetailsDlg::LanguageEntries(), group);
    nimbaCode_ = makeEdit("1026", CPublicationDetailsDlg::kCodeMaxLength, group);
    lumarCode_ = makeEdit("1027", CPublicationDetailsDlg::kCodeMaxLength, group);
    sapCode_ = makeEdit("1028", CPublicationDetailsDlg::kCodeMaxLength, group);
    abbreviation_ = makeEdit("1029", CPublicationDetailsDlg::kCodeMaxLength, group);
    binderType_ = makeDropDown("1035", CPublicationDetailsDlg::BinderTypeEntries(), group);
    printing_ = makeDropDown("1036", CPublicationDetailsDlg::PrintingEntries(), group);
    maxPageCount_ = makeEdit("1034", 0, group);
    maxPageCount_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]*"), maxPageCount_));
    mergedSupplement_ = makeFigure("1050", group);
    pages_ = makeFigure("1056", group);
    bindersOk_ = makeFigure("1054", group);
    colourPrint_ = new QCheckBox(group);
    colourPrint_->setObjectName("1031");
    tabSheets_ = new QCheckBox(group);
    tabSheets_->setObjectName("1033");
    description_ = makeEdit("1030", CPublicationDetailsDlg::kTextMaxLength, group);
    remarks_ = new QPlainTextEdit(group);
    remarks_->setObjectName("1032");
    remarks_->setTabChangesFocus(true);
    remarks_->setFixedHeight(remarks_->fontMetrics().lineSpacing() * kRemarkLines +
                             2 * remarks_->frameWidth() + 8);

    auto* grid = new QGridLayout(group);
    const auto place = [group, grid](const char* title, QWidget* field, int row, int column,
                                     int span = 1) {
        auto* label = new QLabel(title, group);
        label->setBuddy(field);
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1, 1, span);
    };
    place("Publication status:", status_, 0, 0);
    place("Language:", language_, 1, 0);
    place("NIMBA code:", nimbaCode_, 2, 0);
    place("Lumar code:", lumarCode_, 3, 0);
    place("SAP code:", sapCode_, 4, 0);
    place("Abbreviation:", abbreviation_, 5, 0);
    place("Binder type:", binderType_, 0, 2);
    place("Printing:", printing_, 1, 2);
    place("Max. page count/binder:", maxPageCount_, 2, 2);
    place("Merged supplement:", mergedSupplement_, 3, 2);
    place("# Pages:", pages_, 4, 2);
    place("# Binders OK:", bindersOk_, 5, 2);
    place("Colour print:", colourPrint_, 6, 0);
    place("Tab sheets:", tabSheets_, 6, 2);
    place("Description:", description_, 7, 0, 3);
    place("Remarks:", remarks_, 8, 0, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    for (QComboBox* box : {status_, language_, binderType_, printing_}) {
        connect(box, &QComboBox::currentIndexChanged, this, &PublicationDetailsView::formEdited);
    }
    for (QLineEdit* edit :
         {nimbaCode_, lumarCode_, sapCode_, abbreviation_, description_, maxPageCount_}) {
        connect(edit, &QLineEdit::textChanged, this, &PublicationDetailsView::formEdited);
    }
    connect(remarks_, &QPlainTextEdit::textChanged, this, &PublicationDetailsView::formEdited);
    for (QCheckBox* box : {colourPrint_, tabSheets_}) {
        connect(box, &QCheckBox::toggled, this, &PublicationDetailsView::formEdited);
    }
    return group;
}

namespace {

// The document commands' hidden buttons: kept for their enabled state and
// their Alt shortcuts; the document list's menu offers the same commands.
struct HiddenCommandButton {
    int id;
    const char* title;
    int command;
};
constexpr HiddenCommandButton kHiddenCommandButtons[] = {
    {1078, "Set PDF status O&K", kCmdSetPdfStatusOk},
    {1079, "Set PDF status no&t OK", kCmdSetPdfStatusNotOk},
    {1080, "&View annotations...", kCmdViewAnnotations},
    {1081, "&Check document", kCmdCheckDocument},
    {1082, "Create annotation &report", kCmdAnnotationReport},
    {1083, "Create annotation report (&no numbers)", kCmdAnnotationReportNoNumbers},
};

// The letter after the "&" of a title, in lower case; 0 without one.
QChar mnemonicOf(const QString& title) {
    const qsizetype at = title.indexOf('&');
    return at >= 0 && at + 1 < title.size() ? title.at(at + 1).toLower() : QChar();
}

}  // namespace

void PublicationDetailsView::setUpButtons() {
    for (const HiddenCommandButton& hidden : kHiddenCommandButtons) {
        const QByteArray id = QByteArray::number(hidden.id);
        QPushButton* button = makeButton(id.constData(), hidden.title, this);
        button->setVisible(false);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, command = hidden.command] {
            dialog_.ListCommand(command);
            Follow();
        });
        commandButtons_[hidden.id] = button;
    }
    cancel_ = makeButton("2", "Cancel", this);
    search_ = makeButton("1089", "Search...", this);
    print_ = makeButton("1088", "Print...", this);
    reset_ = makeButton("1006", "Reset", this);
    ok_ = makeButton("1", "OK", this);
    connect(cancel_, &QPushButton::clicked, this, &PublicationDetailsView::reject);
    connect(ok_, &QPushButton::clicked, this, &PublicationDetailsView::accept);
    connect(reset_, &QPushButton::clicked, this, [this] {
        dialog_.OnReset();
        showForm();
        updateControls();
    });
    connect(print_, &QPushButton::clicked, this, [this] {
        dialog_.ClickPrint();
        Follow();
    });
    connect(search_, &QPushButton::clicked, this, [this] {
        dialog_.ClickSearch();
        Follow();
    });
}

void PublicationDetailsView::orderTabs() {
    // Down the left column of fields, down the right one, the check boxes,
    // the two texts, the documents, then the buttons left to right.
    QWidget* const order[] = {status_,       language_,     nimbaCode_,  lumarCode_,
                              sapCode_,      abbreviation_, binderType_, printing_,
                              maxPageCount_, colourPrint_,  tabSheets_,  description_,
                              remarks_,      list_,         cancel_,     search_,
                              print_,        reset_,        ok_};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void PublicationDetailsView::showForm() {
    showing_ = true;
    const PublicationForm& form = dialog_.Controls();
    selectId(status_, form.publicationStatusId);
    selectId(language_, form.languageId);
    selectId(binderType_, form.binderTypeId);
    selectId(printing_, form.printingId);
    setTextIfDifferent(nimbaCode_, form.nimbaCode);
    setTextIfDifferent(lumarCode_, form.lumarCode);
    setTextIfDifferent(sapCode_, form.sapCode);
    setTextIfDifferent(abbreviation_, form.abbreviation);
    setTextIfDifferent(description_, form.description);
    setTextIfDifferent(maxPageCount_, form.maxPageCount);
    if (remarks_->toPlainText() != text::toQString(form.remarks)) {
        remarks_->setPlainText(text::toQString(form.remarks));
    }
    colourPrint_->setChecked(form.colourPrint);
    tabSheets_->setChecked(form.tabSheets);
    showing_ = false;
}

PublicationForm PublicationDetailsView::readForm() const {
    PublicationForm form;
    form.publicationStatusId = selectedId(status_);
    form.languageId = selectedId(language_);
    form.nimbaCode = text::fromQString(nimbaCode_->text());
    form.lumarCode = text::fromQString(lumarCode_->text());
    form.sapCode = text::fromQString(sapCode_->text());
    form.abbreviation = text::fromQString(abbreviation_->text());
    form.description = text::fromQString(description_->text());
    form.remarks = text::fromQString(remarks_->toPlainText());
    form.colourPrint = colourPrint_->isChecked();
    form.tabSheets = tabSheets_->isChecked();
    form.maxPageCount = text::fromQString(maxPageCount_->text());
    form.binderTypeId = selectedId(binderType_);
    form.printingId = selectedId(printing_);
    return form;
}

void PublicationDetailsView::formEdited() {
    if (showing_) {
        return;
    }
    dialog_.SetControls(readForm());
    updateControls();
}

void PublicationDetailsView::Follow() {
    list_->Follow();
    updateControls();
}

void PublicationDetailsView::updateControls() {
    dialog_.UpdateControls();
    setTextIfDifferent(mergedSupplement_, dialog_.MergedSupplementText());
    setTextIfDifferent(pages_, dialog_.PagesText());
    setTextIfDifferent(bindersOk_, dialog_.BindersOkText());
    ok_->setVisible(dialog_.OkVisible());
    cancel_->setText(text::toQString(dialog_.CancelText()));
    reset_->setVisible(dialog_.ResetVisible());
    reset_->setEnabled(dialog_.ResetEnabled());
    print_->setText(text::toQString(dialog_.PrintText()));
    print_->setEnabled(dialog_.PrintEnabled());
    search_->setText(text::toQString(dialog_.SearchText()));
    search_->setEnabled(dialog_.SearchEnabled());
    for (const HiddenCommandButton& hidden : kHiddenCommandButtons) {
        commandButtons_[hidden.id]->setEnabled(dialog_.CommandAvailable(hidden.command));
    }
    // While they are disabled, Print and Search tell why.
    const QString tip = text::toQString(dialog_.PrintToolTip());
    print_->setToolTip(tip);
    search_->setToolTip(tip);
}

QPushButton* PublicationDetailsView::CommandButton(int id) const {
    const auto found = commandButtons_.find(id);
    return found != commandButtons_.end() ? found->second : nullptr;
}

void PublicationDetailsView::keyPressEvent(QKeyEvent* event) {
    // Qt gives hidden buttons no shortcuts: Alt with their letter presses
    // them while their command is available.
    // The key, not its text: with Alt held some platforms give no text.
    if (event->modifiers() == Qt::AltModifier && event->key() >= Qt::Key_A &&
        event->key() <= Qt::Key_Z) {
        const QChar letter(static_cast<char16_t>(u'a' + (event->key() - Qt::Key_A)));
        for (const auto& [id, button] : commandButtons_) {
            if (mnemonicOf(button->text()) == letter) {
                updateControls();
                if (button->isEnabled()) {
                    button->click();
                }
                event->accept();
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

void PublicationDetailsView::accept() {
    // OK checks and writes back; the dialog closes the window when it ends.
    dialog_.OnOK();
}

void PublicationDetailsView::reject() {
    // Cancel, Close, Escape and the title bar's close.
    dialog_.OnCancel();
}

void PublicationDetailsView::done(int result) {
    // What the dialog saves when it goes: the placement and the header, as
    // the user saw them (not when add mode ended it before it was shown).
    if (!closed_ && isVisible()) {
        dialog_.SetCurrentPlacement(ui::placementOf(*this));
        list_->CaptureColumns();
    }
    closed_ = true;
    QDialog::done(result);
}

int ShowPublicationDetailsDialog(CPublicationDetailsDlg& dialog, void* parent) {
    if (!ui::haveWidgets()) {
        return RunPublicationDetailsWithoutWindow(dialog);
    }
    PublicationDetailsView view(dialog, ui::ownerWidget(parent));
    // Add mode may have ended the dialog while it opened.
    if (!dialog.EndResult()) {
        view.exec();
    }
    return dialog.EndResult().value_or(kIdCancel);
}

}  // namespace lumar::manager
