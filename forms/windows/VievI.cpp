#include "forms/windows/VievI.h"

#include "engine/catalogue/tables.h"
#include "forms/widgets/screencentre.h"

TForm5::TForm5(const std::string& dataDir, Messages& messages, QWidget* parent)
    : TableViewer(messages, { QSize(154, 327), { 64, 64 }, 16, false, true }, parent)
    , dataDir_(dataDir)
{
    centreOnScreen(*this);
}

TableGrid TForm5::loadGrid() const
{
    return k3Grid(dataDir_);
}
