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
    std::optional<double> chooseDiameter(const CalcInputs&, std::optional<double>) override
    {
        unanswered = !wire_;
        return wire_;
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

CandidateOutcome evaluateCandidate(const CalcInputs& inputs, const SearchSpace& space, const DataFiles& files)
{
    CandidateOutcome out;
    CandidateHost host(inputs.chosenD);
    CalcInputs in = inputs;
    in.chosenD.reset(); // the host answers, as the dialog would
    const CalcResult result = calculate(in, host, files);
    out.unanswered = host.unanswered;
    out.outcome = result.outcome;
    out.wire = result.wire;
    out.record = result.values;
    if (!result.complete())
        return out;

    // What is ordered is the spring to order: the made spring's wire and
    // diameter with the coils and free length that give the asked forces.
    out.check = verifySpring(result, files);
    SearchRow& row = out.row;
    row.material = inputs.materialName;
    row.group = inputs.group;
    row.D1 = inputs.D1;
    if (inputs.mode == 2) {
        row.givenL0 = inputs.L0;
        row.givenN = inputs.n;
    }
    row.wire = inputs.chosenD;
    const CalcValues& p = result.values;
    row.d = p.d;
    const OrderSpring* order = out.check.order ? &*out.check.order : nullptr;
    const bool checked = out.check.available && order;
    row.n = checked ? order->spring.n : p.nCalc;
    row.N1 = checked ? order->spring.nt : p.N1;
    row.L0 = checked ? order->spring.L0 : p.L0calc;
    row.Lc = checked ? order->spring.Lc : p.N1 * p.d;
    row.mass = checked ? order->spring.mass : p.M;
    row.passed = checked && order->passed;
    if (checked)
        for (const CheckRow& r : order->rows)
            if (r.utilisation && *r.utilisation > row.utilisation) {
                row.utilisation = *r.utilisation;
                row.worstRow = r.name;
            }
    out.rule = firstBroken(row, space, checked);
    return out;
}
