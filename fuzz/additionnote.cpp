// The note of a material addition left by a killed program, forged at
// will: the start-up clean-up removes at most an unlisted material's own
// two files, never the list, a table or a listed material's file.
#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/catalogueedit.h"
#include "engine/catalogue/notenames.h"
#include "engine/common/encoding.h"
#include "fuzzdir.h"

#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto parts = splitParts(data, size, 2);
    std::filesystem::remove_all(scratchDir());
    std::filesystem::create_directories(scratchDir());
    placeFile(kAdditionNote, parts[0]);
    placeFile(kMaterialList, parts[1]);
    const std::vector<std::string> kept { "k3.dat", "A.dat", "Amat.dat", "a b.dat", "a bmat.dat" };
    for (const auto& name : kept)
        placeFile(name, "1\r\n");
    const auto listed = readMaterialNames(scratchDir());
    removeUncommittedAddition(scratchDir());
    if (listed && !std::filesystem::exists(scratchDir() + kMaterialList))
        std::abort();
    if (!std::filesystem::exists(scratchDir() + "k3.dat"))
        std::abort();
    for (const auto& name : listed.value_or(std::vector<std::string> {}))
        for (const auto& file : kept)
            if (foldCase(file) == foldCase(diameterFileName(name))
                || foldCase(file) == foldCase(propertiesFileName(name)))
                if (!std::filesystem::exists(scratchDir() + file))
                    std::abort();
    return 0;
}
