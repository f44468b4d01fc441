#include "forms/widgets/tablemodel.h"

#include "forms/widgets/qtext.h"

#include <QApplication>
#include <QPalette>

void TableModel::setTable(
    const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows)
{
    beginResetModel();
    header_ = qsList(header);
    rows_.clear();
    for (const auto& row : rows)
        rows_.append(qsList(row));
    endResetModel();
}

int TableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(header_.size());
}

QVariant TableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const QStringList& row = rows_.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return index.column() < row.size() ? row.at(index.column()) : QString();
    case Qt::BackgroundRole:
        if (fixedFirstColumn_ && index.column() == 0)
            return QApplication::palette().button();
        return {};
    default:
        return {};
    }
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= header_.size())
        return {};
    if (role == Qt::DisplayRole)
        return header_.at(section);
    // Left-aligned, so that the leading blanks of a header text place it.
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

Qt::ItemFlags TableModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
