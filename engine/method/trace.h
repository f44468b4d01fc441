#pragma once
// The trace of one calculation: where every reported value came from, in
// the order it happened. A value step has its formula as an engineer writes
// it and the same formula with the numbers put in; a look-up step names the
// file, the line used, the line's text and why that line; a check gives its
// comparison and verdict; messages and the diameter choice appear where
// they were shown. A step that wrote a report line holds its index, so the
// report and the trace are one sequence seen two ways.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct CalcValues;

enum class StepKind {
    Input, // a value as given (inputs, the material)
    Value, // a value worked out by a formula
    Lookup, // a line taken from a data file or from a table of the program
    Check, // a comparison and its verdict
    Message, // a message shown to the user
    Choice, // the answer of the diameter choice
    Line, // a report line that holds no value (a heading, a remark)
    Error, // what ended the calculation with an error
};

// "input", "value", ... as the machine-readable output names the kinds.
const char* stepKindName(StepKind kind);

struct TraceStep {
    StepKind kind = StepKind::Value;
    std::string name; // the record's field the step sets ("k3"); empty when none
    std::string symbol; // as formulas write it ("τ'")
    std::string caption; // what the value is, in words: its report label's where it has one
    std::string formula; // "k3 = D1 / √(F3 / τ')"
    std::string substitution; // "k3 = 20 / √(375 / 618)"
    std::optional<double> value;
    std::string valueText; // the value's number text
    std::string unit;
    std::string file; // Lookup: the file read; empty for a program table
    int line = 0; // Lookup: the line used, from 1; 0 when none was
    std::string lineText; // Lookup: that line as read
    std::string text; // Lookup: why that line; Check: the comparison; others: the text
    std::optional<bool> passed; // Check: the verdict
    int reportLine = -1; // the report line written at this step, from 0; -1 when none
};

struct Trace {
    std::vector<TraceStep> steps;

    // What ended the calculation with an error, as the last step.
    void addError(const std::string& text);
};

// A formula is written once, with its operands' symbols in braces:
// "{D1} / √({F3} / {τ'})". Without the braces it is the formula as shown;
// with each symbol replaced by its value (a negative one in
// parentheses) it is the substitution.
std::string formulaText(const char* formula);
std::string substituted(const char* formula, const CalcValues& values);
// The same with the symbols' values from `valueOf` (nullopt: unknown symbol).
std::string substituted(
    const char* formula, const std::function<std::optional<double>(std::string_view)>& valueOf);
