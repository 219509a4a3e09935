#pragma once

// Draws the quick list's cells from what the owner filled in, by the rules
// of quick_list_cell.h, and shows their tips.

#include <QStyledItemDelegate>

namespace lumar::ui {

class QuickList;

class QuickListDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit QuickListDelegate(QuickList& list);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    QuickList& list_;
};

}  // namespace lumar::ui
