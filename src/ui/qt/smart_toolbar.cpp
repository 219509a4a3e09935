#include "ui/qt/smart_toolbar.h"

#include <QAction>
#include <QLayout>
#include <QString>

#include "platform/text/qt/qt_text.h"
#include "ui/toolbar_dialog.h"

namespace lumar::ui {

namespace {

// The buttons' images are drawn 20 pixels square.
constexpr int kImageSize = 20;

}  // namespace

QIcon ToolbarIcon(const char* name) {
    const QString base = QStringLiteral(":/lumar/toolbar/") + QString::fromLatin1(name);
    QIcon icon(base + QStringLiteral("-normal.svg"));
    icon.addFile(base + QStringLiteral("-hot.svg"), {}, QIcon::Active);
    icon.addFile(base + QStringLiteral("-disabled.svg"), {}, QIcon::Disabled);
    return icon;
}

SmartToolbar::SmartToolbar(CToolbarDialog& toolbar, QWidget* parent)
    : QToolBar(parent), toolbar_(toolbar) {
    setObjectName(QString::number(toolbar.Resource()));
    setMovable(false);
    setFloatable(false);
    setIconSize({kImageSize, kImageSize});
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolbarButton& button : toolbar_.Buttons()) {
        if (button.command == 0) {
            addSeparator();
            continue;
        }
        QAction* action = addAction(ToolbarIcon(button.image), {});
        action->setObjectName(QString::number(button.command));
        action->setCheckable(true);
        const int command = button.command;
        connect(action, &QAction::triggered, this, [this, command] {
            const bool ran = toolbar_.OnToolbarCommand(command);
            UpdateButtons();
            if (ran) {
                Q_EMIT CommandRan(command);
            }
        });
        actions_[command] = action;
    }
    idle_.setInterval(kIdleUpdateMs);
    connect(&idle_, &QTimer::timeout, this, &SmartToolbar::UpdateButtons);
    UpdateButtons();
}

void SmartToolbar::UpdateButtons() {
    for (const ToolbarButtonState& state : toolbar_.ButtonStates()) {
        QAction* action = ActionOf(state.command);
        if (action == nullptr) {
            continue;
        }
        const QString tip = text::toQString(state.toolTip);
        if (action->isEnabled() != state.enabled) {
            action->setEnabled(state.enabled);
        }
        if (action->isChecked() != state.checked) {
            action->setChecked(state.checked);
        }
        if (action->toolTip() != tip || action->text() != tip) {
            action->setText(tip);
            action->setToolTip(tip);
        }
    }
}

QAction* SmartToolbar::ActionOf(int command) const {
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

void SmartToolbar::showEvent(QShowEvent* event) {
    QToolBar::showEvent(event);
    UpdateButtons();
    idle_.start();
}

void SmartToolbar::hideEvent(QHideEvent* event) {
    idle_.stop();
    QToolBar::hideEvent(event);
}

void AddToolbar(QWidget& dialog, SmartToolbar& toolbar) {
    if (QLayout* layout = dialog.layout()) {
        layout->setMenuBar(&toolbar);
    }
}

}  // namespace lumar::ui
