#include "cli/compareoutput.h"

#include "engine/designcompare.h"

#include <ostream>

namespace {

std::string shown(const std::optional<std::string>& line)
{
    return line ? *line : "(no such line)";
}

} // namespace

void writeComparison(const CatalogueComparison& comparison, std::ostream& out, std::ostream& err)
{
    for (const DesignFault& fault : comparison.faults)
        err << "error: " << fault.text << '\n';
    for (const DesignChange& change : comparison.changed) {
        out << change.before.ridFile << ": line " << change.line + 1 << '\n';
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
