#pragma once
// pruzcalc --neighbours N: after the report, the stocked wire diameters
// around the one the calculation chose, each worked through as if picked in
// the diameter question (engine/neighbours.h): an empty line, a header line,
// then one row a line, tab-separated, figures in the report's number text.
// A design whose table cannot be made gets one line saying why instead.

#include <iosfwd>

class DataFiles;
struct DesignResult;
struct Neighbours;

void writeNeighbourTable(const Neighbours& table, std::ostream& out);

// Nothing when the design's inputs never reached the calculation (the file
// unread, an input zero or refused).
void writeDesignNeighbours(const DesignResult& result, const DataFiles& files, int each, std::ostream& out);
