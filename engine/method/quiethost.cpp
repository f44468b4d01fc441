#include "engine/method/quiethost.h"

#include "engine/catalogue/catalogue.h"
#include "engine/method/diameterchoice.h"

#include <algorithm>

QuietHost::Answer pickListedDiameter(const DataFiles& files, std::optional<std::string> wire)
{
    return [&files, wire = std::move(wire)](const CalcInputs& p, CalcHost& host) -> std::optional<double> {
        auto items = diameterChoices(files, p.materialName);
        if (!items) {
            host.showMessage(noFileMessage(diameterFileName(p.materialName)));
            return std::nullopt;
        }
        if (items->empty()) {
            host.showMessage(noDiametersMessage(p.materialName));
            return std::nullopt;
        }
        // The dialog preselects the first item as it opens.
        double chosenD = 0;
        std::string error = takeChosenDiameter(chosenD, items->front());
        if (error.empty() && wire) {
            auto it = std::find(items->begin(), items->end(), *wire);
            if (it == items->end()) {
                // Matched as written (3,0 is not 3): say what the list holds.
                std::string listed;
                for (const std::string& item : *items)
                    listed += (listed.empty() ? "" : "; ") + item;
                host.showMessage("Диаметра " + *wire + " нет в списке материала " + p.materialName
                    + "; в списке: " + listed);
                return std::nullopt;
            }
            error = takeChosenDiameter(chosenD, *it);
            if (error.empty())
                return chosenD;
        }
        if (!error.empty())
            host.showMessage(error);
        return std::nullopt;
    };
}

QuietHost::Answer takeDiameter(double d)
{
    return [d](const CalcInputs&, CalcHost&) { return std::optional<double>(d); };
}
