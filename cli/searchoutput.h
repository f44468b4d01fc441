#pragma once
// pruzcalc --search FILE.rid: the requirement read from the file as the
// program's Load and "Расчет" read it, the search over the catalogue
// (engine/features/search.h), and its ranked table: as text a heading
// line, a header line and one row a line, tab-separated; as CSV the header
// and the rows separated by ";"; as JSON an array with one object per kept
// spring, its check included. Nothing kept: the count each rule rejected,
// most first, on stderr, and the exit status 1.

#include <iosfwd>

struct Options;

int runSearchCommand(const Options& options, std::ostream& out, std::ostream& err);
