#include "cli/neighbourtable.h"

#include "engine/common/numtext.h"
#include "engine/features/design.h"
#include "engine/features/neighbours.h"

#include <cmath>
#include <ostream>

namespace {

std::string cellText(const NeighbourColumn& column, const NeighbourRow& row)
{
    switch (column.cell) {
    case NeighbourCell::Diameter:
        return row.listed;
    case NeighbourCell::Choice:
        return row.methodChoice ? kMethodChoiceMark : row.forcedTwin ? kForcedTwinMark : "";
    case NeighbourCell::Check:
        return row.check.available ? (row.check.passed ? kPassesMark : kFailsMark) : "";
    case NeighbourCell::Verdict:
        return row.passes() ? kPassesMark : kFailsMark;
    case NeighbourCell::Number:
        return row.complete() && std::isfinite(column.value(row)) ? numText(column.value(row)) : "";
    case NeighbourCell::Remarks:
        return row.notesText();
    }
    return {};
}

} // namespace

void writeTabbedLine(std::ostream& out, const std::vector<std::string>& cells)
{
    const char* separator = "";
    for (const auto& cell : cells) {
        out << separator << cell;
        separator = "\t";
    }
    out << '\n';
}

void writeNeighbourTable(const Neighbours& table, std::ostream& out)
{
    out << '\n';
    if (!table.refusal.empty()) {
        out << table.refusal << '\n';
        return;
    }
    std::vector<std::string> cells;
    for (const auto& column : neighbourColumns())
        cells.push_back(column.header);
    writeTabbedLine(out, cells);
    for (const auto& row : table.rows) {
        cells.clear();
        for (const auto& column : neighbourColumns())
            cells.push_back(cellText(column, row));
        writeTabbedLine(out, cells);
    }
}

void writeDesignNeighbours(const DesignResult& result, const DataFiles& files, int each, std::ostream& out)
{
    if (result.ran())
        writeNeighbourTable(neighbourRows(result.sameAnswer(result.inputs), files, each), out);
}
