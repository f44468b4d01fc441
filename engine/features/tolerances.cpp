#include "engine/features/tolerances.h"

#include "engine/common/numtext.h"

#include <array>
#include <cmath>

namespace {

constexpr std::array<double, kToleranceGrades> kGradeFactor { 0.63, 1.0, 1.6 };
constexpr std::array<double, kToleranceGrades> kGostShare { 0.05, 0.10, 0.20 };

// The range EN 15800 covers.
constexpr double kLeastWire = 0.07, kLargestWire = 16;
constexpr double kLeastMean = 0.63, kLargestMean = 200;
constexpr double kLargestFree = 630;
constexpr double kLeastCoils = 2;
constexpr double kLeastIndex = 4, kLargestIndex = 20;

size_t gradeIndex(int grade)
{
    return static_cast<size_t>(grade < 1 ? 0 : grade > kToleranceGrades ? kToleranceGrades - 1 : grade - 1);
}

std::string within(const char* what, double v, double least, double largest)
{
    if (v >= least && v <= largest)
        return {};
    return std::string(what) + " = " + numText(v) + " вне " + numText(least) + "…" + numText(largest);
}

std::string rangeOf(double d, double D, double n, double L0)
{
    std::string why;
    for (std::string part : { within("d", d, kLeastWire, kLargestWire),
             within("D", D, kLeastMean, kLargestMean), within("w", D / d, kLeastIndex, kLargestIndex) })
        if (!part.empty())
            why += (why.empty() ? "" : "; ") + part;
    if (L0 > kLargestFree)
        why += std::string(why.empty() ? "" : "; ") + "L0 = " + numText(L0) + " > " + numText(kLargestFree);
    if (n < kLeastCoils)
        why += std::string(why.empty() ? "" : "; ") + "n = " + numText(n) + " < " + numText(kLeastCoils);
    return why.empty() ? why : "вне области EN 15800: " + why;
}

} // namespace

double en15800GradeFactor(int grade)
{
    return kGradeFactor[gradeIndex(grade)];
}

double gost16118Share(int grade)
{
    return kGostShare[gradeIndex(grade)];
}

Tolerances tolerancesOf(
    const CheckSettings& settings, double d, double D, double n, double L0, double R, double F1, double F2)
{
    Tolerances t;
    t.standard = settings.standard;
    t.grade = settings.grade;
    if (settings.standard == ToleranceStandard::Gost16118) {
        const double share = gost16118Share(settings.grade);
        t.AF1 = share * F1;
        t.AF2 = share * F2;
        return t;
    }
    const double x = D / d / 10;
    t.alphaF = 65.92 * std::pow(d, 3.3) / std::pow(D, 1.6)
        * (-0.84 * x * x * x + 3.781 * x * x - 4.244 * x + 2.274);
    t.kF = 1 / (3 * n * n) + 8 / (5 * n) + 0.803;
    t.Q = en15800GradeFactor(settings.grade);
    t.AF1 = (t.alphaF * t.kF + 1.5 * F1 / 100) * t.Q;
    t.AF2 = (t.alphaF * t.kF + 1.5 * F2 / 100) * t.Q;
    t.AL0 = t.alphaF * t.kF * t.Q / R;
    t.outOfRange = rangeOf(d, D, n, L0);
    return t;
}
