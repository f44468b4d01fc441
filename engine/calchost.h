#pragma once
// How the calculation talks to whoever runs it: the report window in the
// program, a recorder in tests, the command-line report in pruzcalc.

#include <string>
#include <utility>

struct Peremenn;

// A value a report line showed: the record's field and its value then.
using ReportedValue = std::pair<double Peremenn::*, double>;

class CalcHost {
public:
    virtual ~CalcHost() = default;
    virtual void clearReport() = 0;
    virtual void appendLine(const std::string& line) = 0;
    // The value the report line just appended shows (lines of one value
    // only), for lists that carry exactly what the report wrote.
    virtual void reportedValue(double Peremenn::* /*field*/, double /*value*/) { }
    // A modal message with one OK button. A "\r" inside starts a new line.
    virtual void showMessage(const std::string& text) = 0;
    // Asks the user for a wire diameter of the material. True (OK) only with
    // p.chosenD set to a listed diameter; false means cancel.
    virtual bool chooseDiameter(Peremenn& p) = 0;
    // True when the answer to the diameter question is known beforehand (a
    // diameter tried out instead of the calculation's own): the calculation
    // then asks whatever k3 is, and takes the choice as from the dialog.
    virtual bool choiceForced() const { return false; }
    virtual void enablePrint() = 0;
};
