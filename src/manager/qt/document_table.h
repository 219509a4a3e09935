#pragma once

// The details dialog's document list as a Qt item model: one row per binder
// document (binder mode) or supplement of CPublicationDetailsDlg, in the
// dialog's order, one column per shown entry of the document column layout,
// titled for the dialog's mode. The records stay the dialog's; the cells
// read them as they are now.

#include <QAbstractTableModel>
#include <vector>

namespace lumar {
class CPublicationDetailsDlg;
}

namespace lumar::manager {

class DocumentTable : public QAbstractTableModel {
    Q_OBJECT

public:
    DocumentTable(const CPublicationDetailsDlg& dialog, QObject* parent);

    // What Follow found changed since the last time.
    enum class Change { Cells, Rows, Columns };
    // Takes the dialog's rows and the layout's shown columns.
    Change Follow();

    // The set index shown in list column `column`.
    [[nodiscard]] int SetIndex(int column) const { return columns_.at(column); }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    const CPublicationDetailsDlg& dialog_;
    int rows_ = 0;
    std::vector<int> columns_;
};

}  // namespace lumar::manager
