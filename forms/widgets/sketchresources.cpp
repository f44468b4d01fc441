#include "forms/widgets/sketchresources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerSketchResources()
{
    Q_INIT_RESOURCE(sketch);
}

void initSketchResources()
{
    static const bool registered = (registerSketchResources(), true);
    (void)registered;
}
