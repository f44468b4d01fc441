#pragma once
// One design in a line, as lists of many designs show it (pruzcalc's CSV,
// the check of saved designs after a catalogue change): what ended it, a
// few of its results, and the verdicts of the checks on the finished spring.

#include "engine/method/calcvalues.h"

#include <optional>
#include <string>
#include <vector>

struct DesignResult;

// The results a list shows, in its order.
inline constexpr double CalcValues::*kSummaryFields[]
    = { &CalcValues::d, &CalcValues::i, &CalcValues::nCalc, &CalcValues::N1, &CalcValues::c,
          &CalcValues::L0calc, &CalcValues::L3, &CalcValues::L, &CalcValues::M, &CalcValues::Vkr };

inline constexpr const char* kVerdictPassed = "выполнено";
inline constexpr const char* kVerdictFailed = "не выполнено";

struct DesignSummary {
    std::string ending; // what ended it: the error, else the last message shown; empty when complete
    std::vector<std::optional<double>> values; // by kSummaryFields; nullopt when not reached
    std::string impact; // the check against coil impact: a verdict, empty when not reached
    std::string stability; // the stability remarks as the report writes them, "; " between
};

DesignSummary summarize(const DesignResult& r);

// A result of kSummaryFields, or nullopt when the design did not reach it.
std::optional<double> reachedValue(const DesignResult& r, double CalcValues::*field);
