#pragma once

// The "Merge data details" window over CMergeDataDlg (captioned "Document
// annotations" when it updates binders without a supplement). The toolbar
// along the top; on the left the supplement's page pairs (edit mode) or the
// merge data's command lines (overview mode); on the right the binder box,
// the binder's file and its overview: every page pair as the merge will
// leave it, changed rows marked and coloured. Merge (or Update), Reset, OK
// and Cancel below. Selections, keys, menus and buttons go to the editor;
// the window shows what the editor holds afterwards, asks and tells through
// the editor's message boxes, and keeps its placement.

#include <QDialog>
#include <QTimer>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSplitter;
class QStackedWidget;

namespace lumar {
class CMergeDataDlg;
class CToolbarDialog;
struct QuickListCell;
}  // namespace lumar

namespace lumar::ui {
class SmartToolbar;
}

namespace lumar::merge {

class EditorList;

class MergeDataView : public QDialog {
    Q_OBJECT

public:
    MergeDataView(CMergeDataDlg& editor, QWidget* parent);
    ~MergeDataView() override;
    MergeDataView(const MergeDataView&) = delete;
    MergeDataView& operator=(const MergeDataView&) = delete;

    [[nodiscard]] EditorList& SupplementList() const { return *supplementList_; }
    [[nodiscard]] EditorList& BinderList() const { return *binderList_; }
    [[nodiscard]] EditorList& CommandList() const { return *commandList_; }
    [[nodiscard]] ui::SmartToolbar& Toolbar() const { return *toolbar_; }

    // Shows what the editor holds now.
    void Follow();

    void accept() override;
    void reject() override;
    void done(int result) override;

private:
    void makeLists();
    void makeButtons();
    void orderTabs();
    void resetLayout();
    void fillSupplementCell(QuickListCell& cell) const;
    void fillBinderCell(QuickListCell& cell) const;
    void fillCommandCell(QuickListCell& cell) const;
    void takeSelections();
    void runCommand(int command);
    void merge();
    void tick();
    void showBinderChoices();
    void showStatus();

    CMergeDataDlg& editor_;
    std::unique_ptr<CToolbarDialog> toolbarModel_;
    ui::SmartToolbar* toolbar_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QStackedWidget* leftLists_ = nullptr;
    EditorList* supplementList_ = nullptr;
    EditorList* commandList_ = nullptr;
    EditorList* binderList_ = nullptr;
    QComboBox* binderBox_ = nullptr;
    QLabel* docFile_ = nullptr;
    QLabel* leftStatus_ = nullptr;
    QLabel* binderStatus_ = nullptr;
    QCheckBox* ready_ = nullptr;
    QPushButton* merge_ = nullptr;
    QPushButton* reset_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QTimer timer_;
    bool following_ = false;
    bool closed_ = false;
};

// Shows the editor modally over `parent`: kIdOk when it closed with OK.
// Without widgets in the process it runs without a window (an immediate
// merge still happens).
int ShowMergeDataDialog(CMergeDataDlg& editor, void* parent);

}  // namespace lumar::merge
