#include "engine/method/diameterchoice.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/datafiles.h"
#include "engine/common/errors.h"
#include "engine/common/numtext.h"
#include "engine/method/calcinputs.h"

#include <cmath>

std::optional<std::vector<std::string>> diameterChoices(const CalcInputs& inputs)
{
    return diameterChoices(FolderFiles(inputs.dataDir), inputs.materialName);
}

std::optional<std::vector<std::string>> diameterChoices(const DataFiles& files, const std::string& material)
{
    const auto lines = files.text(diameterFileName(material));
    if (!lines)
        return std::nullopt;
    std::vector<std::string> items;
    for (size_t offset = 0; offset < lines->end();)
        if (const std::string_view line = lines->next(offset); !line.empty())
            items.emplace_back(line);
    return items;
}

std::string noDiametersMessage(const std::string& material)
{
    return "В файле " + diameterFileName(material) + " нет ни одного диаметра";
}

std::string takeChosenDiameter(double& chosenD, const std::string& item)
{
    try {
        chosenD = strToFloat(item);
    } catch (const ConversionError& e) {
        return e.what();
    }
    return {};
}

std::optional<double> neededDiameter(double D1, double F3, double k3)
{
    if (!(D1 > 0 && F3 > 0 && k3 > 0) || !std::isfinite(k3))
        return std::nullopt;
    const double tau = F3 * (k3 / D1) * (k3 / D1);
    // Rises with d where i ≥ 4: d² grows while i · k1 falls.
    const auto excess = [&](double d) {
        const double i = D1 / d - 1;
        return d * d - 2.55 * i * (4 * i + 2) / (4 * i - 3) * F3 / tau;
    };
    double lo = 0, hi = D1 / 5;
    if (excess(hi) <= 0)
        return std::nullopt;
    for (int step = 0; step < 100; ++step) {
        const double mid = (lo + hi) / 2;
        (excess(mid) < 0 ? lo : hi) = mid;
    }
    return hi;
}

size_t preselectedChoice(const std::vector<std::string>& items, double needed)
{
    std::optional<size_t> best, largest;
    double bestValue = 0, largestValue = 0;
    for (size_t k = 0; k < items.size(); ++k) {
        double v = 0;
        if (!tryStrToFloat(items[k], v))
            continue;
        if (v >= needed && (!best || v < bestValue)) {
            best = k;
            bestValue = v;
        }
        if (!largest || v > largestValue) {
            largest = k;
            largestValue = v;
        }
    }
    return best.value_or(largest.value_or(0));
}
