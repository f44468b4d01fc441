// The manifest and the update of a user's catalogue from its upstream, on
// fuzzed files: a manifest that parses writes back to the same hashes, and
// an update that ends without an error leaves the user's manifest equal to
// the upstream's files, never a file outside the two folders written.
#include "engine/catalogue/cataloguesync.h"
#include "engine/catalogue/notenames.h"
#include "fuzzdir.h"

#include <filesystem>

namespace {

const char* const kNames[] = { "material.dat", "A.dat", "Amat.dat", "k3.dat" };

void placeIn(const std::string& dir, const std::string& name, const std::string& bytes)
{
    std::filesystem::create_directories(dir);
    placeFile(dir.substr(scratchDir().size()) + name, bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto parts = splitParts(data, size, 9);
    const std::string user = scratchDir() + "user/", upstream = scratchDir() + "upstream/";
    std::filesystem::remove_all(user);
    std::filesystem::remove_all(upstream);
    const auto parsed = parseManifest(parts[0]);
    if (parsed) {
        std::string text;
        for (const auto& [name, hash] : *parsed)
            text += hash + " " + name + "\n";
        if (parseManifest(text) != parsed)
            std::abort();
    }
    placeIn(user, kManifestName, parts[0]);
    for (size_t k = 0; k < 4; ++k) {
        placeIn(user, kNames[k], parts[1 + k]);
        placeIn(upstream, kNames[k], parts[5 + k]);
    }
    const CatalogueUpdate update = followUpstream(user, upstream);
    updateReport(update, user, upstream);
    if (update.error.empty() && readManifest(user) != hashCatalogue(upstream, UpstreamLinks::Followed)
        && !hashCatalogue(upstream, UpstreamLinks::Followed).empty())
        std::abort();
    dropPreviousCatalogue(user);
    return 0;
}
