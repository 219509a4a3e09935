#pragma once

// The manager's publication list: a report-style table over the manager's
// rows with the publication column layout. It follows the manager (rows,
// columns and their widths, the sort indicator, the selection) and passes
// on what the user does: selecting a row, header clicks, the column chooser,
// the context menu, F5, Ctrl+letters and the double click.

#include <QTableView>
#include <vector>

#include "ui/list_context_menu.h"

namespace lumar {
class CManagerDlg;
}

namespace lumar::manager {

class PublicationTable;

class PublicationList : public QTableView {
    Q_OBJECT

public:
    PublicationList(CManagerDlg& manager, QWidget* parent);

    [[nodiscard]] PublicationTable& Table() const { return *table_; }

    // Shows what the manager holds now.
    void Follow();
    // Takes the header, as the user left it, into the column layout.
    void CaptureColumns();

    // The column chooser's command for `setIndex`: shows or hides the column,
    // then the manager rebuilds the columns and fills the list again.
    void ToggleColumn(int setIndex);

    // The menus as they would open now, for the rows and for the header.
    [[nodiscard]] std::vector<ContextMenuItem> RowMenu() const;
    [[nodiscard]] static std::vector<ContextMenuItem> HeaderMenu();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void applyWidths();
    void userSelected();
    void showHeaderMenu(const QPoint& position);
    [[nodiscard]] bool available(int command) const;

    CManagerDlg& manager_;
    PublicationTable* table_;
    bool following_ = false;
};

}  // namespace lumar::manager
