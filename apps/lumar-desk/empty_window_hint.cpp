#include "empty_window_hint.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumar::desk {

EmptyWindowHint::EmptyWindowHint(QWidget* parent)
    : QWidget(parent),
      logOnHint_(
          new QLabel("To work with publications, log on (Lumar \xE2\x96\xB8 Log on...).", this)),
      logOn_(new QPushButton("&Log On...", this)) {
    setObjectName("EmptyWindowHint");
    auto* title = new QLabel("No document is open", this);
    QFont bigger = title->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.4);
    bigger.setBold(true);
    title->setFont(bigger);
    title->setAlignment(Qt::AlignCenter);

    auto* hint = new QLabel(
        "Open a binder or a supplement (File \xE2\x96\xB8 Open, Ctrl+O), or drop a PDF file "
        "on this window.",
        this);
    hint->setObjectName("HintText");
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(true);
    logOnHint_->setObjectName("LogOnHint");
    logOnHint_->setAlignment(Qt::AlignCenter);
    logOnHint_->setWordWrap(true);

    auto* open = new QPushButton("&Open a Binder...", this);
    open->setObjectName("OpenButton");
    logOn_->setObjectName("LogOnButton");
    connect(open, &QPushButton::clicked, this, &EmptyWindowHint::openRequested);
    connect(logOn_, &QPushButton::clicked, this, &EmptyWindowHint::logOnRequested);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(open);
    buttons->addWidget(logOn_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(2);
    layout->addWidget(title);
    layout->addSpacing(8);
    layout->addWidget(hint);
    layout->addWidget(logOnHint_);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->addStretch(3);
    layout->setContentsMargins(40, 20, 40, 20);
}

void EmptyWindowHint::setLogOnAvailable(bool available) {
    logOnHint_->setVisible(available);
    logOn_->setVisible(available);
}

}  // namespace lumar::desk
