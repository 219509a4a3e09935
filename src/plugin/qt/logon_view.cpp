#include "plugin/qt/logon_view.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/text/qt/qt_text.h"
#include "plugin/logon_dlg.h"
#include "ui/modal_dialog.h"
#include "ui/qt/widget_handle.h"

namespace lumar::plugin {

LogonView::LogonView(CLogonDlg& dialog, QWidget* parent)
    : QDialog(parent),
      dialog_(dialog),
      userName_(new QLineEdit(this)),
      password_(new QLineEdit(this)),
      ok_(nullptr) {
    setObjectName("113");
    setWindowTitle(CLogonDlg::kTitle);
    userName_->setObjectName("1003");
    userName_->setMaxLength(CLogonDlg::kTextLimit);
    userName_->setMinimumWidth(220);
    password_->setObjectName("1004");
    password_->setMaxLength(CLogonDlg::kTextLimit);
    password_->setEchoMode(QLineEdit::Password);

    auto* credentials = new QGroupBox("Credentials", this);
    auto* fields = new QFormLayout(credentials);
    fields->addRow("User name:", userName_);
    fields->addRow("User password:", password_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setObjectName("1");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("2");
    connect(buttons, &QDialogButtonBox::accepted, this, &LogonView::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LogonView::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(credentials);
    layout->addWidget(buttons);

    connect(userName_, &QLineEdit::textEdited, this, [this](const QString& text) {
        dialog_.SetUserName(text::fromQString(text));
        updateOk();
    });
    connect(password_, &QLineEdit::textEdited, this, [this](const QString& text) {
        dialog_.SetPassword(text::fromQString(text));
        updateOk();
    });
    userName_->setText(text::toQString(dialog_.UserName()));
    password_->setText(text::toQString(dialog_.Password()));
    dialog_.OnInitDialog(this);
    updateOk();
}

LogonView::~LogonView() {
    dialog_.OnDestroy();
}

void LogonView::updateOk() {
    ok_->setEnabled(dialog_.OkEnabled());
    ok_->setToolTip(text::toQString(dialog_.OkToolTip()));
}

void LogonView::accept() {
    // Enter reaches here too: a dialog with a blank field stays open.
    updateOk();
    if (ok_->isVisible() && ok_->isEnabled() && dialog_.OnOK()) {
        QDialog::accept();
    }
}

int ShowLogonDialog(CLogonDlg& dialog, void* parent) {
    if (!ui::haveWidgets()) {
        return kIdCancel;
    }
    LogonView view(dialog, ui::ownerWidget(parent));
    return view.exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}

}  // namespace lumar::plugin
