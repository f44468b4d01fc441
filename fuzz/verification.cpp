// The check of the made spring by EN 13906-1, and its spring to order, on
// any values a report can leave (fuzzed doubles, NaN and infinities
// included, and a fuzzed Rm table): it gives rows or a refusal, never a row
// whose verdict claims a pass for a value that is not a number, and never a
// pass beside a failed row.
#include "engine/features/verification.h"
#include "engine/catalogue/datafiles.h"
#include "engine/method/calc.h"
#include "fuzzdir.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

void expectSound(const std::vector<CheckRow>& rows, bool passed)
{
    for (const CheckRow& row : rows) {
        if (row.verdict == CheckVerdict::Passed && row.made && std::isnan(*row.made))
            std::abort();
        if (passed && row.verdict == CheckVerdict::Failed)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    double CalcValues::*const fields[] = { &CalcValues::d, &CalcValues::D1, &CalcValues::nCalc,
        &CalcValues::N1, &CalcValues::L0calc, &CalcValues::L1, &CalcValues::L2, &CalcValues::L3,
        &CalcValues::F1, &CalcValues::F2, &CalcValues::F3, &CalcValues::G, &CalcValues::E, &CalcValues::ro,
        &CalcValues::tau, &CalcValues::SIGMA_B, &CalcValues::dpr };
    constexpr size_t kCount = sizeof fields / sizeof fields[0];
    if (size < kCount * sizeof(double) + 3)
        return 0;
    CalcResult r;
    CalcValues& p = r.values;
    for (size_t k = 0; k < kCount; ++k)
        std::memcpy(&(p.*fields[k]), data + k * sizeof(double), sizeof(double));
    const uint8_t flags = data[kCount * sizeof(double)];
    r.outcome = flags & 1 ? Outcome::Complete : Outcome::Stopped;
    p.materialClass = data[kCount * sizeof(double) + 1] % 12 - 1;
    r.inputs.Ni = data[kCount * sizeof(double) + 2] % 10;
    r.inputs.NiExp = (flags >> 4) % 9;
    const size_t used = kCount * sizeof(double) + 3;
    placeFile("sigmdiam.dat", std::string(reinterpret_cast<const char*>(data) + used, size - used));
    CheckSettings settings;
    settings.nu = kSeatingCases[data[0] % 4].nu;
    settings.standard = flags & 2 ? ToleranceStandard::Gost16118 : ToleranceStandard::En15800;
    settings.grade = 1 + data[1] % 3;
    settings.ends = flags & 4 ? EndType::NotGround : EndType::Ground;
    const Verification v = verifySpring(r, FolderFiles(scratchDir()), settings, true);
    expectSound(v.rows, v.available && v.passed);
    if (v.order)
        expectSound(v.order->rows, v.order->passed);
    return 0;
}
