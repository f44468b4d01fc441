#pragma once
// One run of the calculation on a copy of the inputs with nothing shown:
// what it would have shown is kept, the diameter question is answered
// beforehand (or cancelled), and the run is judged by the report's own
// checks. The rows of the neighbouring wires and of every material are such
// runs.

#include "engine/features/verification.h"
#include "engine/method/calc.h"

#include <optional>
#include <string>
#include <vector>

class DataFiles;

struct QuietRun {
    CalcValues record; // every value the run reached
    std::vector<std::string> report; // its report lines
    std::vector<ReportedValue> reported; // the values its report lines wrote
    std::vector<std::string> messages; // the messages it would have shown, in order
    std::string error; // what ended it with an error; empty otherwise
    Outcome ended = Outcome::Refused; // how the calculation ended
    std::optional<double> wire; // the listed wire diameter, when the run got that far
    bool asked = false; // the diameter question came up
    std::string stop; // why it stopped early; empty when it ran to its end
    // Its messages (the diameter question's preface left out), the stress at
    // F3 when above the allowable one and its stability remarks; or why it
    // stopped. One line each.
    std::vector<std::string> notes;
    std::vector<std::string> faults; // the notes of checks it does not pass
    Verification check; // of the made spring by EN 13906-1, when the run ran to its end

    bool complete() const { return stop.empty(); }
    // The report wrote this value (a run that stopped wrote those before its stop).
    bool wrote(double CalcValues::*field) const;
    std::string notesText() const; // the notes joined by "; "
    // Ran to its end, passes the method's checks and the check of its made spring.
    bool passes() const { return complete() && faults.empty() && check.passed; }
};

// The diameter question gets `answer` (the inputs' own answer left out),
// or is cancelled without one; `forced`: it is asked whatever k3 is, and
// the answer taken as from the dialog; the made spring checked with `check`.
QuietRun runQuietly(CalcInputs inputs, const DataFiles& files, std::optional<double> answer, bool forced,
    const CheckSettings& check = {});

// `run` filled from the calculation's result `r`, with its notes, faults
// and check.
void judgeRun(QuietRun& run, const CalcResult& r, const DataFiles& files, const CheckSettings& check = {});

// Why a run stopped, in one line: its error, else the last message.
std::string stopReason(const std::vector<std::string>& messages, const std::string& error);
