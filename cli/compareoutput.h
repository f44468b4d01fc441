#pragma once
// pruzcalc --compare-data: for each design whose output changed, its file
// and first differing line (1 is the first report line), old and new; then
// "N designs, M changed". Designs that could not be compared go to `err`
// as "error: ..." lines.

#include <iosfwd>

struct CatalogueComparison;

void writeComparison(const CatalogueComparison& comparison, std::ostream& out, std::ostream& err);

// 0 nothing changed, 1 something did, 2 a design could not be compared.
int comparisonStatus(const CatalogueComparison& comparison);
