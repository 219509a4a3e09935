#include "manager/qt/supplement_number_view.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "manager/supplement_number_dlg.h"
#include "platform/text/qt/qt_text.h"
#include "ui/modal_dialog.h"
#include "ui/qt/widget_handle.h"

namespace lumar::manager {

SupplementNumberView::SupplementNumberView(CSupplementNumberDlg& dialog, QWidget* parent)
    : QDialog(parent),
      dialog_(dialog),
      noIncrement_(new QRadioButton(text::toQString(dialog.NoIncrementText()), this)),
      increment_(new QRadioButton(text::toQString(dialog.IncrementText()), this)) {
    setObjectName("149");
    setWindowTitle(CSupplementNumberDlg::kTitle);
    auto* label = new QLabel(CSupplementNumberDlg::kLabel, this);
    label->setObjectName("1060");
    noIncrement_->setObjectName("1100");
    increment_->setObjectName("1102");
    noIncrement_->setChecked(dialog_.NoIncrementChecked());
    increment_->setChecked(dialog_.IncrementChecked());
    connect(noIncrement_, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) {
            dialog_.CheckNoIncrement();
        }
    });
    connect(increment_, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) {
            dialog_.CheckIncrement();
        }
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("1");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("2");
    connect(buttons, &QDialogButtonBox::accepted, this, &SupplementNumberView::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SupplementNumberView::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(noIncrement_);
    layout->addWidget(increment_);
    layout->addWidget(buttons);
    (dialog_.IncrementChecked() ? increment_ : noIncrement_)->setFocus();
}

void SupplementNumberView::accept() {
    dialog_.OnOK();
    QDialog::accept();
}

int ShowSupplementNumberDialog(CSupplementNumberDlg& dialog, void* parent) {
    if (!ui::haveWidgets()) {
        return kIdCancel;
    }
    SupplementNumberView view(dialog, ui::ownerWidget(parent));
    return view.exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}

}  // namespace lumar::manager
