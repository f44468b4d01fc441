// The catalogue readers on arbitrary files: the properties of a material,
// its diameter list as the choice dialog and the rounding-up look-up read
// it, and the material list.
#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/textfile.h"
#include "engine/common/errors.h"
#include "engine/method/calccontext.h"
#include "engine/method/calchost.h"
#include "engine/method/calcinputs.h"
#include "engine/method/diameterchoice.h"
#include "engine/method/lookups.h"
#include "fuzzdir.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto parts = splitParts(data, size, 3);
    placeFile("Mmat.dat", parts[0]);
    placeFile("M.dat", parts[1]);
    placeFile("material.dat", parts[2]);
    CalcInputs p;
    p.dataDir = scratchDir();
    p.materialName = "M";
    CheckingHost host;
    try {
        readProperties(p.dataDir, "M");
    } catch (const ConversionError&) {
    }
    if (auto items = diameterChoices(p))
        for (const auto& item : *items)
            if (item.empty())
                std::abort();
    try {
        const FolderFiles files(p.dataDir);
        CalcContext c(p, host, files);
        podbor(c, 1.0);
    } catch (const ConversionError&) {
    }
    if (auto names = readDataLines(p.dataDir, "material.dat"))
        for (const auto& n : *names)
            findDataFile(p.dataDir, diameterFileName(n)); // must never leave the folder or crash
    return 0;
}
