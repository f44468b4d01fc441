#include "engine/features/characteristic.h"

#include "engine/features/verification.h"

#include "engine/common/numtext.h"
#include "engine/method/calc.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>

namespace {

const char* const kNoResults = "Нет результатов расчета для построения характеристики.\n"
                               "Расчет еще не выполнялся или остановился до вычисления деформаций пружины. "
                               "Выполните расчет (кнопка «Расчет» главного окна).";
const char* const kNotDrawable = "Результаты расчета не позволяют построить характеристику: "
                                 "силы и деформации должны быть положительными.";
const char* const kFootnote = "L3 — длина при F3 по методике; Lc = N1·d — длина пружины при соприкосновении "
                              "витков по EN 13906-1; "
                              "τ2*, τ3* — напряжения кручения при F2 и F3; [τ] — допускаемое напряжение.";

// How far past the largest load the scales may reach to show the solid
// length or the allowable stress; beyond that they are noted instead, so
// that the load points keep most of the chart.
constexpr double kSolidReach = 1.5;
constexpr double kAllowableReach = 1.6;
constexpr int kMostSteps = 8;

bool drawable(const CalcValues& p)
{
    for (double v : { p.F1, p.F2, p.F3, p.S1, p.S2, p.S3, p.tau2, p.tau3, p.tau, p.L0calc, p.N1, p.d })
        if (!std::isfinite(v))
            return false;
    for (double v : { p.F1, p.F2, p.S1, p.S2, p.tau2, p.tau3 })
        if (v < 0)
            return false;
    return p.F3 > 0 && p.S3 > 0;
}

LoadPoint loadPoint(const char* index, double deflection, double force, double stress, bool withStress)
{
    LoadPoint point;
    point.deflection = deflection;
    point.force = force;
    point.forceLabel = std::string("F") + index + " = " + chartNumber(force) + " Н";
    point.deflectionLabel = std::string("S") + index + " = " + chartNumber(deflection) + " мм";
    if (withStress)
        point.stressLabel = std::string("τ") + index + "* = " + chartNumber(stress) + " МПа";
    return point;
}

void placeSolidLength(const CalcValues& p, double largestDeflection, Characteristic& chart)
{
    // The check's solid length, its own mark beside the method's L3 (which
    // the method takes as (N1 − 0,5)·d and is no solid length of the spring
    // as made).
    const double length = madeSolidLength(p.N1, p.d, CheckSettings {}.ends);
    chart.solid.deflection = p.L0calc - length;
    chart.solidOnScale
        = chart.solid.deflection >= 0 && chart.solid.deflection <= kSolidReach * largestDeflection;
    chart.solid.label = "Lc = " + chartNumber(length);
    if (!chart.solidOnScale)
        chart.solid.label += " мм при S = " + chartNumber(chart.solid.deflection) + " мм";
}

void placeScales(const CalcValues& p, double largestDeflection, double largestForce, Characteristic& chart)
{
    double deflectionNeed = 1.05 * largestDeflection;
    if (chart.solidOnScale)
        deflectionNeed = std::max(deflectionNeed, 1.03 * chart.solid.deflection);
    chart.deflectionScale = chartScale(deflectionNeed, kMostSteps);

    // Room above the highest point for its label.
    double forceNeed = 1.2 * largestForce;
    if (chart.allowableOnScale)
        forceNeed = std::max(forceNeed, 1.08 * p.tau / chart.stressPerForce);
    chart.forceScale = chartScale(forceNeed, kMostSteps);

    chart.stressScale.top = chart.forceScale.top * chart.stressPerForce;
    chart.stressScale.step = chartScale(chart.stressScale.top, kMostSteps).step;
}

} // namespace

ChartScale chartScale(double largest, int mostSteps)
{
    ChartScale scale;
    if (!(largest > 0) || !std::isfinite(largest) || mostSteps < 1)
        return scale;
    const double least = largest / mostSteps;
    const double power = std::pow(10.0, std::floor(std::log10(least)));
    for (double factor : { 1.0, 2.0, 5.0, 10.0 }) {
        scale.step = factor * power;
        // A hair of slack: 0,3 / 0,1 must not come out as three and a bit.
        if (scale.step >= least * (1 - 1e-12))
            break;
    }
    scale.top = std::ceil(largest / scale.step - 1e-9) * scale.step;
    return scale;
}

std::string chartNumber(double value)
{
    if (value == 0 || !std::isfinite(value))
        return numText(value);
    const double magnitude = std::fabs(value);
    const int decimals = std::max(0, 3 - static_cast<int>(std::floor(std::log10(magnitude))));
    char text[400];
    const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    // Where the general format writes fixed digits, the rounded text is that
    // format already but for its trailing zeros and its point: the check
    // writes tens of these for every design.
    if (written.ec == std::errc() && magnitude >= 1e-4 && magnitude < 9e14) {
        std::string out(text, written.ptr);
        if (decimals > 0) {
            out.erase(out.find_last_not_of('0') + 1);
            if (out.back() == '.')
                out.pop_back();
            std::replace(out.begin(), out.end(), '.', ',');
        }
        return out == "-0" ? "0" : out;
    }
    double rounded = value;
    if (written.ec == std::errc())
        std::from_chars(text, written.ptr, rounded);
    return numText(rounded);
}

Characteristic characteristic(const CalcResult& result)
{
    Characteristic chart;
    if (!result.complete()) {
        chart.refusal = kNoResults;
        return chart;
    }
    const CalcValues& p = result.values;
    if (!drawable(p)) {
        chart.refusal = kNotDrawable;
        return chart;
    }
    chart.title = result.inputs.materialName + ";  d = " + chartNumber(p.d) + " мм;  D1 = "
        + chartNumber(p.D1) + " мм;  n = " + chartNumber(p.nCalc) + ";  c = " + chartNumber(p.c) + " Н/мм";
    chart.points = { loadPoint("1", p.S1, p.F1, 0, false), loadPoint("2", p.S2, p.F2, p.tau2, true),
        loadPoint("3", p.S3, p.F3, p.tau3, true) };
    chart.lengths = { { 0, "L0 = " + chartNumber(p.L0calc) }, { p.S1, "L1 = " + chartNumber(p.L1) },
        { p.S2, "L2 = " + chartNumber(p.L2) }, { p.S3, "L3 = " + chartNumber(p.L3) } };

    if (const double rate = madeSpringRate(result); rate > 0) {
        chart.made = { { p.S1, rate * p.S1, "F(L1) = " + chartNumber(rate * p.S1) + " Н", "", "" },
            { p.S2, rate * p.S2, "F(L2) = " + chartNumber(rate * p.S2) + " Н", "", "" } };
        chart.madeLabel = "изготовленная пружина: R = " + chartNumber(rate) + " Н/мм";
    }

    double largestDeflection = 0;
    double largestForce = 0;
    for (const LoadPoint& point : chart.made)
        largestForce = std::max(largestForce, point.force);
    for (const LoadPoint& point : chart.points) {
        largestDeflection = std::max(largestDeflection, point.deflection);
        largestForce = std::max(largestForce, point.force);
    }
    placeSolidLength(p, largestDeflection, chart);

    chart.stressPerForce = p.tau3 / p.F3;
    chart.allowableStress = p.tau;
    chart.allowableLabel = "[τ] = " + chartNumber(p.tau) + " МПа";
    chart.allowableOnScale = p.tau > 0 && chart.stressPerForce > 0
        && p.tau / chart.stressPerForce <= kAllowableReach * largestForce;
    placeScales(p, largestDeflection, largestForce, chart);
    chart.footnote = kFootnote;
    if (!chart.made.empty())
        chart.footnote += std::string(" Зеленая штриховая линия — ") + chart.madeLabel
            + " (EN 13906-1) при длинах L1 и L2.";
    return chart;
}
