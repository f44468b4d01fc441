#pragma once
// How the calculation talks to whoever runs it: the main window in the
// program, a recorder in tests, the command-line report in pruzcalc.

#include "engine/method/calcinputs.h"
#include "engine/method/calcvalues.h"

#include <optional>
#include <string>
#include <utility>

// A value a report line showed: its field and its value then.
using ReportedValue = std::pair<double CalcValues::*, double>;

// The report lines are kept in the calculation's result (engine/method/calc.h);
// a host that shows them as they come may follow them here.
class CalcHost {
public:
    virtual ~CalcHost() = default;
    virtual void clearReport() { }
    virtual void appendLine(const std::string&) { }
    // The value the report line just appended shows (lines of one value
    // only), for lists that carry exactly what the report wrote.
    virtual void reportedValue(double CalcValues::* /*field*/, double /*value*/) { }
    // A modal message with one OK button. A "\r" inside starts a new line.
    virtual void showMessage(const std::string& text) = 0;
    // Asks the user for a wire diameter of the material of `inputs`: a
    // listed diameter (OK), or none (cancel). `needed` is the d the stress
    // asks for, when there is one, to show and preselect by.
    virtual std::optional<double> chooseDiameter(const CalcInputs& inputs, std::optional<double> needed) = 0;
    // True when the question is to be put whatever k3 is (a diameter tried
    // out instead of the calculation's own, CalcInputs::askAlways): the
    // calculation then takes the choice as from the dialog.
    virtual bool choiceForced() const { return false; }
    virtual void enablePrint() { }
    // False when nobody reads the report (a search over many springs keeps
    // only the values): no report line is then made, nor its value handed
    // on; every value, message and check stays as it is.
    virtual bool wantsReport() const { return true; }
};
