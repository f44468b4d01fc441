#include "engine/method/quantities.h"

const Quantity* quantityOf(double Peremenn::*field)
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
