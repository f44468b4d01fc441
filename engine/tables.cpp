#include "engine/tables.h"

#include "engine/catalogue.h"
#include "engine/errors.h"
#include "engine/numtext.h"
#include "engine/textfile.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kSigmaRows = 22;
constexpr int kSigmaBlocks = 6;

// Column 0 of the torsion-stress grid by class code; 0 and 1 read like the
// group numerals I and II of the header.
const std::array<const char*, 10> kClassNames = {
    "        I", "        II", " 60С2А ", " 50(51)ХФА", " 40Х13",
    " 12Х18Н10Т", " ХН77ТЮР", "БрКМц3-1", "БрОЦ4-3", "  БрБ2",
};

bool openTable(TextReader& reader, const std::string& dataDir, const std::string& name, TableGrid& grid)
{
    auto path = findDataFile(dataDir, name);
    try {
        if (path && reader.open(*path))
            return true;
    } catch (const IoError& e) { // too big to be a table
        grid.message = e.what();
        return false;
    }
    grid.message = noFileMessage(name);
    return false;
}

} // namespace

std::string shownValue(const std::string& line) { return line == "-1" ? "        -" : line; }

TableGrid k3Grid(const std::string& dataDir)
{
    TableGrid grid;
    grid.header = { "         I", "        K3" };
    TextReader reader;
    if (!openTable(reader, dataDir, "k3.dat", grid))
        return grid;
    while (!reader.eof()) {
        const double index = 3.0 + 0.1 * static_cast<double>(grid.rows.size());
        grid.rows.push_back({ numText(index), reader.readLine() });
    }
    return grid;
}

TableGrid tauGrid(const std::string& dataDir, const std::string& tauTableKind)
{
    TableGrid grid;
    grid.strip = { "Класс(марка)|", "", "Группа", "пружин", "" };
    grid.header = { "материала", "        I", "        II", "        III", "        IV" };
    const std::string name = tauTableKind == "PREDVARIT" ? "TAU1.DAT"
        : tauTableKind == "OKONCAT"                      ? "TAU2.DAT"
                                                         : "";
    TextReader reader;
    if (!openTable(reader, dataDir, name, grid))
        return grid;
    while (!reader.eof()) {
        int code = 0;
        try {
            code = strToInt(reader.readLine());
        } catch (const ConversionError& e) {
            grid.message = e.what();
            return grid;
        }
        std::vector<std::string> row(grid.header.size());
        if (code >= 0 && code <= 9) {
            row[0] = kClassNames[static_cast<size_t>(code)];
            for (size_t c = 1; c < row.size(); ++c)
                row[c] = shownValue(reader.readLine());
        }
        grid.rows.push_back(std::move(row));
    }
    return grid;
}

TableGrid sigmaGrid(const std::string& dataDir)
{
    TableGrid grid;
    grid.strip = { "Диаметр", "", "", "Сигма В", "МПа", "", "" };
    grid.header = { "проволоки", "Класс I", "Класс II", "12Х18Н10Т", "ХН77ТЮР", "БрКМц3-1БрОц4-3", "БрБ2" };
    grid.rows.assign(kSigmaRows, std::vector<std::string>(grid.header.size()));

    TextReader strengths;
    if (!openTable(strengths, dataDir, "SIGMAB.DAT", grid))
        return grid;
    // Block b fills column b; what follows the last block runs on down the
    // last column, below the rows the grid has.
    for (int line = 0; !strengths.eof(); ++line) {
        const int block = std::min(line / kSigmaRows, kSigmaBlocks - 1);
        const int row = line - block * kSigmaRows;
        std::string text = strengths.readLine();
        if (row < kSigmaRows)
            grid.rows[static_cast<size_t>(row)][static_cast<size_t>(block + 1)] = shownValue(text);
    }

    TextReader diameters;
    if (!openTable(diameters, dataDir, "SIGMDIAM.DAT", grid))
        return grid;
    for (size_t row = 0; !diameters.eof(); ++row) {
        std::string text = diameters.readLine();
        if (row < grid.rows.size())
            grid.rows[row][0] = std::move(text);
    }
    return grid;
}
