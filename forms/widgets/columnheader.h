#pragma once
// The horizontal header of a read-only table whose columns come from one
// engine table: each column's caption, and what it means as the tooltip.

#include "forms/widgets/qtext.h"

#include <QVariant>

template <class Column> QVariant columnHeader(const Column& column, Qt::Orientation orientation, int role)
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return qs(column.header);
    if (role == Qt::ToolTipRole)
        return qs(column.what);
    return {};
}
