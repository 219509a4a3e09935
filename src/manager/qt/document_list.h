#pragma once

// The details dialog's document list: a report-style table over the
// dialog's binder documents or supplements with the document column layout,
// several rows selectable. It follows the dialog (rows, columns and their
// widths, the sort indicator, the selection, the top row) and passes on what
// the user does: selecting rows, header clicks, the column chooser, the
// context menu, Ctrl+letters, Delete and the double click. After each it
// emits Acted, for the window to show the dialog's state.

#include <QTableView>
#include <vector>

#include "ui/list_context_menu.h"

namespace lumar {
class CPublicationDetailsDlg;
}

namespace lumar::manager {

class DocumentTable;

class DocumentList : public QTableView {
    Q_OBJECT

public:
    DocumentList(CPublicationDetailsDlg& dialog, QWidget* parent);

    [[nodiscard]] DocumentTable& Table() const { return *table_; }

    // Shows what the dialog holds now.
    void Follow();
    // Takes the header, as the user left it, into the column layout.
    void CaptureColumns();
    // The column chooser's command for `setIndex`: shows or hides the column,
    // then the dialog rebuilds the columns and fills the list again.
    void ToggleColumn(int setIndex);

    // The menus as they would open now, for the rows and for the header.
    [[nodiscard]] std::vector<ContextMenuItem> RowMenu() const;
    [[nodiscard]] std::vector<ContextMenuItem> HeaderMenu() const;

Q_SIGNALS:
    void Acted();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void applyWidths();
    void showSelection();
    void userSelected();
    void userScrolled();
    void showHeaderMenu(const QPoint& position);
    void execute(int command);
    void selectDocuments(bool all);
    // A control code from the keyboard: Ctrl+letter, or the Delete key's
    // code the list sends itself. False when the default handling runs.
    bool handleCode(int code, bool ctrlDown, bool synthetic);
    [[nodiscard]] bool available(int command) const;
    [[nodiscard]] int mode() const;

    CPublicationDetailsDlg& dialog_;
    DocumentTable* table_;
    bool following_ = false;
};

}  // namespace lumar::manager
