#include "forms/widgets/neighbourmodel.h"

#include "engine/common/numtext.h"
#include "engine/features/characteristic.h"
#include "engine/features/verificationtext.h"
#include "forms/widgets/columnheader.h"
#include "forms/widgets/qtext.h"

#include <cmath>

#include <QBrush>
#include <QColor>
#include <QFont>

namespace {

const NeighbourColumn& columnAt(int column)
{
    return neighbourColumns()[static_cast<size_t>(column)];
}

const QColor kPassTint(0xdc, 0xf5, 0xdc);
const QColor kFailTint(0xfb, 0xe0, 0xe0);

} // namespace

void NeighbourModel::setRows(std::vector<NeighbourRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int NeighbourModel::stopColumn()
{
    const auto& columns = neighbourColumns();
    for (size_t k = 0; k < columns.size(); ++k)
        if (columns[k].cell == NeighbourCell::Number)
            return static_cast<int>(k);
    return 0;
}

int NeighbourModel::stopSpan()
{
    return static_cast<int>(neighbourColumns().size()) - stopColumn();
}

int NeighbourModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int NeighbourModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(neighbourColumns().size());
}

QString NeighbourModel::text(const NeighbourRow& row, int column) const
{
    const NeighbourColumn& c = columnAt(column);
    switch (c.cell) {
    case NeighbourCell::Diameter:
        return qs(row.listed);
    case NeighbourCell::Choice:
        return qs(row.methodChoice ? kMethodChoiceMark : row.forcedTwin ? kForcedTwinMark : "");
    case NeighbourCell::Verdict:
        return qs(row.passes() ? kPassesMark : kFailsMark);
    case NeighbourCell::Check:
        return row.check.available ? qs(row.check.passed ? kPassesMark : kFailsMark) : QString();
    case NeighbourCell::Number:
        if (!row.complete())
            return column == stopColumn() ? qs(row.stop) : QString();
        // A value the row has none of (the check of a spring that cannot be checked) stays empty.
        return std::isfinite(c.value(row)) ? qs(chartNumber(c.value(row))) : QString();
    case NeighbourCell::Remarks:
        return row.complete() ? qs(row.notesText()) : QString();
    }
    return {};
}

QString NeighbourModel::toolTip(const NeighbourRow& row, int column) const
{
    const NeighbourColumn& c = columnAt(column);
    switch (c.cell) {
    case NeighbourCell::Verdict:
        if (row.passes())
            return qs(kPassesWords);
        return QStringLiteral("Не проходит:\n") + qsList(row.faults).join(QLatin1Char('\n'));
    case NeighbourCell::Number:
        if (!row.complete())
            return column == stopColumn() ? qs(row.stop) : QString();
        return std::isfinite(c.value(row)) ? qs(numText(c.value(row))) : QString();
    case NeighbourCell::Remarks:
        return qsList(row.notes).join(QLatin1Char('\n'));
    case NeighbourCell::Check:
        return row.check.available ? qs(verificationVerdictText(row.check)) : QString();
    case NeighbourCell::Choice:
        return row.methodChoice ? qs(c.what)
            : row.forcedTwin
            ? QStringLiteral("Тот же диаметр, выбранный в диалоге: другая пружина, чем в отчете")
            : QString();
    case NeighbourCell::Diameter:
        return QString();
    }
    return {};
}

QVariant NeighbourModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const NeighbourRow& row = rows_[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return text(row, index.column());
    case Qt::ToolTipRole:
        return toolTip(row, index.column());
    case Qt::BackgroundRole:
        return QBrush(row.passes() ? kPassTint : kFailTint);
    case Qt::FontRole: {
        if (!row.methodChoice)
            return {};
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    case Qt::TextAlignmentRole: {
        const bool figure = columnAt(index.column()).cell == NeighbourCell::Number && row.complete();
        return QVariant::fromValue(Qt::AlignVCenter | (figure ? Qt::AlignRight : Qt::AlignLeft));
    }
    default:
        return {};
    }
}

QVariant NeighbourModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section < 0 || section >= columnCount())
        return {};
    return columnHeader(columnAt(section), orientation, role);
}
