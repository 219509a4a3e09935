#include "usersettings/qt/settings_view.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/modal_dialog.h"
#include "ui/qt/auto_tab_ctrl.h"
#include "ui/qt/widget_handle.h"
#include "usersettings/qt/proxy_view.h"
#include "usersettings/qt/uri_view.h"
#include "usersettings/settings_dlg.h"

namespace lumar::config {

namespace {

QPushButton* button(QWidget* parent, const char* title, const char* id) {
    auto* push = new QPushButton(title, parent);
    push->setObjectName(id);
    return push;
}

}  // namespace

SettingsView::SettingsView(CSettingsDlg& dialog, QWidget* parent)
    : QDialog(parent),
      dialog_(dialog),
      tabs_(new ui::CAutoTabCtrl(this)),
      cancel_(button(this, "Cancel", "2")),
      reset_(button(this, "Reset", "1006")),
      apply_(button(this, "Apply", "1007")),
      ok_(button(this, "OK", "1")) {
    setObjectName("116");
    setWindowTitle("Lumar User settings");
    tabs_->setObjectName("1010");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* push : {cancel_, reset_, apply_, ok_}) {
        push->setAutoDefault(false);
        buttons->addWidget(push);
    }
    ok_->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);

    connect(cancel_, &QPushButton::clicked, this, &SettingsView::reject);
    connect(ok_, &QPushButton::clicked, this, &SettingsView::accept);
    connect(reset_, &QPushButton::clicked, this, [this] { dialog_.OnReset(); });
    connect(apply_, &QPushButton::clicked, this, [this] { dialog_.OnApply(); });
    connect(tabs_, &ui::CAutoTabCtrl::tabSelChange, this, [this] { updateButtons(); });
    dialog_.SetOnButtonsChange([this] { updateButtons(); });

    tabs_->AddPage(CSettingsDlg::kUriPageTitle,
                   [this](QWidget* area) { return new UriView(dialog_.UriPage(), area); });
    tabs_->AddPage(CSettingsDlg::kProxyPageTitle,
                   [this](QWidget* area) { return new ProxyView(dialog_.ProxyPage(), area); });
    tabs_->SelectPage(0);
    dialog_.OnInitDialog(this);
    updateButtons();
}

SettingsView::~SettingsView() {
    dialog_.SetOnButtonsChange({});
    dialog_.UriPage().SetOnShow({});
    dialog_.ProxyPage().SetOnShow({});
    dialog_.OnDestroy();
}

void SettingsView::updateButtons() {
    reset_->setEnabled(dialog_.ResetEnabled());
    apply_->setEnabled(dialog_.ApplyEnabled());
}

void SettingsView::accept() {
    if (dialog_.OnOK()) {
        QDialog::accept();
    }
}

void SettingsView::reject() {
    if (dialog_.OnCancel()) {
        QDialog::reject();
    }
}

int ShowSettingsDialog(CSettingsDlg& dialog, void* parent) {
    if (!ui::haveWidgets()) {
        return kIdCancel;
    }
    SettingsView view(dialog, ui::ownerWidget(parent));
    return view.exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}

}  // namespace lumar::config
