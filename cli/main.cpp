// pruzcalc: the calculation report of an input data file, without windows.
#include "engine/design.h"
#include "engine/errortext.h"
#include "engine/exitstatus.h"
#include "engine/datafiles.h"
#include "cli/jsonoutput.h"
#include "cli/neighbourtable.h"
#include "cli/options.h"
#include "cli/textoutput.h"

#include <iostream>

namespace {

int run(int argc, char** argv)
{
    const ParsedArgs args = parseArgs(argc, argv);
    switch (args.kind) {
    case ParsedArgs::Help:
        std::cout << args.help;
        return Completed;
    case ParsedArgs::WrongUsage:
        std::cerr << args.help;
        return Usage;
    case ParsedArgs::Run:
        break;
    }
    const Options& o = args.options;
    const DesignResult result = runDesign(o.ridFile, o.design);
    if (o.format == OutputFormat::Json)
        writeJson(result, std::cout);
    else
        writeText(result, std::cout, std::cerr, o.explain);
    if (o.neighbours)
        writeDesignNeighbours(result, FolderFiles(result.record.dataDir), *o.neighbours, std::cout);
    return result.status;
}

} // namespace

int main(int argc, char** argv)
{
    // Whatever is thrown, out of memory included, ends with one line.
    try {
        return run(argc, argv);
    } catch (...) {
        std::cerr << "error: " << errorText(std::current_exception()) << '\n';
        return Ended;
    }
}
