#include "forms/windows/Vievsb.h"

#include "engine/catalogue/tables.h"

TForm7::TForm7(const std::string& dataDir, Messages& messages, QWidget* parent)
    // The bronzes' column is wider so that "БрКМц3-1БрОц4-3" is not cut off;
    // the first and last give up what it takes.
    : TableViewer(messages, { QSize(553, 344), { 66, 75, 75, 75, 75, 104, 60 }, 15, true, false }, parent)
    , dataDir_(dataDir)
{
    move(194, 112);
}

TableGrid TForm7::loadGrid() const
{
    return sigmaGrid(dataDir_);
}
