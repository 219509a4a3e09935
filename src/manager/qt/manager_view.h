#pragma once

// The "Manage publications" window over CManagerDlg: a modeless dialog with
// the publication list in the "Available publications" tab, "&Details...",
// "Re&fresh", "&Add..." and Close placed by the manager's layout, and the
// workflow buttons the manager keeps hidden but enabled for its shortcuts.
// Closing it in any way (Close, Escape, the title bar) closes the manager.

#include <QDialog>
#include <map>
#include <memory>

#include "config/window_placement.h"

class QPushButton;
class QTabWidget;

namespace lumar {
class CManagerDlg;
class ManagerWindow;
}  // namespace lumar

namespace lumar::manager {

class PublicationList;

class ManagerView : public QDialog {
    Q_OBJECT

public:
    ManagerView(CManagerDlg& manager, QWidget* owner);

    [[nodiscard]] PublicationList& List() const { return *list_; }
    // The button of a control id (also the hidden ones), or null.
    [[nodiscard]] QPushButton* Button(int id) const;

    // Shows the manager's rows, selection and buttons as they are now.
    void Follow();
    [[nodiscard]] WindowPlacement Placement() const;

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* addButton(int id, const char* title, bool shown);
    void layOut();
    void updateButtons();
    void place(const WindowPlacement& placement);

    CManagerDlg& manager_;
    QTabWidget* tabs_;
    PublicationList* list_;
    std::map<int, QPushButton*> buttons_;
};

// The manager's window factory for SetManagerWindowFactory: the window over
// the host's main window, shown. Without a Qt application in the process the
// manager runs as the model alone.
std::unique_ptr<ManagerWindow> MakeManagerWindow(CManagerDlg& manager);

}  // namespace lumar::manager
