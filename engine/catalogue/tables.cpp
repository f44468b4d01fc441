#include "engine/catalogue/tables.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/materialclass.h"
#include "engine/catalogue/textfile.h"
#include "engine/common/errors.h"
#include "engine/common/numtext.h"

#include <algorithm>

namespace {

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

std::string shownValue(const std::string& line)
{
    return line == "-1" ? "        -" : line;
}

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
    const std::string name = stressTableViewerFile(stressTableOfKind(tauTableKind));
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
        if (const MaterialClass* cls = findMaterialClass(code)) {
            row[0] = cls->stressRowName;
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
    grid.header = { "проволоки" };
    grid.header.insert(grid.header.end(), kSigmaBlockCaptions.begin(), kSigmaBlockCaptions.end());
    grid.rows.assign(kSigmaBlockRows, std::vector<std::string>(grid.header.size()));

    TextReader strengths;
    if (!openTable(strengths, dataDir, "SIGMAB.DAT", grid))
        return grid;
    constexpr int kSigmaBlocks = static_cast<int>(kSigmaBlockCaptions.size());
    // Block b fills column b; what follows the last block runs on down the
    // last column, below the rows the grid has.
    for (int line = 0; !strengths.eof(); ++line) {
        const int block = std::min(line / kSigmaBlockRows, kSigmaBlocks - 1);
        const int row = line - block * kSigmaBlockRows;
        std::string text = strengths.readLine();
        if (row < kSigmaBlockRows)
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
