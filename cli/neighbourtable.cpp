#include "cli/neighbourtable.h"

#include "engine/design.h"
#include "engine/errors.h"
#include "engine/neighbours.h"
#include "engine/numtext.h"

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
        return row.complete() ? numText(column.value(row)) : "";
    case NeighbourCell::Remarks:
        return row.notesText();
    }
    return {};
}

void writeLine(std::ostream& out, const std::vector<std::string>& cells)
{
    const char* separator = "";
    for (const auto& cell : cells) {
        out << separator << cell;
        separator = "\t";
    }
    out << '\n';
}

// The inputs as "Расчет" stored them before the calculation, with the
// answer it got to the diameter question.
std::optional<Peremenn> designInputs(const DesignResult& r)
{
    if (!r.formRead || r.status == Stopped)
        return std::nullopt;
    Peremenn p;
    p.dataDir = r.record.dataDir;
    p.mode = r.form.mode;
    InputForm form = r.form;
    try {
        if (applyCalcInputs(p, form) != InputOutcome::Proceed)
            return std::nullopt;
    } catch (const PruzError&) {
        return std::nullopt;
    }
    p.userChoice = r.record.userChoice;
    p.chosenD = r.record.chosenD;
    return p;
}

} // namespace

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
    writeLine(out, cells);
    for (const auto& row : table.rows) {
        cells.clear();
        for (const auto& column : neighbourColumns())
            cells.push_back(cellText(column, row));
        writeLine(out, cells);
    }
}

void writeDesignNeighbours(const DesignResult& result, const DataFiles& files, int each, std::ostream& out)
{
    if (auto inputs = designInputs(result))
        writeNeighbourTable(neighbourRows(*inputs, files, each), out);
}
