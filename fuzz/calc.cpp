// A whole calculation on a fuzzed data directory and a fuzzed input form,
// traced, then the neighbouring wires worked through: it ends with a
// report, a message, or one of the engine's errors, and never crashes,
// hangs or prints "nan".
#include "engine/method/calc.h"
#include "engine/catalogue/datafiles.h"
#include "engine/common/errors.h"
#include "engine/features/neighbours.h"
#include "engine/method/inputform.h"
#include "engine/method/trace.h"
#include "engine/method/tracetext.h"
#include "fuzzdir.h"

#include <cmath>

namespace {

const char* const kFiles[]
    = { "Mmat.dat", "M.dat", "k3.dat", "tau1.dat", "tau2.dat", "sigmdiam.dat", "sigmab.dat" };
constexpr size_t kFileCount = sizeof kFiles / sizeof kFiles[0];

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto parts = splitParts(data, size, kFileCount + 1);
    for (size_t k = 0; k < kFileCount; ++k)
        placeFile(kFiles[k], parts[k]);
    CalcInputs in;
    in.dataDir = scratchDir();
    CheckingHost host(true);
    try {
        std::vector<std::string> rid;
        size_t start = 0;
        const std::string& form = parts[kFileCount];
        for (size_t i = 0; i <= form.size(); ++i)
            if (i == form.size() || form[i] == '\n') {
                rid.push_back(form.substr(start, i - start));
                start = i + 1;
            }
        InputForm f = parseRid(rid);
        f.materialName = "M";
        if (applyCalcInputs(in, f) != InputOutcome::Proceed)
            return 0;
        const CalcResult r = calculate(in, host, FolderFiles(in.dataDir), { .trace = true });
        traceLines(r.trace);
        neighbourRows(in, FolderFiles(in.dataDir), 1);
        const CalcValues& p = r.values;
        if (r.complete())
            for (double v : { p.F3, p.tau, p.i, p.k1, p.d, p.k2, p.C1, p.Dcp, p.S3coil, p.t, p.nCalc, p.c,
                     p.Vkr, p.S1, p.S2, p.S3, p.N1, p.L3, p.L0calc, p.L1, p.L2, p.L, p.M, p.tau3, p.tau2 })
                if (!std::isfinite(v))
                    std::abort();
    } catch (const PruzError&) {
        // Errors quote the text that failed, which may be anything.
    }
    return 0;
}
