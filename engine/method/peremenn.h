#pragma once
// The working record of one calculation, private to the method: its values
// (engine/method/calcvalues.h), which become the result's, the inputs it
// was given and the state of the run. The calculation makes one for each
// run; nothing outside engine/method sees it.

#include "engine/method/calcinputs.h"
#include "engine/method/calcvalues.h"

#include <string>

struct Peremenn : CalcValues {
    // The numeric inputs are copied into the values here and nowhere else.
    explicit Peremenn(const CalcInputs& inputs);

    const CalcInputs in; // as given; never changed by the calculation
    double tauTable = 0; // MPa, value read from the torsion-stress table
    std::string stopReason; // the rule that stopped the calculation; empty while none has
    bool userChoice = false; // the wire diameter came from the choice dialog
    bool wireChosen = false; // the calculation reached its listed wire diameter d

    // A rule stopped the calculation: a failed check, a cancelled choice,
    // a wire not listed or not made.
    bool stopped() const { return !stopReason.empty(); }
    void stop(const std::string& reason)
    {
        if (stopReason.empty())
            stopReason = reason;
    }
};
