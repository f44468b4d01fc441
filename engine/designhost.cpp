#include "engine/designhost.h"

#include "engine/catalogue.h"
#include "engine/diameterchoice.h"
#include "engine/peremenn.h"

#include <algorithm>

// Answers as the diameter dialog would after the user picked the listed
// diameter given beforehand (pruzcalc's --wire-diameter); cancel when
// there is none.
bool DesignHost::chooseDiameter(Peremenn& p)
{
    auto items = diameterChoices(files_, p.materialName);
    if (!items) {
        showMessage(noFileMessage(diameterFileName(p.materialName)));
        return false;
    }
    if (items->empty()) {
        showMessage(noDiametersMessage(p.materialName));
        return false;
    }
    // The dialog preselects the first item as it opens.
    std::string error = takeChosenDiameter(p.chosenD, items->front());
    if (!error.empty()) {
        showMessage(error);
        return false;
    }
    if (!wireDiameter_)
        return false;
    auto it = std::find(items->begin(), items->end(), *wireDiameter_);
    if (it == items->end())
        return false;
    error = takeChosenDiameter(p.chosenD, *it);
    if (!error.empty()) {
        showMessage(error);
        return false;
    }
    return true;
}
