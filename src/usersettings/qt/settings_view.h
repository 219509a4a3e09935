#pragma once

// The "Lumar User settings" dialog window over CSettingsDlg: the tab control
// with the "URIs" and "Proxy" pages, and Cancel, Reset, Apply and OK from
// left to right.

#include <QDialog>

class QPushButton;

namespace lumar {
class CSettingsDlg;
}
namespace lumar::ui {
class CAutoTabCtrl;
}

namespace lumar::config {

class SettingsView : public QDialog {
    Q_OBJECT

public:
    SettingsView(CSettingsDlg& dialog, QWidget* parent);
    ~SettingsView() override;

    ui::CAutoTabCtrl& Tabs() const { return *tabs_; }

    void accept() override;
    void reject() override;

private:
    void updateButtons();

    CSettingsDlg& dialog_;
    ui::CAutoTabCtrl* tabs_;
    QPushButton* cancel_;
    QPushButton* reset_;
    QPushButton* apply_;
    QPushButton* ok_;
};

// Shows the dialog modally; kIdOk when it closed with OK.
int ShowSettingsDialog(CSettingsDlg& dialog, void* parent);

}  // namespace lumar::config
