#pragma once

// The "Details" / "Supplement details" window over CPublicationDetailsDlg:
// the publication's fields (editable only when the dialog says so), the
// figures "Merged supplement:", "# Pages:" and "# Binders OK:", the document
// list in its group, and Close or Cancel at the bottom left with Search,
// Print, Reset and OK from the bottom right. Every edit, click and key goes
// to the dialog; the window shows what the dialog holds afterwards, and
// closes when the dialog ends.

#include <QDialog>
#include <map>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lumar {
class CPublicationDetailsDlg;
struct PublicationForm;
}  // namespace lumar

namespace lumar::manager {

class DocumentList;

class PublicationDetailsView : public QDialog {
    Q_OBJECT

public:
    PublicationDetailsView(CPublicationDetailsDlg& dialog, QWidget* parent);
    ~PublicationDetailsView() override;
    PublicationDetailsView(const PublicationDetailsView&) = delete;
    PublicationDetailsView& operator=(const PublicationDetailsView&) = delete;

    [[nodiscard]] DocumentList& List() const { return *list_; }

    // Shows the dialog's fields, documents and buttons as they are now.
    void Follow();

    void accept() override;
    void reject() override;
    void done(int result) override;

    // A command button by its control ID ("1078" to "1083" are hidden).
    [[nodiscard]] QPushButton* CommandButton(int id) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* makeForm();
    void setUpButtons();
    void orderTabs();
    void widenForColumns();
    void showForm();
    void formEdited();
    void updateControls();
    [[nodiscard]] PublicationForm readForm() const;

    CPublicationDetailsDlg& dialog_;
    QComboBox* status_ = nullptr;
    QComboBox* language_ = nullptr;
    QLineEdit* nimbaCode_ = nullptr;
    QLineEdit* lumarCode_ = nullptr;
    QLineEdit* sapCode_ = nullptr;
    QLineEdit* abbreviation_ = nullptr;
    QLineEdit* description_ = nullptr;
    QPlainTextEdit* remarks_ = nullptr;
    QCheckBox* colourPrint_ = nullptr;
    QCheckBox* tabSheets_ = nullptr;
    QLineEdit* maxPageCount_ = nullptr;
    QComboBox* binderType_ = nullptr;
    QComboBox* printing_ = nullptr;
    QLineEdit* mergedSupplement_ = nullptr;
    QLineEdit* pages_ = nullptr;
    QLineEdit* bindersOk_ = nullptr;
    QGroupBox* documents_ = nullptr;
    DocumentList* list_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* search_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* reset_ = nullptr;
    QPushButton* ok_ = nullptr;
    std::map<int, QPushButton*> commandButtons_;  // hidden, by control ID
    bool showing_ = false;
    bool closed_ = false;
};

// Shows the dialog modally over `parent`: kIdOk or kIdCancel as the dialog
// ended. Without widgets in the process it runs without a window.
int ShowPublicationDetailsDialog(CPublicationDetailsDlg& dialog, void* parent);

}  // namespace lumar::manager
