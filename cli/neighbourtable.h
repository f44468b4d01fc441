#pragma once
// pruzcalc --neighbours N: after the report, the stocked wire diameters
// around the one the calculation chose, each worked through as if picked in
// the diameter question (engine/features/neighbours.h): an empty line, a header line,
// then one row a line, tab-separated, figures in the report's number text.
// A design whose table cannot be made gets one line saying why instead.

#include <iosfwd>
#include <string>
#include <vector>

class DataFiles;
struct DesignResult;
struct Neighbours;

// The cells on one line, a tab between them.
void writeTabbedLine(std::ostream& out, const std::vector<std::string>& cells);

void writeNeighbourTable(const Neighbours& table, std::ostream& out);

// Nothing when the design's inputs never reached the calculation.
void writeDesignNeighbours(const DesignResult& result, const DataFiles& files, int each, std::ostream& out);
