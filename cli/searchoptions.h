#pragma once
// pruzcalc --search: its options, bound to SearchArgs, and their checks.

#include "engine/features/search.h"

#include <optional>
#include <string>

namespace CLI {
class App;
}

struct SearchArgs {
    bool on = false; // --search
    std::optional<double> outerMin, outerMax; // mm; none: the file's D1 less, and more, 50 %
    double step = 0.5; // mm
    SearchSpace space;
    SearchKey rank = SearchKey::Mass;
    size_t limit = 0; // rows printed; 0: all
    unsigned threads = 0; // 0: one a processor
    // As typed, until finishSearchArgs reads them.
    std::string texts[7];
    std::string rankText;
};

void addSearchOptions(CLI::App& app, SearchArgs& args);

// Reads the numbers typed (decimal comma or point); what is wrong, or empty.
std::string finishSearchArgs(SearchArgs& args);
