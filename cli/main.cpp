// pruzcalc: the calculation report of an input data file, without windows.
#include "cli/clihost.h"
#include "engine/calc.h"
#include "engine/datafolder.h"
#include "engine/errors.h"
#include "engine/inputform.h"
#include "engine/peremenn.h"
#include "engine/textfile.h"

#include <cstring>
#include <iostream>
#include <optional>
#include <string>

namespace {

enum Exit { Completed = 0, Failed = 1, Ended = 2, Stopped = 3, Usage = 64, NoInput = 66 };

const char* const kHelp =
    "usage: pruzcalc [--data DIR] [--wire-diameter TEXT] FILE.rid\n"
    "\n"
    "Reads an input data file as the program's Load does, applies the rules of\n"
    "\"Расчет\" and prints the calculation report (UTF-8) on stdout; messages go\n"
    "to stderr, errors as one line starting \"error: \".\n"
    "\n"
    "  --data DIR            data directory (default: the user's catalogue)\n"
    "  --wire-diameter TEXT  answer to the diameter question: the listed\n"
    "                        diameter written exactly as TEXT; without it the\n"
    "                        question is cancelled\n"
    "\n"
    "Exit status: 0 report complete; 1 a check failed (also a cancelled\n"
    "diameter question); 2 ended otherwise (missing file, bad number,\n"
    "arithmetic fault); 3 a required input is zero; 64 wrong usage;\n"
    "66 FILE.rid or the catalogue cannot be read.\n";

struct Options {
    std::optional<std::string> dataDir;
    std::optional<std::string> wireDiameter;
    std::string ridFile;
};

std::optional<Options> parseArgs(int argc, char** argv, bool& help)
{
    Options o;
    bool haveFile = false;
    for (int k = 1; k < argc; ++k) {
        std::string a = argv[k];
        if (a == "--help" || a == "-h") {
            help = true;
            return std::nullopt;
        } else if ((a == "--data" || a == "--wire-diameter") && k + 1 < argc) {
            std::string v = argv[++k];
            if (a == "--data")
                o.dataDir = v;
            else
                o.wireDiameter = v;
        } else if (!a.empty() && a[0] != '-' && !haveFile) {
            o.ridFile = a;
            haveFile = true;
        } else {
            return std::nullopt;
        }
    }
    if (!haveFile)
        return std::nullopt;
    return o;
}

int run(const Options& o)
{
    auto rid = readTextLines(o.ridFile);
    if (!rid) {
        std::cerr << "no " << o.ridFile << "\n";
        return NoInput;
    }
    const Catalogue catalogue = openCatalogue(processCataloguePlaces(o.dataDir));
    if (catalogue.dir.empty()) {
        std::cerr << "error: " << catalogue.failure << "\n";
        return NoInput;
    }
    CliHost host(o.wireDiameter);
    Peremenn p;
    p.dataDir = catalogue.dir;
    try {
        InputForm form = parseRid(*rid);
        std::vector<std::string> materials;
        if (auto list = readDataLines(p.dataDir, "material.dat"))
            materials = *list;
        else
            host.showMessage("no material.dat");
        int index = ridMaterialIndex(form, materials);
        form.materialName = index >= 0 ? materials[static_cast<size_t>(index)] : std::string();
        p.mode = form.mode;
        if (applyCalcInputs(p, form) == InputOutcome::Stopped)
            return Stopped;
        if (runCalculation(p, host))
            return Completed;
        return p.calcFailed ? Failed : Ended;
    } catch (const PruzError& e) {
        std::cerr << "error: " << e.what() << "\n";
        return Ended;
    }
}

} // namespace

int main(int argc, char** argv)
{
    bool help = false;
    auto options = parseArgs(argc, argv, help);
    if (help) {
        std::cout << kHelp << "\n" << catalogueHelp(processCataloguePlaces(std::nullopt));
        return Completed;
    }
    if (!options) {
        std::cerr << kHelp;
        return Usage;
    }
    return run(*options);
}
