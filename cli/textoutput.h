#pragma once
// The plain output of one design: the report lines on `out`, the messages
// (one line each, a "\r" inside starting a new line) and the error
// ("error: ...") on `err`.

#include <iosfwd>

struct DesignResult;

void writeText(const DesignResult& result, std::ostream& out, std::ostream& err);
