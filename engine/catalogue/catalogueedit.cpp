#include "engine/catalogue/catalogueedit.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/materialclass.h"
#include "engine/catalogue/textfile.h"
#include "engine/common/encoding.h"
#include "engine/common/errors.h"
#include "engine/common/numtext.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <utility>

namespace {

// Read line by line: a file of millions of empty lines costs no string each.
std::optional<std::vector<std::string>> nonEmptyLines(const std::string& dataDir, const std::string& name)
{
    const auto path = findDataFile(dataDir, name);
    TextReader reader;
    if (!path || !reader.open(*path))
        return std::nullopt;
    std::vector<std::string> lines;
    while (!reader.eof())
        if (std::string line = reader.readLine(); !line.empty())
            lines.push_back(std::move(line));
    return lines;
}

std::vector<std::string> filesOf(const std::string& material)
{
    return { diameterFileName(material), propertiesFileName(material), descriptionFileName(material),
        strengthFileName(material), fatigueFileName(material) };
}

// The file names (case folded) taken by the tables and by the materials listed.
std::vector<std::string> takenFiles(const std::vector<std::string>& names)
{
    std::vector<std::string> taken { foldCase(kMaterialList) };
    for (const char* table : kTableFiles)
        taken.push_back(foldCase(table));
    for (const auto& name : names)
        for (const auto& file : filesOf(name))
            taken.push_back(foldCase(file));
    return taken;
}

bool aboveZero(const std::string& text)
{
    double value = 0;
    return tryStrToFloat(text, value) && value > 0;
}

bool isTaken(const std::vector<std::string>& taken, const std::string& file)
{
    return std::find(taken.begin(), taken.end(), foldCase(file)) != taken.end();
}

} // namespace

std::optional<std::vector<std::string>> readMaterialNames(const std::string& dataDir)
{
    return nonEmptyLines(dataDir, kMaterialList);
}

std::optional<std::vector<std::string>> readDiameters(const std::string& dataDir, const std::string& material)
{
    return nonEmptyLines(dataDir, diameterFileName(material));
}

std::vector<std::string> readDescription(const std::string& dataDir, const std::string& material)
{
    return readDataLines(dataDir, descriptionFileName(material)).value_or(std::vector<std::string> {});
}

std::vector<std::string> readMaterialLines(const std::string& dataDir, const std::string& fileName)
{
    return readDataLines(dataDir, fileName).value_or(std::vector<std::string> {});
}

bool writeMaterialLines(
    const std::string& dataDir, const std::string& fileName, const std::vector<std::string>& lines)
{
    if (!lines.empty())
        return writeDataLines(dataDir, fileName, lines);
    if (auto path = findDataFile(dataDir, fileName))
        return std::remove(path->c_str()) == 0;
    return true;
}

bool writeDescription(
    const std::string& dataDir, const std::string& material, const std::vector<std::string>& lines)
{
    return writeDataLines(dataDir, descriptionFileName(material), lines);
}

bool hasDiameterFile(const std::string& dataDir, const std::string& material)
{
    return findDataFile(dataDir, diameterFileName(material)).has_value();
}

bool writeMaterialNames(const std::string& dataDir, const std::vector<std::string>& names)
{
    return writeDataLines(dataDir, kMaterialList, names);
}

bool writeDiameters(
    const std::string& dataDir, const std::string& material, const std::vector<std::string>& diameters)
{
    return writeDataLines(dataDir, diameterFileName(material), diameters);
}

ListRewrite rewriteMaterialNames(
    const std::string& dataDir, const std::vector<std::string>& shown, const std::vector<std::string>& names)
{
    if (readMaterialNames(dataDir).value_or(std::vector<std::string> {}) != shown)
        return ListRewrite::Changed;
    return writeMaterialNames(dataDir, names) ? ListRewrite::Done : ListRewrite::Failed;
}

bool beginAddition(const std::string& dataDir, const std::string& material)
{
    std::vector<std::string> note { material };
    for (const auto& file : filesOf(material))
        if (!findDataFile(dataDir, file))
            note.push_back(file);
    return writeDataLines(dataDir, kAdditionNote, note);
}

ListRewrite commitAddition(
    const std::string& dataDir, const std::vector<std::string>& shown, const std::vector<std::string>& names)
{
    const ListRewrite result = rewriteMaterialNames(dataDir, shown, names);
    if (result != ListRewrite::Done)
        abandonAddition(dataDir);
    else if (auto note = findDataFile(dataDir, kAdditionNote))
        std::remove(note->c_str());
    return result;
}

namespace {

// The note holds the material and at most its two files: more lines are
// no note of the program's, and are not read.
constexpr size_t kAdditionNoteLines = 3;

std::optional<std::vector<std::string>> readAdditionNote(const std::string& dataDir)
{
    const auto path = findDataFile(dataDir, kAdditionNote);
    return path ? readTextLines(*path, kAdditionNoteLines) : std::nullopt;
}

bool isListed(const std::vector<std::string>& names, const std::string& material)
{
    const std::string folded = foldCase(material);
    return std::any_of(
        names.begin(), names.end(), [&](const std::string& name) { return foldCase(name) == folded; });
}

} // namespace

void abandonAddition(const std::string& dataDir)
{
    const auto note = readAdditionNote(dataDir);
    if (!note || note->empty())
        return;
    // Only the material's own two files, whatever else the note may say, and
    // never the list, a table or a file of a listed material (as the file
    // search matches names: without regard to case).
    const auto listed = readMaterialNames(dataDir);
    if (!listed || isListed(*listed, note->front()))
        return;
    const auto own = filesOf(note->front());
    const auto taken = takenFiles(*listed);
    for (auto file = note->begin() + 1; file != note->end(); ++file)
        if (std::find(own.begin(), own.end(), *file) != own.end() && !isTaken(taken, *file))
            if (auto path = findDataFile(dataDir, *file))
                std::remove(path->c_str());
    if (auto path = findDataFile(dataDir, kAdditionNote))
        std::remove(path->c_str());
}

void removeUncommittedAddition(const std::string& dataDir)
{
    std::optional<std::vector<std::string>> note;
    std::optional<std::vector<std::string>> listed;
    try {
        note = readAdditionNote(dataDir);
        if (note) // the list only matters when an addition was begun
            listed = readMaterialNames(dataDir);
    } catch (const IoError&) { // a file too big to be ours: leave everything
        return;
    }
    if (!note || !listed) // without the list nobody can tell what was committed
        return;
    if (!note->empty() && !isListed(*listed, note->front()))
        abandonAddition(dataDir);
    else if (auto path = findDataFile(dataDir, kAdditionNote))
        std::remove(path->c_str());
}

std::string materialListChangedMessage()
{
    return "Список материалов в material.dat изменила другая программа, пока было открыто это окно. "
           "Изменение не записано; список прочитан заново.";
}

bool nameCharsAllowed(const std::string& name)
{
    if (!fitsCp1251(name))
        return false;
    for (size_t k = 0; k < name.size(); ++k) {
        const auto b = static_cast<unsigned char>(name[k]);
        if (b < 0x20 || b == 0x7F || std::strchr("*,./?\\:", b) != nullptr)
            return false;
        // U+0080..U+009F, the C1 control characters (0x98 of the code page).
        if (b == 0xC2 && k + 1 < name.size() && static_cast<unsigned char>(name[k + 1]) < 0xA0)
            return false;
    }
    return true;
}

std::string materialNameRefusal(const std::string& name, const std::vector<std::string>& names)
{
    if (!nameCharsAllowed(name))
        return "Название материала содержит недопустимый символ";
    if (!fileNameFits(propertiesFileName(name))) {
        // Its longest file; a Cyrillic letter takes two bytes of a file name.
        const size_t longest
            = kMaxFileNameBytes - std::string_view(kTempSuffix).size() - propertiesFileName("").size();
        return "Название материала слишком длинное: допускается не более " + std::to_string(longest / 2)
            + " русских букв (или " + std::to_string(longest) + " латинских букв и цифр)";
    }
    const std::string folded = foldCase(name);
    for (const auto& listed : names)
        if (foldCase(listed) == folded)
            return "Материал " + name + " уже есть в списке";
    const auto taken = takenFiles(names);
    for (const auto& file : filesOf(name))
        if (isTaken(taken, file))
            return "Название " + name + " не подходит: файл " + file + " уже занят";
    return {};
}

ListRewrite deleteMaterial(const std::string& dataDir, std::vector<std::string>& names, size_t index)
{
    if (index >= names.size())
        return ListRewrite::Failed;
    std::vector<std::string> remaining = names;
    remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(index));
    if (const ListRewrite result = rewriteMaterialNames(dataDir, names, remaining);
        result != ListRewrite::Done)
        return result;
    const std::string gone = names[index];
    names = std::move(remaining);
    const auto taken = takenFiles(names);
    for (const auto& file : filesOf(gone)) {
        if (isTaken(taken, file))
            continue;
        if (auto path = findDataFile(dataDir, file))
            std::remove(path->c_str()); // a file that will not go stays; the list no longer names it
    }
    return ListRewrite::Done;
}

std::string sortDiameters(std::vector<std::string>& diameters)
{
    // Convert everything first, so that a bad entry stops the sort before
    // anything has moved.
    std::vector<double> values(diameters.size());
    for (size_t k = 0; k < diameters.size(); ++k) {
        if (diameters[k].empty())
            continue;
        try {
            values[k] = strToFloat(diameters[k]);
        } catch (const ConversionError& e) {
            return e.what();
        }
    }
    // Take the smallest (the first of equals) while the list starts with an
    // entry; empty entries are passed over and stay in front.
    std::vector<std::string> sorted;
    while (!diameters.empty() && !diameters.front().empty()) {
        size_t best = 0;
        for (size_t k = 1; k < diameters.size(); ++k)
            if (!diameters[k].empty() && values[k] < values[best])
                best = k;
        sorted.push_back(numText(values[best]));
        diameters.erase(diameters.begin() + static_cast<std::ptrdiff_t>(best));
        values.erase(values.begin() + static_cast<std::ptrdiff_t>(best));
    }
    diameters.insert(diameters.end(), sorted.begin(), sorted.end());
    return {};
}

std::string addDiameter(std::vector<std::string>& diameters, const std::string& diameter)
{
    if (std::find(diameters.begin(), diameters.end(), diameter) == diameters.end())
        diameters.push_back(diameter);
    return sortDiameters(diameters);
}

bool diameterAboveZero(const std::string& text)
{
    return aboveZero(text);
}

PropertiesRead readPropertiesText(const std::string& dataDir, const std::string& material)
{
    std::optional<std::vector<std::string>> lines;
    try {
        lines = readDataLines(dataDir, propertiesFileName(material));
    } catch (const IoError& e) {
        return { std::nullopt, e.what() };
    }
    if (!lines)
        return { std::nullopt, noFileMessage(propertiesFileName(material)) };
    int group = 0;
    if (lines->size() < 4 || !tryStrToInt((*lines)[3], group) || group < -1 || group >= kMaterialGroups)
        return { std::nullopt, badPropertiesMessage(material) };
    return { PropertiesText { (*lines)[0], (*lines)[1], (*lines)[2], group }, {} };
}

bool writeProperties(
    const std::string& dataDir, const std::string& material, const PropertiesText& properties)
{
    return writeDataLines(dataDir, propertiesFileName(material),
        { properties.ro, properties.E, properties.G, intText(properties.group) });
}

std::string propertiesRefusal(const PropertiesText& properties)
{
    const std::pair<const std::string*, const char*> fields[] = {
        { &properties.ro, "Плотность материала должна быть положительным числом" },
        { &properties.E, "Модуль упругости E должен быть положительным числом" },
        { &properties.G, "Модуль сдвига G должен быть положительным числом" },
    };
    for (const auto& [text, refusal] : fields)
        if (!aboveZero(*text))
            return refusal;
    return {};
}

bool usesFinalStressTable(int group)
{
    const MaterialClass* c = findMaterialClass(group);
    return c && c->table == StressTable::Final;
}

std::string tauTableKindFor(int group)
{
    return stressTableKind(
        usesFinalStressTable(group) ? StressTable::Final : StressTable::FirstApproximation);
}
