#include "ui/qt/progress_view.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWindow>

#include "platform/text/qt/qt_text.h"
#include "ui/progress_dlg.h"
#include "ui/qt/dialog_units.h"
#include "ui/qt/widget_handle.h"

namespace lumar::ui {

ProgressView::ProgressView(CProgressDlg& dialog, QWidget* owner)
    : QDialog(nullptr),
      dialog_(dialog),
      text_(new QLabel(this)),
      bar_(new QProgressBar(this)),
      cancel_(new QPushButton("Cancel", this)),
      ok_(new QPushButton("OK", this)) {
    setObjectName("140");
    setWindowTitle("Progress");
    setModal(false);
    const DialogUnits units(*this);
    setFixedSize(units.size(187, 62));
    text_->setObjectName("1060");
    text_->setGeometry(units.rect(7, 7, 173, 14));
    bar_->setObjectName("1059");
    bar_->setGeometry(units.rect(7, 24, 173, 14));
    bar_->setTextVisible(false);
    cancel_->setObjectName("2");
    cancel_->setGeometry(units.rect(68, 41, 50, 14));
    ok_->setObjectName("1");
    ok_->setGeometry(units.rect(130, 7, 50, 14));
    ok_->setEnabled(false);
    ok_->hide();
    connect(cancel_, &QPushButton::clicked, this, [this] { dialog_.OnCancel(); });

    dialog_.SetWindow(this);
    dialog_.SetOnChange([this] { follow(); });
    dialog_.OnInitDialog();
    if (owner != nullptr) {
        // Centred over the window it reports for, and kept in front of it.
        // It is not that window's child: the operation disables that window,
        // and a child would be disabled with it.
        QWidget* over = owner->window();
        move(over->frameGeometry().center() - rect().center());
        winId();
        if (windowHandle() != nullptr && over->windowHandle() != nullptr) {
            windowHandle()->setTransientParent(over->windowHandle());
        }
    }
}

ProgressView::~ProgressView() {
    // The dialog's state outlives its window.
    dialog_.SetOnChange({});
    dialog_.SetWindow(nullptr);
}

void ProgressView::follow() {
    cancel_->setEnabled(dialog_.CancelEnabled());
}

void ProgressView::reject() {
    dialog_.OnCancel();
}

void ProgressView::closeEvent(QCloseEvent* event) {
    // Only the operation closes the dialog; closing it asks to cancel.
    event->ignore();
    dialog_.OnCancel();
}

namespace {

class QtProgressWindow : public ProgressWindow {
public:
    explicit QtProgressWindow(ProgressView* view) : view_(view) {}
    ~QtProgressWindow() override {
        if (view_) {
            view_->hide();
            delete view_.data();
        }
    }
    QtProgressWindow(const QtProgressWindow&) = delete;
    QtProgressWindow& operator=(const QtProgressWindow&) = delete;

    void SetRange(std::int32_t minimum, std::int32_t maximum) override {
        if (view_) {
            view_->bar()->setRange(minimum, maximum);
        }
    }
    void SetPosition(std::int32_t position) override {
        if (view_) {
            view_->bar()->setValue(position);
        }
    }
    std::int32_t Position() const override { return view_ ? view_->bar()->value() : 0; }
    void SetText(const std::string& text) override {
        if (view_) {
            view_->text()->setText(text::toQString(text));
        }
    }
    void Show() override {
        if (view_) {
            view_->show();
            view_->raise();
        }
    }

private:
    QPointer<ProgressView> view_;
};

}  // namespace

std::unique_ptr<ProgressWindow> QtProgressWindows::Create(CProgressDlg& dialog, void* parent) {
    if (!haveWidgets()) {
        return nullptr;
    }
    return std::make_unique<QtProgressWindow>(new ProgressView(dialog, liveWidget(parent)));
}

void QtProgressWindows::EnableWindow(void* window, bool enable) {
    if (QWidget* widget = liveWidget(window)) {
        widget->setEnabled(enable);
    }
}

void QtProgressWindows::PumpMessages() {
    if (haveWidgets()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

}  // namespace lumar::ui
