#include "engine/features/drawingspring.h"

#include "engine/features/verification.h"
#include "engine/method/calc.h"

namespace {

// A drawing needs every one of these; a check that lacks one gives none.
bool complete(const MadeSpring& s)
{
    for (double v :
        { s.d, s.D, s.n, s.nt, s.L0, s.L1, s.L2, s.L3, s.F1, s.F2, s.F3, s.Lc, s.wireLength, s.mass })
        if (!(v > 0))
            return false;
    return s.L3 < s.L2 && s.L2 < s.L1 && s.L1 <= s.L0 && s.nt >= s.n;
}

} // namespace

DrawingSource drawingSpring(const CalcResult& result, const Verification& check)
{
    DrawingSource out;
    if (!result.complete()) {
        out.refusal = "Расчет не выполнен до конца: чертить нечего.";
        return out;
    }
    if (!check.available) {
        out.refusal = "Нет проверки изготовленной пружины: " + check.refusal + ".";
        return out;
    }
    // What the workshop makes: the spring of the report where it passes the
    // check, else the spring to order that gives the asked forces.
    const bool asReported = check.passed || !check.order;
    MadeSpring s = asReported ? check.spring : check.order->spring;
    const Tolerances& tolerances = asReported ? check.tolerances : check.order->tolerances;
    if (!asReported && s.R > 0)
        s.L3 = s.L0 - s.F3 / s.R; // the spring to order at the method's largest force
    if (!complete(s)) {
        out.refusal = asReported || check.order->stop.empty()
            ? "В проверке нет всех размеров и сил пружины: чертеж не строится."
            : "Пружину к заказу не изготовить: " + check.order->stop + ".";
        return out;
    }
    DrawingSpring& w = out.spring.emplace();
    w.d = s.d;
    w.D = s.D;
    w.D1.value = s.D + s.d;
    w.Dinner.value = s.D - s.d;
    w.n = s.n;
    w.n1 = s.nt;
    w.L0 = { s.L0, tolerances.AL0 };
    w.Lc = s.Lc;
    w.F1 = { s.F1, tolerances.AF1 };
    w.F2 = { s.F2, tolerances.AF2 };
    w.F3.value = s.F3;
    w.L1 = s.L1;
    w.L2 = s.L2;
    w.L3 = s.L3;
    w.leftHand = result.inputs.winding == 1;
    w.groundEnds = check.settings.ends == EndType::Ground;
    w.toleranceStandard = toleranceCaption(tolerances.standard, tolerances.grade);
    w.wireLength = s.wireLength;
    w.mass = s.mass;
    return out;
}
