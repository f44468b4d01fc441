#pragma once
// The rows of the "Материалы" tab as a read-only table: the columns of
// engine/features/allmaterials.h, figures rounded as the chart rounds them with the
// full number in the cell's tooltip. The main window's material is bold
// and marked "◀"; a row that passes every check of the method is tinted
// green, one that fails red, one that needs the diameter choice yellow,
// one that stopped before its end grey.
// Any column sorts (the view's header asks); new rows keep the order.

#include "engine/features/allmaterials.h"

#include <QAbstractTableModel>

class MaterialModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<MaterialRow> rows);
    const std::vector<MaterialRow>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    QString text(const MaterialRow& row, int column) const;

    std::vector<MaterialRow> rows_;
    int sortColumn_ = static_cast<int>(materialOrder());
    Qt::SortOrder order_ = Qt::AscendingOrder;
};
