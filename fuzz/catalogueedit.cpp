// What the settings window reads and checks, on arbitrary files: the
// material list and diameter list it shows, a material's properties as the
// tab shows them (and, once "Применить" would accept them, as the
// calculation reads them), the diameter sort of "Диаметры", and the checks
// on a new name and a new diameter.
#include "engine/catalogue/catalogueedit.h"
#include "engine/catalogue/catalogue.h"
#include "engine/common/numtext.h"
#include "fuzzdir.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A sort either leaves the list as it was (with a message) or keeps its
// size, keeps the empty entries in front and puts the rest after them in
// ascending order, each in the general number form.
void checkSort(const std::vector<std::string>& before, std::vector<std::string> list)
{
    const std::string refusal = sortDiameters(list);
    if (!refusal.empty()) {
        if (list != before)
            std::abort();
        return;
    }
    if (list.size() != before.size())
        std::abort();
    auto firstSorted
        = std::find_if(list.begin(), list.end(), [](const std::string& e) { return !e.empty(); });
    double last = 0;
    bool first = true;
    for (auto it = firstSorted; it != list.end(); ++it) {
        double v = 0;
        if (!tryStrToFloat(*it, v) || numText(v) != *it || (!first && v < last))
            std::abort();
        last = v;
        first = false;
    }
    std::vector<std::string> again = list;
    if (!sortDiameters(again).empty() || (firstSorted == list.begin() && again != list))
        std::abort(); // a sorted list sorts to itself
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto parts = splitParts(data, size, 4);
    placeFile("material.dat", parts[0]);
    placeFile("M.dat", parts[1]);
    placeFile("Mmat.dat", parts[2]);
    const std::string& dir = scratchDir();

    const auto names = readMaterialNames(dir);
    if (names)
        for (const auto& name : *names)
            // A listed name is never taken a second time.
            if (name.empty() || materialNameRefusal(name, *names).empty())
                std::abort();

    if (auto diameters = readDiameters(dir, "M")) {
        checkSort(*diameters, *diameters);
        std::vector<std::string> added = *diameters;
        const std::string refusal = addDiameter(added, parts[3]);
        if (refusal.empty() && std::find(added.begin(), added.end(), parts[3]) == added.end()
            && !parts[3].empty() && diameterAboveZero(parts[3]) && numText(strToFloat(parts[3])) == parts[3])
            std::abort(); // an added number is in the list afterwards
    }

    const PropertiesRead read = readPropertiesText(dir, "M");
    if (read.properties.has_value() == !read.message.empty())
        std::abort(); // either the values or why not
    if (read.properties && (read.properties->group < -1 || read.properties->group >= kMaterialGroups))
        std::abort();
    if (read.properties && propertiesRefusal(*read.properties).empty()) {
        // What "Применить" accepts, the calculation reads.
        const auto converted = readProperties(dir, "M");
        if (!converted || !(converted->ro > 0 && converted->E > 0 && converted->G > 0))
            std::abort();
    }

    double v = 0;
    if (diameterAboveZero(parts[3]) && !(tryStrToFloat(parts[3], v) && v > 0))
        std::abort();
    return 0;
}
