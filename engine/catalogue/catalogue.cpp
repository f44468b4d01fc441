#include "engine/catalogue/catalogue.h"

#include "engine/catalogue/textfile.h"
#include "engine/common/errors.h"
#include "engine/common/numtext.h"

std::string badPropertiesMessage(const std::string& material)
{
    return "Файл " + propertiesFileName(material)
        + " должен содержать четыре строки: плотность, E, G и код группы материала";
}

std::optional<MaterialProperties> readProperties(const std::string& dataDir, const std::string& material)
{
    auto lines = readDataLines(dataDir, propertiesFileName(material));
    if (!lines)
        return std::nullopt;
    return parseProperties(*lines, material);
}

MaterialProperties parseProperties(const std::vector<std::string>& lines, const std::string& material)
{
    if (lines.size() < 4)
        throw ConversionError(badPropertiesMessage(material));
    MaterialProperties p;
    p.ro = strToFloat(lines[0]);
    p.E = strToFloat(lines[1]);
    p.G = strToFloat(lines[2]);
    if (!tryStrToInt(lines[3], p.materialClass))
        throw ConversionError(badPropertiesMessage(material));
    return p;
}
