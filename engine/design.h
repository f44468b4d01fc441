#pragma once
// One design worked through as the program's Load and "Расчет" would: the
// input data file read, the material found, the inputs applied and checked,
// the calculation run. Nothing is printed here; the result holds everything
// an output needs.

#include "engine/calchost.h"
#include "engine/datafolder.h"
#include "engine/exitstatus.h"
#include "engine/inputform.h"
#include "engine/memoryfiles.h"
#include "engine/peremenn.h"
#include "engine/trace.h"
#include "engine/verification.h"

#include <optional>
#include <string>
#include <vector>

struct DesignSettings {
    std::optional<std::string> dataDir; // --data; else the user's catalogue
    std::optional<std::string> wireDiameter; // answer to the diameter question, as listed
    bool trace = false; // record the calculation's trace
    const DataFiles* files = nullptr; // read instead of the catalogue's files when set
    bool verify = false; // check the made spring by EN 13906-1 after the calculation
    double seating = kDefaultSeating; // ν of that check
};

struct DesignResult {
    std::string ridFile; // as named on the command line
    ExitStatus status = Ended;
    bool formRead = false; // the input data file was read and understood
    InputForm form; // as read, with the replacements of "Расчет"
    Peremenn record; // every value the calculation reached
    std::vector<std::string> report; // the report lines
    std::vector<ReportedValue> reported; // the values of the report's lines, in their order
    std::vector<std::string> messages; // in the order shown; "\r" starts a new line
    std::string error; // what ended it with an error; empty otherwise
    bool materialMissing = false; // the catalogue does not list the file's material
    Trace trace; // when asked for; ends with the error if there was one
    Verification verification; // when asked for; its refusal says why it is not available
};

// Designs worked through one after another with the same settings. The
// catalogue is found when the first design needs it, and its files are
// read once and kept for the designs after it: they do not change during a
// run.
class DesignRun {
public:
    explicit DesignRun(DesignSettings settings);
    DesignResult run(const std::string& ridFile);

    const DesignSettings& settings() const { return settings_; }
    // Found (or made) at the first call; its failure when dir is empty.
    const Catalogue& catalogue();
    // Where the designs read the data files; only once catalogue() found one.
    const DataFiles& files() const;

private:
    DesignSettings settings_;
    std::optional<Catalogue> catalogue_;
    std::optional<MemoryFiles> kept_;
};

// One design on its own.
DesignResult runDesign(const std::string& ridFile, const DesignSettings& settings);

// The input data files named by files and folders: a folder stands for its
// "*.rid" files (any letter case) in name order, without its subfolders; a
// file, or a folder that cannot be listed, stands for itself (a file that
// cannot be read becomes a design that says so).
std::vector<std::string> designFiles(const std::vector<std::string>& paths);

// True for a folder, or a link to one.
bool isFolder(const std::string& path);
