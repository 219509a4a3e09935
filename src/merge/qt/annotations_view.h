#pragma once

// The "Document annotations" window over CAnnotationsDlg: the toolbar, the
// binder box and the binder's file (for a binder only), the page pairs with
// their tab sheet flags and colours as the update data leaves them, the
// selection count, and Update, Reset, OK and Cancel. Selections, keys, the
// menu and the buttons go to the dialog; the window shows what the dialog
// holds afterwards and keeps its placement.

#include <QDialog>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;

namespace lumar {
class CAnnotationsDlg;
class CToolbarDialog;
struct QuickListCell;
}  // namespace lumar

namespace lumar::ui {
class SmartToolbar;
}

namespace lumar::merge {

class EditorList;

class AnnotationsView : public QDialog {
    Q_OBJECT

public:
    AnnotationsView(CAnnotationsDlg& dialog, QWidget* parent);
    ~AnnotationsView() override;
    AnnotationsView(const AnnotationsView&) = delete;
    AnnotationsView& operator=(const AnnotationsView&) = delete;

    [[nodiscard]] EditorList& List() const { return *list_; }
    [[nodiscard]] ui::SmartToolbar& Toolbar() const { return *toolbar_; }

    // Shows what the dialog holds now.
    void Follow();

    void accept() override;
    void reject() override;
    void done(int result) override;

private:
    void resetLayout();
    void fillCell(QuickListCell& cell) const;
    void runCommand(int command);
    void update();

    CAnnotationsDlg& dialog_;
    std::unique_ptr<CToolbarDialog> toolbarModel_;
    ui::SmartToolbar* toolbar_ = nullptr;
    QComboBox* binderBox_ = nullptr;
    QLabel* docFile_ = nullptr;
    EditorList* list_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* update_ = nullptr;
    QPushButton* reset_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool following_ = false;
    bool closed_ = false;
};

// Shows the dialog modally over `parent`: kIdOk when it closed with OK.
int ShowAnnotationsDialog(CAnnotationsDlg& dialog, void* parent);

}  // namespace lumar::merge
