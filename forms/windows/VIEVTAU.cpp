#include "forms/windows/VIEVTAU.h"

#include "engine/catalogue/tables.h"
#include "forms/widgets/screencentre.h"

TForm6::TForm6(
    const std::string& dataDir, std::function<std::string()> tableKind, Messages& messages, QWidget* parent)
    // The first column is wider than the others so that "Класс(марка)|" is not cut off.
    : TableViewer(messages, { QSize(401, 261), { 85, 75, 75, 75, 75 }, 15, true, false }, parent)
    , dataDir_(dataDir)
    , tableKind_(std::move(tableKind))
{
    centreOnScreen(*this);
}

TableGrid TForm6::loadGrid() const
{
    return tauGrid(dataDir_, tableKind_());
}
