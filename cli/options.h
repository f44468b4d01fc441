#pragma once
// pruzcalc's command line, read with CLI11: every option is bound to a
// field of Options, and the help text is made from the options themselves,
// so a new option is one add_option and one field.

#include "cli/searchoptions.h"
#include "engine/features/design.h"
#include "engine/features/springdrawing.h"

#include <optional>
#include <string>
#include <vector>

enum class OutputFormat { Text, Json, Csv };

struct Options {
    DesignSettings design;
    std::vector<std::string> inputs; // FILE.rid and folders, as given
    bool several = false; // more than one input, or a folder
    bool explain = false; // the trace instead of the report lines
    bool header = false; // the printed report's header block first
    bool verify = false; // the check of the made spring after the report; a failed check exits 1
    OutputFormat format = OutputFormat::Text; // Json: one object (an array of them for several)
    std::optional<std::string> compareData; // --compare-data OLD_DIR
    std::optional<int> neighbours; // diameters each side in the table after the report
    bool allMaterials = false; // the design in every material of the catalogue, after the report
    SearchArgs search; // --search and its options
    std::string drawing; // --drawing FILE or folder; empty: the report
    std::string drawingType = "dxf"; // the drawings' format in a folder
    SheetRequest sheet; // the drawing's sheet and title block
};

struct ParsedArgs {
    enum Kind { Run, Help, Version, WrongUsage } kind = WrongUsage;
    Options options;
    std::string help; // the help text for Help; the version line for Version
    std::string problem; // WrongUsage: what is wrong, in one line
};

// What follows the one "error:" line of wrong usage.
inline constexpr const char* kUsageHint = "Try 'pruzcalc --help' for more information.";

ParsedArgs parseArgs(int argc, const char* const* argv);
