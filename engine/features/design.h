#pragma once
// One design worked through as the program's Load and "Расчет" would: the
// input data file read, the material found, the inputs applied and checked,
// the calculation run. Nothing is printed here; the result holds everything
// an output needs. runForm is the one way from a form to its result: the
// main window, pruzcalc, the batch, the check of saved designs and the tests
// all come through it.

#include "engine/catalogue/datafolder.h"
#include "engine/catalogue/memoryfiles.h"
#include "engine/common/exitstatus.h"
#include "engine/features/verification.h"
#include "engine/method/calc.h"
#include "engine/method/inputform.h"

#include <optional>
#include <string>
#include <vector>

struct DesignSettings {
    std::optional<std::string> dataDir; // --data; else the user's catalogue
    std::optional<std::string> wireDiameter; // answer to the diameter question, as listed
    bool trace = false; // record the calculation's trace
    const DataFiles* files = nullptr; // read instead of the catalogue's files when set
    bool verify = false; // check the made spring by EN 13906-1 after the calculation
    CheckSettings check; // tolerance, ends and ν of that check
};

// The calculation's result (inputs, values, report, messages, error,
// trace) with what came before it. When the calculation did not run, its
// outcome is Refused and its reason says why: an input zero or refused,
// the material gone from the catalogue, the design unreadable.
struct DesignResult : CalcResult {
    std::string ridFile; // as named on the command line; empty for a form
    ExitStatus status = Ended;
    // As read, with the replacements of "Расчет"; none when the input data
    // file could not be read or understood.
    std::optional<InputForm> form;
    Verification verification; // when asked for; its refusal says why it is not available
};

// The design names a material the catalogue does not list: it cannot be
// worked through with this catalogue at all.
bool materialMissing(const DesignResult& r);

// A design from its form, as "Расчет" runs it: the inputs applied and
// checked (a refusal is shown through the host), then the calculation.
// `given` holds what the form does not: the data directory and, when
// known, the answer to the diameter question. A text that is not a number
// ends it with an error. The form in the result has the replacements of
// "Расчет" ("0" in vmax and ni).
DesignResult runForm(
    InputForm form, CalcInputs given, CalcHost& host, const DataFiles& files, CalcOptions options = {});

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
    std::optional<CheckData> checkData_; // the check's catalogue data, read at the first check
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
