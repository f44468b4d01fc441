// pruzcalc: the calculation report of an input data file, without windows;
// for several files one line each, or what a catalogue change does to them.
#include "cli/batchoutput.h"
#include "cli/compareoutput.h"
#include "cli/drawingoutput.h"
#include "cli/header.h"
#include "cli/jsonoutput.h"
#include "cli/materialtable.h"
#include "cli/neighbourtable.h"
#include "cli/options.h"
#include "cli/searchoutput.h"
#include "cli/textoutput.h"
#include "engine/catalogue/cataloguesync.h"
#include "engine/catalogue/datafiles.h"
#include "engine/catalogue/datafolder.h"
#include "engine/common/errortext.h"
#include "engine/common/exitstatus.h"
#include "engine/features/allmaterials.h"
#include "engine/features/design.h"
#include "engine/features/designcompare.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>

namespace {

// A write to stdout that failed (a full disk, a closed pipe): a cut report,
// CSV or JSON must not pass for a whole one, so the run ends as an error.
bool outputFailed()
{
    if (std::cout.good()) {
        errno = 0;
        if (std::cout.flush().good())
            return false;
    }
    // The failed write's: the run stops at it, so no later call set errno.
    const int error = errno;
    std::cerr << "error: the output could not be written"
              << (error != 0 ? std::string(": ") + std::strerror(error) : std::string()) << '\n';
    return true;
}

// Why the input file cannot be read, in words ("no such file"); nullopt
// when it can.
std::optional<std::string> unreadable(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    if (in)
        return std::nullopt;
    const int error = errno;
    if (error == ENOENT)
        return file + ": no such file";
    return file + ": cannot be read"
        + (error != 0 ? std::string(": ") + std::strerror(error) : std::string());
}

int runOne(const Options& o)
{
    if (const auto problem = unreadable(o.inputs.front())) {
        std::cerr << "error: " << *problem << '\n';
        return NoInput;
    }
    std::string dateTime;
    if (o.header) {
        const auto when = headerDateTime(std::getenv("SOURCE_DATE_EPOCH"), std::time(nullptr));
        if (!when) {
            std::cerr << "error: SOURCE_DATE_EPOCH is not a whole number of seconds\n";
            return Usage;
        }
        dateTime = *when;
    }
    const DesignResult result = runDesign(o.inputs.front(), o.design);
    const FolderFiles files(result.inputs.dataDir);
    if (o.format == OutputFormat::Json) {
        JsonPart all;
        if (o.allMaterials)
            all = [&](JsonWriter& json, std::ostream& out) { writeMaterialsJson(result, files, json, out); };
        writeJson(result, std::cout, all);
    } else if (o.format == OutputFormat::Csv) { // the table alone; the design's messages as ever
        std::ostream nowhere(nullptr);
        writeText(result, nowhere, std::cerr, false);
        if (o.allMaterials)
            writeMaterialCsv(result, files, std::cout);
    } else {
        if (o.header)
            writeHeader(result, dateTime, std::cout);
        writeText(result, std::cout, std::cerr, o.explain);
        if (o.verify)
            writeVerification(result.verification, std::cout, o.explain);
    }
    if (o.neighbours)
        writeDesignNeighbours(result, files, *o.neighbours, std::cout);
    if (o.allMaterials && o.format == OutputFormat::Text)
        writeMaterialTable(result, files, std::cout);
    // A design that ran to its end fails when its made spring fails the
    // check, or cannot be checked at all (a value that is not finite).
    if (o.verify && result.status == Completed && !result.verification.passed)
        return Failed;
    return result.status;
}

int runSeveral(const Options& o)
{
    std::unique_ptr<BatchWriter> writer;
    if (o.format == OutputFormat::Json)
        writer = std::make_unique<JsonArrayWriter>(std::cout);
    else
        writer = std::make_unique<CsvWriter>(std::cout);
    DesignRun run(o.design);
    int status = Completed;
    for (const std::string& file : designFiles(o.inputs)) {
        const DesignResult result = run.run(file);
        writer->add(result);
        if (!std::cout.good()) // stop at the first failed write; main says so
            return Ended;
        status = std::max(status, static_cast<int>(result.status));
    }
    writer->finish();
    return status;
}

int compareData(const Options& o)
{
    DesignSettings old = o.design;
    old.dataDir = o.compareData;
    DesignRun before(old);
    DesignRun after(o.design);
    for (DesignRun* run : { &before, &after })
        if (run->catalogue().dir.empty()) {
            std::cerr << "error: " << run->catalogue().failure << '\n';
            return NoInput;
        }
    const CatalogueComparison comparison = compareCatalogues(designFiles(o.inputs), before, after);
    writeComparison(comparison, std::cout, std::cerr);
    return comparisonStatus(comparison);
}

// The user's catalogue is brought up to the shipped one before the designs
// need it; what that did is said once, here. Nothing for --data.
void reportCatalogueUpdate(const DesignSettings& settings)
{
    if (settings.dataDir)
        return;
    const Catalogue catalogue = openCatalogue(processCataloguePlaces(std::nullopt));
    if (catalogue.update.any())
        std::cerr << updateReport(catalogue.update, catalogue.dir, catalogue.upstream);
}

int run(int argc, char** argv)
{
    const ParsedArgs args = parseArgs(argc, argv);
    switch (args.kind) {
    case ParsedArgs::Help:
    case ParsedArgs::Version:
        std::cout << args.help;
        return Completed;
    case ParsedArgs::WrongUsage:
        std::cerr << "error: " << args.problem << '\n' << kUsageHint << '\n';
        return Usage;
    case ParsedArgs::Run:
        break;
    }
    const Options& o = args.options;
    reportCatalogueUpdate(o.design);
    if (o.compareData)
        return compareData(o);
    if (o.search.on)
        return runSearchCommand(o, std::cout, std::cerr);
    if (!o.drawing.empty()) {
        if (const std::string format = drawingExtension(o); format == "pdf" || format == "svg") {
            const std::string tried = handOverToSheetWriter(argv);
            std::cerr << "error: ." << format << " drawings are written by " << tried
                      << ", which cannot be run\n";
            return Usage;
        }
        return writeDrawings(o, dxfSheet, "pruzcalc");
    }
    // One file prints as before unless csv is asked for (without --all-materials).
    return o.several || (o.format == OutputFormat::Csv && !o.allMaterials) ? runSeveral(o) : runOne(o);
}

} // namespace

int main(int argc, char** argv)
{
    // Whatever is thrown, out of memory included, ends with one line.
    try {
        const int status = run(argc, argv);
        return outputFailed() ? Ended : status;
    } catch (...) {
        std::cerr << "error: " << errorText(std::current_exception()) << '\n';
        return Ended;
    }
}
