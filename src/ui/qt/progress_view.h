#pragma once

// The progress dialog's window: the operation's text, a bar and Cancel (a
// hidden OK stays for the dialog's layout). Modeless, in front of the window
// it reports for; Cancel, Escape and the close button all run the dialog's
// Cancel command.

#include <QDialog>
#include <QPointer>

#include "ui/progress.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace lumar {
class CProgressDlg;
}

namespace lumar::ui {

class ProgressView : public QDialog {
    Q_OBJECT

public:
    ProgressView(CProgressDlg& dialog, QWidget* owner);
    ~ProgressView() override;

    QLabel* text() const { return text_; }
    QProgressBar* bar() const { return bar_; }

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void follow();

    CProgressDlg& dialog_;
    QLabel* text_;
    QProgressBar* bar_;
    QPushButton* cancel_;
    QPushButton* ok_;
};

// The progress windows of the plug-in module.
class QtProgressWindows : public ProgressWindows {
public:
    std::unique_ptr<ProgressWindow> Create(CProgressDlg& dialog, void* parent) override;
    void EnableWindow(void* window, bool enable) override;
    void PumpMessages() override;
};

}  // namespace lumar::ui
