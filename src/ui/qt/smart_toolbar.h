#pragma once

// SmartToolbar: the toolbar of a CToolbarDialog as a Qt tool bar along the
// top edge of its dialog. One button per command of the toolbar, with the
// product's images (normal, hot under the mouse, disabled); while the
// toolbar is shown it asks the dialog every kIdleUpdateMs which buttons can
// be used, which are checked and what their tips say. A click runs the
// command through the dialog's handlers, then the buttons are updated at
// once and CommandRan tells the window to show the dialog's new state.
//
//   // In the dialog window's constructor, after its layout is set:
//   toolbarModel_ = std::make_unique<CToolbarDialog>(ToolbarHandlersFor(editor));
//   toolbar_ = new ui::SmartToolbar(*toolbarModel_, this);
//   ui::AddToolbar(*this, *toolbar_);
//   connect(toolbar_, &ui::SmartToolbar::CommandRan, this, &EditorView::Follow);
//
// After the window changed the dialog's state itself, UpdateButtons() shows
// it without waiting for the next update.

#include <QIcon>
#include <QTimer>
#include <QToolBar>
#include <map>

class QAction;

namespace lumar {
class CToolbarDialog;
}

namespace lumar::ui {

class SmartToolbar : public QToolBar {
    Q_OBJECT

public:
    static constexpr int kIdleUpdateMs = 100;

    SmartToolbar(CToolbarDialog& toolbar, QWidget* parent);

    // Every button as the dialog's handlers answer now.
    void UpdateButtons();
    // The button of `command`; null for none.
    [[nodiscard]] QAction* ActionOf(int command) const;

Q_SIGNALS:
    // A click ran `command`.
    void CommandRan(int command);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    CToolbarDialog& toolbar_;
    std::map<int, QAction*> actions_;
    QTimer idle_;
};

// The image `name` of a toolbar button (ui/toolbar_dialog.h), with its hot
// (QIcon::Active) and disabled forms. Drawn from SVG, so it is sharp at any
// scale.
QIcon ToolbarIcon(const char* name);

// Puts `toolbar` along the top edge of `dialog`, above what its layout holds.
// The dialog must have its layout.
void AddToolbar(QWidget& dialog, SmartToolbar& toolbar);

}  // namespace lumar::ui
