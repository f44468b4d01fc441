#pragma once
// The plain output of one design: the report lines on `out`, or with
// `explain` the trace as readable text instead; the messages (one line
// each, a "\r" inside starting a new line) and the error ("error: ...") on
// `err`.

#include <iosfwd>

struct DesignResult;

void writeText(const DesignResult& result, std::ostream& out, std::ostream& err, bool explain = false);

struct Verification;

// The check of the made spring after the report: an empty line, then its
// lines; with `explain` its steps as readable text instead of its rows.
void writeVerification(const Verification& v, std::ostream& out, bool explain = false);
