// The CSV and JSON writers of pruzcalc on designs of fuzzed input files:
// the JSON always parses, and every CSV line has the header's number of
// fields.
#include "cli/batchoutput.h"
#include "engine/features/design.h"
#include "fuzzdir.h"

#include <nlohmann/json.hpp>

#include <sstream>

namespace {

// Fields of one CSV record: ";" outside quotes; a quoted field may hold
// line breaks.
std::vector<size_t> fieldCounts(const std::string& csv)
{
    std::vector<size_t> counts;
    size_t fields = 1;
    bool quoted = false;
    for (char c : csv) {
        if (c == '"')
            quoted = !quoted;
        else if (c == ';' && !quoted)
            ++fields;
        else if (c == '\n' && !quoted) {
            counts.push_back(fields);
            fields = 1;
        }
    }
    return counts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The shipped catalogue, its list and the input file fuzzed.
    static const bool shipped = [] {
        for (const auto& file : std::filesystem::directory_iterator(SHIPPED_DATA_DIR))
            std::filesystem::copy_file(file.path(), scratchDir() + file.path().filename().string(),
                std::filesystem::copy_options::overwrite_existing);
        return true;
    }();
    (void)shipped;
    const auto parts = splitParts(data, size, 2);
    placeFile("material.dat", parts[0]);
    placeFile("in.rid", parts[1]);
    DesignSettings settings;
    settings.dataDir = scratchDir();
    settings.verify = true;
    const DesignResult result = runDesign(scratchDir() + "in.rid", settings);
    std::ostringstream csv, json;
    CsvWriter c(csv);
    JsonArrayWriter j(json);
    for (BatchWriter* w : { static_cast<BatchWriter*>(&c), static_cast<BatchWriter*>(&j) }) {
        w->add(result);
        w->add(result);
        w->finish();
    }
    const auto counts = fieldCounts(csv.str());
    if (counts.size() < 3 || counts[1] != counts[0] || counts[2] != counts[0])
        std::abort();
    if (!nlohmann::json::accept(json.str()))
        std::abort();
    return 0;
}
