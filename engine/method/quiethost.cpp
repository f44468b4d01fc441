#include "engine/method/quiethost.h"

#include "engine/catalogue/catalogue.h"
#include "engine/method/diameterchoice.h"
#include "engine/method/peremenn.h"

#include <algorithm>

QuietHost::Answer pickListedDiameter(const DataFiles& files, std::optional<std::string> wire)
{
    return [&files, wire = std::move(wire)](Peremenn& p, CalcHost& host) {
        auto items = diameterChoices(files, p.materialName);
        if (!items) {
            host.showMessage(noFileMessage(diameterFileName(p.materialName)));
            return false;
        }
        if (items->empty()) {
            host.showMessage(noDiametersMessage(p.materialName));
            return false;
        }
        // The dialog preselects the first item as it opens.
        std::string error = takeChosenDiameter(p.chosenD, items->front());
        if (error.empty() && wire) {
            auto it = std::find(items->begin(), items->end(), *wire);
            if (it == items->end()) {
                // Matched as written (3,0 is not 3): say what the list holds.
                std::string listed;
                for (const std::string& item : *items)
                    listed += (listed.empty() ? "" : "; ") + item;
                host.showMessage("Диаметра " + *wire + " нет в списке материала " + p.materialName
                    + "; в списке: " + listed);
                return false;
            }
            error = takeChosenDiameter(p.chosenD, *it);
            if (error.empty())
                return true;
        }
        if (!error.empty())
            host.showMessage(error);
        return false;
    };
}

QuietHost::Answer takeDiameter(double d)
{
    return [d](Peremenn& p, CalcHost&) {
        p.chosenD = d;
        return true;
    };
}
