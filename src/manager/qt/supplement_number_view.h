#pragma once

// The "Add Supplement" dialog window over CSupplementNumberDlg: the label,
// the two numbers to choose from as radio buttons, OK and Cancel.

#include <QDialog>

class QRadioButton;

namespace lumar {
class CSupplementNumberDlg;
}

namespace lumar::manager {

class SupplementNumberView : public QDialog {
    Q_OBJECT

public:
    SupplementNumberView(CSupplementNumberDlg& dialog, QWidget* parent);

    void accept() override;

private:
    CSupplementNumberDlg& dialog_;
    QRadioButton* noIncrement_;
    QRadioButton* increment_;
};

// Shows the dialog modally; kIdOk when it closed with OK.
int ShowSupplementNumberDialog(CSupplementNumberDlg& dialog, void* parent);

}  // namespace lumar::manager
