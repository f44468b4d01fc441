#include "forms/widgets/materialmodel.h"

#include "engine/common/numtext.h"
#include "engine/features/characteristic.h"
#include "engine/features/verificationtext.h"
#include "forms/widgets/columnheader.h"
#include "forms/widgets/qtext.h"

#include <QBrush>
#include <QColor>
#include <QFont>

namespace {

const MaterialColumn& columnAt(int column)
{
    return materialColumns()[static_cast<size_t>(column)];
}

const QColor kPassTint(0xdc, 0xf5, 0xdc);
const QColor kFailTint(0xfb, 0xe0, 0xe0);
const QColor kAskTint(0xfb, 0xf3, 0xcc);
const QColor kStopTint(0xea, 0xea, 0xea);

const QString kSelectedMark = QStringLiteral(" ◀");

QColor tint(const MaterialRow& row)
{
    if (row.passes())
        return kPassTint;
    if (row.complete())
        return kFailTint;
    return row.needsDiameter() ? kAskTint : kStopTint;
}

} // namespace

void MaterialModel::setRows(std::vector<MaterialRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    sortMaterialRows(rows_, static_cast<size_t>(sortColumn_), order_ == Qt::DescendingOrder);
    endResetModel();
}

void MaterialModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount())
        return;
    sortColumn_ = column;
    order_ = order;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::string> names;
    for (const QModelIndex& at : before)
        names.push_back(rows_[static_cast<size_t>(at.row())].material);
    sortMaterialRows(rows_, static_cast<size_t>(column), order == Qt::DescendingOrder);
    QModelIndexList after;
    for (qsizetype k = 0; k < before.size(); ++k) {
        int row = 0;
        while (rows_[static_cast<size_t>(row)].material != names[static_cast<size_t>(k)])
            ++row;
        after << index(row, before[k].column());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int MaterialModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int MaterialModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(materialColumns().size());
}

QString MaterialModel::text(const MaterialRow& row, int column) const
{
    const MaterialColumn& c = columnAt(column);
    if (c.cell == MaterialCell::Number || c.cell == MaterialCell::CheckFigure)
        return c.reached(row) ? qs(chartNumber(c.value(row))) : QString();
    const QString shown = qs(materialCellText(c, row));
    return c.cell == MaterialCell::Material && row.selected ? shown + kSelectedMark : shown;
}

QVariant MaterialModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const MaterialRow& row = rows_[static_cast<size_t>(index.row())];
    const MaterialColumn& c = columnAt(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return text(row, index.column());
    case Qt::ToolTipRole:
        if (c.cell == MaterialCell::Number || c.cell == MaterialCell::CheckFigure)
            return c.reached(row) ? qs(numText(c.value(row))) : QVariant();
        if (c.cell == MaterialCell::Material && row.selected)
            return QStringLiteral("Материал, выбранный в главном окне");
        if (c.cell == MaterialCell::Check && c.reached(row))
            return qs(verificationVerdictText(row.check));
        if (c.cell == MaterialCell::Outcome)
            return row.complete() && !row.notes.empty() ? qsList(row.notes).join(QLatin1Char('\n'))
                                                        : qs(row.outcome());
        return {};
    case Qt::BackgroundRole:
        return QBrush(tint(row));
    case Qt::FontRole: {
        if (!row.selected)
            return {};
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter
            | (c.cell == MaterialCell::Number || c.cell == MaterialCell::CheckFigure ? Qt::AlignRight
                                                                                     : Qt::AlignLeft));
    default:
        return {};
    }
}

QVariant MaterialModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section < 0 || section >= columnCount())
        return {};
    return columnHeader(columnAt(section), orientation, role);
}
