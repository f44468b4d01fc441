#include "cli/compareoutput.h"

#include "engine/features/designcompare.h"

#include <ostream>

namespace {

std::string shown(const std::optional<std::string>& line)
{
    return line ? *line : "(no such line)";
}

// "report line 8", "message line 1", "error", "exit status".
std::string where(const DesignChange& change)
{
    const std::string line = " line " + std::to_string(change.partLine + 1);
    switch (change.part) {
    case OutputPart::Report:
        return "report" + line;
    case OutputPart::Message:
        return "message" + line;
    case OutputPart::Error:
        return "error";
    case OutputPart::ExitStatus:
        break;
    }
    return "exit status";
}

} // namespace

void writeComparison(const CatalogueComparison& comparison, std::ostream& out, std::ostream& err)
{
    for (const DesignFault& fault : comparison.faults)
        err << "error: " << fault.text << '\n';
    for (const DesignChange& change : comparison.changed) {
        out << change.before.ridFile << ": " << where(change) << '\n';
        out << "  old: " << shown(change.beforeLine) << '\n';
        out << "  new: " << shown(change.afterLine) << '\n';
    }
    out << comparison.designs << " designs, " << comparison.changed.size() << " changed\n";
}

int comparisonStatus(const CatalogueComparison& comparison)
{
    if (!comparison.faults.empty())
        return 2;
    return comparison.changed.empty() ? 0 : 1;
}
