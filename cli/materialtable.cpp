#include "cli/materialtable.h"

#include "cli/batchoutput.h"
#include "cli/neighbourtable.h"
#include "engine/features/allmaterials.h"
#include "engine/features/design.h"

#include <ostream>

namespace {

std::vector<std::string> headerCells()
{
    std::vector<std::string> cells;
    for (const auto& column : materialColumns())
        cells.push_back(column.header);
    return cells;
}

std::vector<std::string> rowCells(const MaterialRow& row)
{
    std::vector<std::string> cells;
    for (const auto& column : materialColumns())
        cells.push_back(materialCellText(column, row));
    return cells;
}

void writeCsvLine(std::ostream& out, const std::vector<std::string>& cells)
{
    const char* separator = "";
    for (const auto& cell : cells) {
        out << separator << csvField(cell);
        separator = ";";
    }
    out << '\n';
}

} // namespace

std::optional<AllMaterials> designMaterials(const DesignResult& result, const DataFiles& files)
{
    if (result.ran())
        return allMaterialRows(result.sameAnswer(result.inputs), files);
    return std::nullopt;
}

void writeMaterialTable(const AllMaterials& table, std::ostream& out)
{
    out << '\n';
    if (!table.refusal.empty()) {
        out << table.refusal << '\n';
        return;
    }
    writeTabbedLine(out, headerCells());
    for (const auto& row : table.rows)
        writeTabbedLine(out, rowCells(row));
}

void writeMaterialCsv(const AllMaterials& table, std::ostream& out)
{
    writeCsvLine(out, headerCells());
    for (const auto& row : table.rows)
        writeCsvLine(out, rowCells(row));
}

nlohmann::ordered_json materialsJson(const AllMaterials& table)
{
    using Json = nlohmann::ordered_json;
    Json rows = Json::array();
    for (const auto& row : table.rows) {
        Json cells = Json::object();
        for (const auto& column : materialColumns()) {
            const bool figure
                = column.cell == MaterialCell::Number || column.cell == MaterialCell::CheckFigure;
            if (!figure)
                cells[column.key] = materialCellText(column, row);
            else if (column.reached(row))
                cells[column.key] = column.value(row);
            else
                cells[column.key] = nullptr;
        }
        cells["selected"] = row.selected;
        rows.push_back(cells);
    }
    return Json {
        { "refusal", table.refusal.empty() ? Json(nullptr) : Json(table.refusal) },
        { "rows", rows },
    };
}
