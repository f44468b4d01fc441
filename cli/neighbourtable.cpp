#include "cli/neighbourtable.h"

#include "engine/common/numtext.h"
#include "engine/features/design.h"
#include "engine/features/neighbours.h"

#include <cmath>
#include <ostream>
#include <utility>

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

namespace {

void writeHeader(std::ostream& out)
{
    std::vector<std::string> cells;
    for (const auto& column : neighbourColumns())
        cells.push_back(column.header);
    writeTabbedLine(out, cells);
}

void writeRow(const NeighbourRow& row, std::ostream& out)
{
    std::vector<std::string> cells;
    for (const auto& column : neighbourColumns())
        cells.push_back(cellText(column, row));
    writeTabbedLine(out, cells);
}

} // namespace

void writeNeighbourTable(const Neighbours& table, std::ostream& out)
{
    out << '\n';
    if (!table.refusal.empty()) {
        out << table.refusal << '\n';
        return;
    }
    writeHeader(out);
    for (const auto& row : table.rows)
        writeRow(row, out);
}

void writeDesignNeighbours(const DesignResult& result, const DataFiles& files, int each, std::ostream& out)
{
    if (!result.ran())
        return;
    // Each row printed as it is worked out: a long list is never held.
    out << '\n';
    bool headed = false;
    const Neighbours table = neighbourRows(
        result.sameAnswer(result.inputs), files, each, result.verification.settings, [&](NeighbourRow&& row) {
            if (!std::exchange(headed, true))
                writeHeader(out);
            writeRow(row, out);
        });
    if (!table.refusal.empty())
        out << table.refusal << '\n';
}
