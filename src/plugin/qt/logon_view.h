#pragma once

// The "Log on" dialog window over CLogonDlg: the "Credentials" group with
// the user name and the masked password, OK and Cancel.

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace lumar {
class CLogonDlg;
}

namespace lumar::plugin {

class LogonView : public QDialog {
    Q_OBJECT

public:
    LogonView(CLogonDlg& dialog, QWidget* parent);
    ~LogonView() override;

    void accept() override;

private:
    void updateOk();

    CLogonDlg& dialog_;
    QLineEdit* userName_;
    QLineEdit* password_;
    QPushButton* ok_;
};

// Shows the dialog modally; kIdOk when it closed with OK.
int ShowLogonDialog(CLogonDlg& dialog, void* parent);

}  // namespace lumar::plugin
