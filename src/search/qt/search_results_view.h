#pragma once

// The "Search results" window over CSearchResultsDlg: the toolbar (all its
// buttons disabled: the dialog has no commands of its own) with the search
// text and Extract in its row, the found page pairs in a quick list two text
// lines a row, and a status bar counting the selected pages. The list asks
// the dialog for every cell; selecting goes to the dialog, and Extract
// (enabled, and telling why not, as the dialog says) extracts the selected
// pairs into a new document and closes the window when the host shows it.
// A timer lets the dialog drop a read-only user's selection and updates the
// status bar. Escape or the close box closes the window; it takes its stored
// placement on opening and stores it on closing.

#include <QDialog>
#include <QTimer>
#include <memory>

class QLabel;
class QPushButton;
class QStatusBar;

namespace lumar {
class CSearchResultsDlg;
class CToolbarDialog;
struct QuickListCell;
}  // namespace lumar

namespace lumar::ui {
class QuickList;
class SmartToolbar;
}  // namespace lumar::ui

namespace lumar::search {

class SearchResultsView : public QDialog {
    Q_OBJECT

public:
    SearchResultsView(CSearchResultsDlg& dialog, QWidget* parent);
    ~SearchResultsView() override;
    SearchResultsView(const SearchResultsView&) = delete;
    SearchResultsView& operator=(const SearchResultsView&) = delete;

    [[nodiscard]] ui::QuickList& List() const { return *list_; }
    // The status bar's text: the number of selected pages.
    [[nodiscard]] QString StatusText() const;

    void done(int result) override;

private:
    void fillCell(QuickListCell& cell) const;
    void fitColumns();
    void userSelected();
    void updateControls();
    void onTimer();
    void extract();

    CSearchResultsDlg& dialog_;
    std::unique_ptr<CToolbarDialog> toolbarModel_;
    ui::SmartToolbar* toolbar_;
    QLabel* searchText_;
    QPushButton* extract_;
    ui::QuickList* list_;
    QStatusBar* status_;
    QLabel* selectedPages_ = nullptr;
    QTimer timer_;
};

// Shows the dialog modally over `parent`; kIdOk when it closed after an
// extraction, else kIdCancel.
int ShowSearchResultsDialog(CSearchResultsDlg& dialog, void* parent);

}  // namespace lumar::search
