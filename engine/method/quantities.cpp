#include "engine/method/quantities.h"

const Quantity* quantityOf(double CalcValues::*field)
{
    for (const Quantity& q : kQuantities)
        if (q.field == field)
            return &q;
    return nullptr;
}

const Quantity* quantityBySymbol(std::string_view symbol)
{
    for (const Quantity& q : kQuantities)
        if (symbol == q.symbol)
            return &q;
    return nullptr;
}

const char* captionOf(double CalcValues::*field)
{
    return quantityOf(field)->what;
}

std::string captionWithSymbol(double CalcValues::*field)
{
    const Quantity* q = quantityOf(field);
    return std::string(q->what) + " " + std::string(q->symbol);
}
