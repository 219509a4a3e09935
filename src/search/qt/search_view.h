#pragma once

// The "Search" window over CSearchDlg: "Text to search for:" with an
// editable drop-down of the earlier search texts, "Match case", and the
// buttons Cancel, "Tab sheet", "Colour..." and Search (the default). Every
// edit and click goes to the dialog; the window shows the dialog's text,
// flag and Search button afterwards. Search stores the flag and the recent
// searches (the dialog does) and closes with OK. The window is as high as
// its controls need and grows in width only; it takes its stored placement
// on opening and stores it on closing.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace lumar {
class CSearchDlg;
}

namespace lumar::search {

class SearchView : public QDialog {
    Q_OBJECT

public:
    SearchView(CSearchDlg& dialog, QWidget* parent);

    void accept() override;
    void done(int result) override;

private:
    // Shows the dialog's text, flag and Search button.
    void follow();
    void updateSearchButton();

    CSearchDlg& dialog_;
    QComboBox* text_;
    QCheckBox* matchCase_;
    QPushButton* search_;
    QPushButton* colour_;
    QPushButton* tabSheet_;
    QPushButton* cancel_;
};

// Shows the dialog modally over `parent`; kIdOk when it closed with Search.
int ShowSearchDialog(CSearchDlg& dialog, void* parent);

}  // namespace lumar::search
