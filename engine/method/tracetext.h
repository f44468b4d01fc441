#pragma once
// The trace as readable text, the same for pruzcalc --explain and the
// report window's "Подробно" view: one block per step, blocks apart by an
// empty line (the inputs stay together). A reported value's block starts
// with its report caption and lists, indented, the look-up it came from,
// the formula, the formula with the numbers and the result; checks,
// messages, the diameter choice and the report's own lines without a value
// stand on lines of their own.

#include <string>
#include <vector>

struct Trace;

std::vector<std::string> traceLines(const Trace& trace);
