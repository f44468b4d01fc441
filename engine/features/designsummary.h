#pragma once
// One design in a line, as lists of many designs show it (pruzcalc's CSV,
// the check of saved designs after a catalogue change): what ended it, a
// few of its results, and the verdicts of the checks on the finished spring.

#include "engine/method/peremenn.h"

#include <optional>
#include <string>
#include <vector>

struct DesignResult;

// The results a list shows, in its order.
inline constexpr double Peremenn::*kSummaryFields[]
    = { &Peremenn::d, &Peremenn::i, &Peremenn::nCalc, &Peremenn::N1, &Peremenn::c, &Peremenn::L0calc,
          &Peremenn::L3, &Peremenn::L, &Peremenn::M, &Peremenn::Vkr };

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
std::optional<double> reachedValue(const DesignResult& r, double Peremenn::*field);
