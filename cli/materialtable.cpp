#include "cli/materialtable.h"

#include "cli/batchoutput.h"
#include "cli/jsonwriter.h"
#include "cli/neighbourtable.h"
#include "engine/features/allmaterials.h"
#include "engine/features/design.h"

#include <functional>
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

// The design's rows, each to `row` as it is worked out; the list's refusal
// (empty when there is none) to `list` first. False when the inputs never
// reached the calculation.
bool eachDesignRow(const DesignResult& result, const DataFiles& files,
    const std::function<void(const MaterialList&)>& list, const MaterialSink& row)
{
    if (!result.ran())
        return false;
    const MaterialList names = materialList(files);
    list(names);
    eachMaterialRow(result.sameAnswer(result.inputs), files, names, row, result.verification.settings);
    return true;
}

} // namespace

void writeMaterialTable(const DesignResult& result, const DataFiles& files, std::ostream& out)
{
    eachDesignRow(
        result, files,
        [&](const MaterialList& list) {
            out << '\n';
            if (!list.refusal.empty())
                out << list.refusal << '\n';
            else
                writeTabbedLine(out, headerCells());
        },
        [&](MaterialRow&& row) { writeTabbedLine(out, rowCells(row)); });
}

void writeMaterialCsv(const DesignResult& result, const DataFiles& files, std::ostream& out)
{
    eachDesignRow(
        result, files, [&](const MaterialList&) { writeCsvLine(out, headerCells()); },
        [&](MaterialRow&& row) { writeCsvLine(out, rowCells(row)); });
}

void writeMaterialsJson(
    const DesignResult& result, const DataFiles& files, JsonWriter& json, std::ostream& out)
{
    const bool reached = eachDesignRow(
        result, files,
        [&](const MaterialList& list) {
            json.beginObject();
            json.key("refusal");
            if (list.refusal.empty())
                json.value(nullptr);
            else
                json.value(list.refusal);
            json.key("rows");
            json.beginArray();
        },
        [&](MaterialRow&& row) {
            json.beginObject();
            for (const auto& column : materialColumns()) {
                json.keyText(column.key);
                const bool figure
                    = column.cell == MaterialCell::Number || column.cell == MaterialCell::CheckFigure;
                if (!figure)
                    json.value(materialCellText(column, row));
                else if (column.reached(row))
                    json.value(column.value(row));
                else
                    json.value(nullptr);
            }
            json.member("selected", row.selected);
            json.endObject();
            json.flushTo(out);
        });
    if (!reached) {
        json.value(nullptr);
        return;
    }
    json.endArray();
    json.endObject();
}
