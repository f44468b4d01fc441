#include "forms/VievI.h"

#include "engine/peremenn.h"
#include "engine/tables.h"
#include "forms/screencentre.h"

TForm5::TForm5(const Peremenn& p, Messages& messages, QWidget* parent)
    : TableViewer(messages, { QSize(154, 327), { 64, 64 }, 16, false, true }, parent)
    , p_(p)
{
    centreOnScreen(*this);
}

TableGrid TForm5::loadGrid() const
{
    return k3Grid(p_.dataDir);
}
