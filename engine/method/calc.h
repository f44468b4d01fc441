#pragma once
// The spring calculation: from its inputs (engine/method/calcinputs.h) and the
// data files to its result: the report, line by line, the messages, the
// trace and every value. calculate() is the way in; runCalculation() is
// the same on a working record whose inputs are already in place.
//
// Two paths, chosen by the material class: on the first-table path
// ("tau1.dat") the table gives a first-approximation stress, the wire is
// estimated, rounded up to a stocked diameter and the allowable stress is a
// share of its tensile strength; on the second-table path ("tau2.dat") the
// table gives the allowable stress itself. Then stiffness, coils, the coil
// impact check, deflections, lengths, pitch, wire length, mass and the
// stability remarks.
//
// Failures the user must read are shown through the host; a failed check
// sets p.calcFailed. Unreadable numbers and arithmetic faults throw the
// errors of engine/common/errors.h.
//
// With a trace, every value, look-up, check, message and choice is recorded
// as it happens (engine/method/trace.h); the trace is emptied first.

#include "engine/method/calchost.h"
#include "engine/method/calcinputs.h"
#include "engine/method/peremenn.h"
#include "engine/method/trace.h"

#include <optional>
#include <string>
#include <vector>

class CalcHost;
class DataFiles;

// The engine's answer to one calculation. Made once and only read after.
struct CalcResult {
    CalcInputs inputs; // as given
    Peremenn values; // every value the calculation reached
    std::vector<std::string> report; // the report lines
    std::vector<ReportedValue> reported; // the values of the report's lines, in their order
    std::vector<std::string> messages; // in the order shown; "\r" starts a new line
    std::string error; // what ended it with an error; empty otherwise
    Trace trace; // when asked for; ends with the error if there was one
    bool complete = false; // ran to its last step
    bool failed = false; // stopped on a failed check (calcFailed)
    bool wireChosen = false; // got as far as its listed wire diameter d
    // The answer the diameter question got (from the host or given
    // beforehand); none when it was not asked or was cancelled.
    std::optional<double> chosenD;

    // Ended before its last step, by a check, a missing file or an error.
    bool stopped() const { return !complete; }
    // The inputs of another calculation over the same design that keeps
    // this one's answer to the diameter question.
    CalcInputs sameAnswer(CalcInputs other) const;
};

struct CalcOptions {
    bool trace = false; // record the trace
    // Values to start from: what this calculation does not reach keeps
    // them (the sketch shows the previous calculation's values there).
    const Peremenn* carried = nullptr;
};

// The inputs put into the working record.
void putInputs(Peremenn& p, const CalcInputs& inputs);

// The calculation of `inputs`, reading the data files through `files`;
// messages and the diameter question (unless answered in the inputs) go to
// `host` as they come, and are kept in the result too. Errors end it and
// are kept in the result; nothing is thrown.
CalcResult calculate(
    const CalcInputs& inputs, CalcHost& host, const DataFiles& files, CalcOptions options = {});

// The calculation on a working record whose inputs are already in place.
// True when the calculation ran to its last step; p.calcComplete records the
// same for the windows that draw the results, p.wireChosen whether it got as
// far as the listed wire diameter. Reads the files of p.dataDir.
bool runCalculation(Peremenn& p, CalcHost& host, Trace* trace = nullptr);

// The same, reading the data files through `files`.
bool runCalculation(Peremenn& p, CalcHost& host, const DataFiles& files, Trace* trace = nullptr);
