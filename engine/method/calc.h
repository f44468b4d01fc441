#pragma once
// The spring calculation: from its inputs (engine/method/calcinputs.h) and the
// data files to its result: the report, line by line, the messages, the
// trace, every value and how it ended. calculate() is the way in; each run
// starts from its inputs alone and keeps nothing for the next.
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
// stops the calculation. Unreadable numbers and arithmetic faults end it
// with an error.
//
// With a trace, every value, look-up, check, message and choice is recorded
// as it happens (engine/method/trace.h).

#include "engine/method/calchost.h"
#include "engine/method/calcinputs.h"
#include "engine/method/calcvalues.h"
#include "engine/method/trace.h"

#include <optional>
#include <string>
#include <vector>

class CalcHost;
class DataFiles;

// How a calculation, or the command that would have run it, ended.
enum class Outcome {
    Complete, // ran to its last step
    Stopped, // a rule stopped it: a failed check, a cancelled or unlisted wire
    Refused, // never ran: an input zero or refused, a material gone, a design unreadable
    Error, // ended on a fault: a missing data file, an unreadable number, arithmetic
};

// The engine's answer to one calculation. Made once and only read after;
// windows that share one hold it as std::shared_ptr<const CalcResult>.
struct CalcResult {
    CalcInputs inputs; // as given
    CalcValues values; // every value the calculation reached; 0 for the others
    std::vector<std::string> report; // the report lines
    std::vector<ReportedValue> reported; // the values of the report's lines, in their order
    std::vector<std::string> messages; // in the order shown; "\r" starts a new line
    std::string error; // the error that ended it, when no message has shown it; empty otherwise
    Trace trace; // when asked for; ends with the error if there was one
    Outcome outcome = Outcome::Refused;
    // Why it ended before its last step, on one line: the rule's message,
    // the refusal, the error; empty when complete.
    std::string reason;
    // The listed wire diameter d, once the calculation got that far.
    std::optional<double> wire;
    // The answer the diameter question got (from the host or given
    // beforehand); none when it was not asked or was cancelled.
    std::optional<double> chosenD;

    bool complete() const { return outcome == Outcome::Complete; }
    bool stopped() const { return outcome == Outcome::Stopped; }
    bool refused() const { return outcome == Outcome::Refused; }
    // The calculation ran (whether or not to its end).
    bool ran() const { return !refused(); }
    // The inputs of another calculation over the same design that keeps
    // this one's answer to the diameter question.
    CalcInputs sameAnswer(CalcInputs other) const;
};

struct CalcOptions {
    bool trace = false; // record the trace
};

// The calculation of `inputs`, reading the data files through `files`;
// messages and the diameter question (unless answered in the inputs) go to
// `host` as they come, and are kept in the result too. Errors end it and
// are kept in the result; nothing is thrown.
CalcResult calculate(
    const CalcInputs& inputs, CalcHost& host, const DataFiles& files, CalcOptions options = {});
