#pragma once
// The plain output of one design: the report lines on `out`, or with
// `explain` the trace as readable text instead; the messages (one line
// each, a "\r" inside starting a new line) and the error ("error: ...") on
// `err`.

#include <iosfwd>

struct DesignResult;

void writeText(const DesignResult& result, std::ostream& out, std::ostream& err, bool explain = false);
