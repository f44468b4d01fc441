#include "engine/features/searchcandidate.h"

#include "engine/method/calc.h"
#include "engine/method/calchost.h"

#include <cmath>
#include <cstring>

namespace {

// Shows nothing and makes no report; the diameter question gets the
// candidate's wire, or stays unanswered (cancel).
class CandidateHost : public CalcHost {
public:
    explicit CandidateHost(std::optional<double> wire)
        : wire_(wire)
    {
    }
    bool unanswered = false;

    void showMessage(const std::string&) override { }
    bool chooseDiameter(Peremenn& p) override
    {
        if (!wire_) {
            unanswered = true;
            return false;
        }
        p.chosenD = *wire_;
        return true;
    }
    bool wantsReport() const override { return false; }

private:
    std::optional<double> wire_;
};

bool above(double value, double limit)
{
    return limit > 0 && value > limit;
}

Rejection firstBroken(const SearchRow& row, const SearchSpace& space, bool checked)
{
    if (above(row.D1, space.outerMax))
        return Rejection::OuterTooLarge;
    if (space.innerMin > 0 && row.D1 - 2 * row.d < space.innerMin)
        return Rejection::InnerTooSmall;
    if (above(row.L0, space.lengthMax))
        return Rejection::FreeLength;
    if (above(row.Lc, space.solidMax))
        return Rejection::SolidLength;
    if (above(row.mass, space.massMax))
        return Rejection::Mass;
    return checked && (row.passed || !space.checkRequired) ? Rejection::None : Rejection::CheckFailed;
}

struct RuleText {
    const char* words;
    const char* name;
};

constexpr RuleText kRules[kRejectionCount] = {
    { "подходит", "kept" },
    { "расчет не выполнен до конца", "method-stopped" },
    { "наружный диаметр больше допустимого", "outer-too-large" },
    { "внутренний диаметр меньше допустимого", "inner-too-small" },
    { "длина в свободном состоянии больше допустимой", "free-length" },
    { "длина сжатой до соприкосновения пружины больше допустимой", "solid-length" },
    { "масса больше допустимой", "mass" },
    { "не проходит проверку EN 13906-1", "check-failed" },
};

} // namespace

const char* rejectionWords(Rejection r)
{
    return kRules[static_cast<int>(r)].words;
}

const char* rejectionName(Rejection r)
{
    return kRules[static_cast<int>(r)].name;
}

double rowUtilisation(const CheckRow& row)
{
    if (row.verdict == CheckVerdict::Info || row.verdict == CheckVerdict::Remark || !row.limit
        || *row.limit == 0)
        return 0;
    const char* key = row.key;
    if ((!std::strcmp(key, "F1") || !std::strcmp(key, "F2")) && row.method && row.made && *row.method != 0)
        return 100 * std::fabs(*row.made - *row.method) / *row.method / *row.limit;
    if (!std::strcmp(key, "sK")) // the deflection s2 against the critical one
        return row.method ? *row.method / *row.limit : 0;
    return row.made ? *row.made / *row.limit : 0;
}

CandidateOutcome evaluateCandidate(const CalcInputs& inputs, const SearchSpace& space, const DataFiles& files)
{
    CandidateOutcome out;
    Peremenn& p = out.record;
    putInputs(p, inputs);
    CandidateHost host(inputs.chosenD);
    try {
        runCalculation(p, host, files);
    } catch (...) { // an unreadable number or an arithmetic fault ends the method there
    }
    out.unanswered = host.unanswered;
    if (!p.calcComplete)
        return out;

    out.check = verifySpring(p, files);
    SearchRow& row = out.row;
    row.material = inputs.materialName;
    row.group = inputs.group;
    row.D1 = inputs.D1;
    if (inputs.mode == 2) {
        row.givenL0 = inputs.L0;
        row.givenN = inputs.n;
    }
    row.wire = inputs.chosenD;
    row.d = p.d;
    row.n = p.nCalc;
    row.N1 = p.N1;
    row.L0 = p.L0calc;
    const bool checked = out.check.available;
    row.Lc = checked ? out.check.spring.Lc : p.N1 * p.d;
    row.mass = checked ? out.check.spring.mass : p.M;
    row.passed = checked && out.check.passed;
    for (const CheckRow& r : out.check.rows)
        if (const double u = rowUtilisation(r); u > row.utilisation) {
            row.utilisation = u;
            row.worstRow = r.key;
        }
    out.rule = firstBroken(row, space, checked);
    return out;
}
