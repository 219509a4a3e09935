#pragma once

// The "Select a colour..." window over CColourDlg: a quick list of the
// colours (the no-colour row first; each colour's name with its swatch and
// its R, G and B), OK and Cancel. Selecting, double clicks and OK go to the
// dialog; OK is enabled, and tells why not, as the dialog says. The window
// takes its stored placement on opening and stores it on closing.

#include <QDialog>

class QPushButton;

namespace lumar {
class CColourDlg;
struct QuickListCell;
}  // namespace lumar

namespace lumar::ui {
class QuickList;
}

namespace lumar::merge {

class ColourView : public QDialog {
    Q_OBJECT

public:
    ColourView(CColourDlg& dialog, QWidget* parent);

    [[nodiscard]] ui::QuickList& List() const { return *list_; }

    void accept() override;
    void done(int result) override;

private:
    void fillCell(QuickListCell& cell) const;
    void userSelected();
    void updateOk();

    CColourDlg& dialog_;
    ui::QuickList* list_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

// Shows the dialog modally over `parent`; kIdOk when it closed with OK.
int ShowColourDialog(CColourDlg& dialog, void* parent);

}  // namespace lumar::merge
