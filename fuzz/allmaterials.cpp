// "Все материалы" on a fuzzed catalogue and input form: every distinct
// listed name gets one row, whatever the list and the materials' files
// hold.
#include "engine/features/allmaterials.h"
#include "engine/catalogue/datafiles.h"
#include "engine/common/errors.h"
#include "engine/method/inputform.h"
#include "fuzzdir.h"

#include <set>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* const files[] = { "material.dat", "A.dat", "Amat.dat", "B.dat", "Bmat.dat" };
    const auto parts = splitParts(data, size, 6);
    for (size_t k = 0; k < 5; ++k)
        placeFile(files[k], parts[k]);
    static const bool tables = [] {
        for (const char* name : { "k3.dat", "tau1.dat", "tau2.dat", "sigmdiam.dat", "sigmab.dat" })
            std::filesystem::copy_file(std::string(SHIPPED_DATA_DIR) + name, scratchDir() + name,
                std::filesystem::copy_options::overwrite_existing);
        return true;
    }();
    (void)tables;
    CalcInputs in;
    in.dataDir = scratchDir();
    try {
        std::vector<std::string> rid;
        size_t start = 0;
        const std::string& form = parts[5];
        for (size_t i = 0; i <= form.size(); ++i)
            if (i == form.size() || form[i] == '\n') {
                rid.push_back(form.substr(start, i - start));
                start = i + 1;
            }
        InputForm f = parseRid(rid);
        f.materialName = "A";
        if (applyCalcInputs(in, f) != InputOutcome::Proceed)
            return 0;
    } catch (const ConversionError&) {
        return 0;
    }
    const FolderFiles catalogue(scratchDir());
    const AllMaterials all = allMaterialRows(in, catalogue);
    std::set<std::string> names;
    for (const auto& row : all.rows)
        if (!names.insert(row.material).second)
            std::abort(); // a name twice
    return 0;
}
