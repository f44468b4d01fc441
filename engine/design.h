#pragma once
// One design worked through as the program's Load and "Расчет" would: the
// input data file read, the material found, the inputs applied and checked,
// the calculation run. Nothing is printed here; the result holds everything
// an output needs.

#include "engine/exitstatus.h"
#include "engine/inputform.h"
#include "engine/peremenn.h"
#include "engine/trace.h"

#include <optional>
#include <string>
#include <vector>

class DataFiles;

struct DesignSettings {
    std::optional<std::string> dataDir;      // --data; else the user's catalogue
    std::optional<std::string> wireDiameter; // answer to the diameter question, as listed
    bool trace = false;                      // record the calculation's trace
    const DataFiles* files = nullptr;        // read instead of the catalogue's files when set
};

struct DesignResult {
    std::string ridFile;               // as named on the command line
    ExitStatus status = Ended;
    bool formRead = false;             // the input data file was read and understood
    InputForm form;                    // as read, with the replacements of "Расчет"
    Peremenn record;                   // every value the calculation reached
    std::vector<std::string> report;   // the report lines
    std::vector<std::string> messages; // in the order shown; "\r" starts a new line
    std::string error;                 // what ended it with an error; empty otherwise
    Trace trace;                       // when asked for; ends with the error if there was one
};

DesignResult runDesign(const std::string& ridFile, const DesignSettings& settings);
