#pragma once
// The rows of the "Соседние диаметры" window as a read-only table: the
// columns of engine/features/neighbours.h, figures rounded as the chart rounds them
// with the full number in the cell's tooltip. The calculation's own choice
// is bold; a row that passes every check is tinted green and marked "✓",
// one that fails red and "✗", its failures in the mark's tooltip. A row
// that stopped early shows why in its first figure's cell, which the view
// spans over the rest (stopSpan).

#include "engine/features/neighbours.h"

#include <QAbstractTableModel>

class NeighbourModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<NeighbourRow> rows);
    const std::vector<NeighbourRow>& rows() const { return rows_; }

    // The first column of a stopped row's reason and how many it spans.
    static int stopColumn();
    static int stopSpan();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString text(const NeighbourRow& row, int column) const;
    QString toolTip(const NeighbourRow& row, int column) const;

    std::vector<NeighbourRow> rows_;
};
