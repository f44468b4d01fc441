// The check of the made spring by EN 13906-1 on any values a report can
// leave (fuzzed doubles, NaN and infinities included, and a fuzzed Rm
// table): it gives rows or a refusal, never a row whose verdict claims a
// pass for a value that is not a number.
#include "engine/features/verification.h"
#include "engine/catalogue/datafiles.h"
#include "engine/method/peremenn.h"
#include "fuzzdir.h"

#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    double Peremenn::*const fields[]
        = { &Peremenn::d, &Peremenn::D1, &Peremenn::nCalc, &Peremenn::N1, &Peremenn::L0calc, &Peremenn::L1,
              &Peremenn::L2, &Peremenn::L3, &Peremenn::F1, &Peremenn::F2, &Peremenn::F3, &Peremenn::G,
              &Peremenn::E, &Peremenn::ro, &Peremenn::tau, &Peremenn::SIGMA_B, &Peremenn::dpr };
    constexpr size_t kCount = sizeof fields / sizeof fields[0];
    if (size < kCount * sizeof(double) + 2)
        return 0;
    Peremenn p;
    for (size_t k = 0; k < kCount; ++k)
        std::memcpy(&(p.*fields[k]), data + k * sizeof(double), sizeof(double));
    p.calcComplete = data[kCount * sizeof(double)] & 1;
    p.materialClass = data[kCount * sizeof(double) + 1] % 12 - 1;
    const size_t used = kCount * sizeof(double) + 2;
    placeFile("sigmdiam.dat", std::string(reinterpret_cast<const char*>(data) + used, size - used));
    const double nu = kSeatingCases[data[0] % 4].nu;
    const Verification v = verifySpring(p, FolderFiles(scratchDir()), nu, true);
    for (const CheckRow& row : v.rows)
        if (row.verdict == CheckVerdict::Passed && row.made && std::isnan(*row.made))
            std::abort();
    if (v.available && v.passed && v.worstRow != -1)
        std::abort();
    return 0;
}
