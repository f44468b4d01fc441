// The three reference viewers' grids on arbitrary table files: k3, the two
// torsion-stress tables and the tensile-strength table with its diameters.
// Every fill ends with a grid whose rows fit its header, or a message.
#include "engine/catalogue/tables.h"
#include "fuzzdir.h"

#include <cstdlib>

namespace {

const char* const kFiles[] = { "k3.dat", "TAU1.DAT", "TAU2.DAT", "SIGMAB.DAT", "SIGMDIAM.DAT" };
constexpr size_t kFileCount = sizeof kFiles / sizeof kFiles[0];

void checkGrid(const TableGrid& grid, size_t maxRows)
{
    if (grid.header.empty() || grid.rows.size() > maxRows)
        std::abort();
    for (const auto& row : grid.rows)
        if (row.size() != grid.header.size())
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto parts = splitParts(data, size, kFileCount);
    for (size_t k = 0; k < kFileCount; ++k)
        placeFile(kFiles[k], parts[k]);
    const std::string& dir = scratchDir();

    // One row per line; one per block of five lines; always 22 rows.
    checkGrid(k3Grid(dir), parts[0].size() + 1);
    checkGrid(tauGrid(dir, "PREDVARIT"), parts[1].size() + 1);
    checkGrid(tauGrid(dir, "OKONCAT"), parts[2].size() + 1);
    const TableGrid sigma = sigmaGrid(dir);
    checkGrid(sigma, 22);
    if (sigma.rows.size() != 22)
        std::abort();
    return 0;
}
