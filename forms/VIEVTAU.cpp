#include "forms/VIEVTAU.h"

#include "engine/peremenn.h"
#include "engine/tables.h"
#include "forms/screencentre.h"

TForm6::TForm6(const Peremenn& p, Messages& messages, QWidget* parent)
    // The first column is wider than the others so that "Класс(марка)|" is not cut off.
    : TableViewer(messages, { QSize(401, 261), { 85, 75, 75, 75, 75 }, 15, true, false }, parent)
    , p_(p)
{
    centreOnScreen(*this);
}

TableGrid TForm6::loadGrid() const
{
    return tauGrid(p_.dataDir, p_.tauTableKind);
}
