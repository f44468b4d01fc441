#include "forms/widgets/linesmodel.h"

#include <limits>

void LinesModel::setLines(std::shared_ptr<const TextLines> lines)
{
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

const TextLines& LinesModel::lines() const
{
    static const TextLines none;
    return lines_ ? *lines_ : none;
}

int LinesModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !lines_)
        return 0;
    // A view counts rows in int; a data file is capped far below that.
    return static_cast<int>(std::min<size_t>(lines_->size(), std::numeric_limits<int>::max()));
}

QVariant LinesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !lines_ || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const std::string_view line = (*lines_)[static_cast<size_t>(index.row())];
    return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
}
