#pragma once
// One design worked through as the program's Load and "Расчет" would: the
// input data file read, the material found, the inputs applied and checked,
// the calculation run. Nothing is printed here; the result holds everything
// an output needs.

#include "cli/exitstatus.h"
#include "engine/inputform.h"
#include "engine/peremenn.h"

#include <optional>
#include <string>
#include <vector>

struct DesignSettings {
    std::optional<std::string> dataDir;      // --data; else the user's catalogue
    std::optional<std::string> wireDiameter; // answer to the diameter question, as listed
};

struct DesignResult {
    ExitStatus status = Ended;
    InputForm form;                    // as read, with the replacements of "Расчет"
    Peremenn record;                   // every value the calculation reached
    std::vector<std::string> report;   // the report lines
    std::vector<std::string> messages; // in the order shown; "\r" starts a new line
    std::string error;                 // what ended it with an error; empty otherwise
};

DesignResult runDesign(const std::string& ridFile, const DesignSettings& settings);
