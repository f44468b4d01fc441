#include "engine/method/diameterchoice.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/datafiles.h"
#include "engine/common/errors.h"
#include "engine/common/numtext.h"
#include "engine/method/calcinputs.h"

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
