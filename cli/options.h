#pragma once
// pruzcalc's command line, read with CLI11: every option is bound to a
// field of Options, and the help text is made from the options themselves,
// so a new option is one add_option and one field.

#include "engine/design.h"

#include <optional>
#include <string>

enum class OutputFormat { Text, Json };

struct Options {
    DesignSettings design;
    std::string ridFile;
    bool explain = false;                     // the trace instead of the report lines
    OutputFormat format = OutputFormat::Text; // Json: one object, trace included
    std::optional<int> neighbours;            // diameters each side in the table after the report
};

struct ParsedArgs {
    enum Kind { Run, Help, WrongUsage } kind = WrongUsage;
    Options options;
    std::string help; // the help text, shown for Help and WrongUsage
};

ParsedArgs parseArgs(int argc, const char* const* argv);
