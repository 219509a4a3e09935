#pragma once

// The manager's publication list as a Qt item model: one row per row of
// CManagerDlg, in the model's order, one column per shown entry of the
// publication column layout. The texts are the column set's cell texts; the
// records stay the manager's.

#include <QAbstractTableModel>
#include <vector>

#include "service/ws_records.h"

namespace lumar {
class CManagerDlg;
}

namespace lumar::manager {

class PublicationTable : public QAbstractTableModel {
    Q_OBJECT

public:
    PublicationTable(const CManagerDlg& manager, QObject* parent);

    // What Follow found changed since the last time.
    enum class Change { Cells, Rows, Columns };
    // Takes the manager's rows and the layout's shown columns.
    Change Follow();

    // The set index shown in list column `column`.
    [[nodiscard]] int SetIndex(int column) const { return columns_.at(column); }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    const CManagerDlg& manager_;
    std::vector<PublicationLastInfoRecord*> rows_;
    std::vector<int> columns_;
};

}  // namespace lumar::manager
