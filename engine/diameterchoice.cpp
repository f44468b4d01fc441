#include "engine/diameterchoice.h"

#include "engine/catalogue.h"
#include "engine/datafiles.h"
#include "engine/errors.h"
#include "engine/numtext.h"
#include "engine/peremenn.h"

std::optional<std::vector<std::string>> diameterChoices(const Peremenn& p)
{
    return diameterChoices(FolderFiles(p.dataDir), p.materialName);
}

std::optional<std::vector<std::string>> diameterChoices(const DataFiles& files, const std::string& material)
{
    auto lines = files.lines(diameterFileName(material));
    if (!lines)
        return std::nullopt;
    std::vector<std::string> items;
    for (auto& l : *lines)
        if (!l.empty())
            items.push_back(std::move(l));
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
