#pragma once
// The read-only table behind the reference viewers' grids (and their header
// strips): a fixed header row shown as the horizontal header, data rows of
// text, and optionally a first column drawn like a header cell.

#include <QAbstractTableModel>
#include <QStringList>

#include <string>
#include <vector>

class TableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // The column count is the header's length; short rows show empty cells.
    void setTable(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows);
    void setFixedFirstColumn(bool fixed) { fixedFirstColumn_ = fixed; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QStringList header_;
    QList<QStringList> rows_;
    bool fixedFirstColumn_ = false;
};
