#include "engine/method/lookups.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/linevalues.h"
#include "engine/catalogue/materialclass.h"
#include "engine/common/errors.h"
#include "engine/common/numtext.h"
#include "engine/method/calccontext.h"
#include "engine/method/peremenn.h"
#include "engine/method/quantities.h"

#include <cmath>

namespace {

// A candidate is taken only when strictly nearer than the best so far, so a
// value 1000 or more away is never taken and the first of equals wins.
constexpr double kFarAway = 1000.0;

// The file's lines as numbers (each line converted once where the source
// keeps them); nullptr, said, when it cannot be read.
std::shared_ptr<const LineValues> openData(CalcContext& c, const std::string& name)
{
    auto values = c.files().values(name);
    if (!values)
        c.message(noFileMessage(name));
    return values;
}

// Lines of "sigmab.dat" before the class's block; a class without a block
// is never looked up.
int sigmaBlockOffset(int materialClass)
{
    const MaterialClass* c = findMaterialClass(materialClass);
    return c && c->sigmaBlock > 0 ? c->sigmaBlock * kSigmaBlockRows : 0;
}

const char* sigmaBlockCaption(int materialClass)
{
    const MaterialClass* c = findMaterialClass(materialClass);
    return c && c->sigmaBlock >= 0 ? kSigmaBlockNames[static_cast<size_t>(c->sigmaBlock)] : "";
}

// "d' = 3,2" for the argument of a look-up, by the field it was worked out in.
std::string argumentText(double CalcValues::*field, const char* fallback, double v)
{
    const Quantity* q = field ? quantityOf(field) : nullptr;
    return std::string(q ? q->symbol : fallback) + " = " + numText(v);
}

} // namespace

std::optional<double> FindIpoK3(CalcContext& c, double k3, double CalcValues::*result)
{
    const auto table = openData(c, "k3.dat");
    if (!table)
        return std::nullopt;
    double best = kFarAway;
    int bestLine = -1;
    for (size_t n = 0; n < table->size(); ++n) {
        double dist = std::fabs(table->number(n) - k3);
        if (dist < best) {
            best = dist;
            bestLine = static_cast<int>(n);
        }
    }
    if (bestLine < 0)
        throw ConversionError("В файле k3.dat нет значения, близкого к k3=" + numText(k3));
    const double index = (30.0 + bestLine) / 10.0;
    if (c.tracing()) {
        TraceStep& step = c.lookup("k3.dat", bestLine + 1, table->text(static_cast<size_t>(bestLine)),
            "ближайшее к k3 = " + numText(k3));
        c.nameStep(step, result, index);
        const std::string symbol = step.symbol.empty() ? "i" : step.symbol;
        step.formula = symbol + " = 3 + 0,1 · (строка − 1)";
        step.substitution = symbol + " = 3 + 0,1 · (" + std::to_string(bestLine + 1) + " − 1)";
    }
    return index;
}

std::optional<double> podbor(CalcContext& c, double d, double CalcValues::*result)
{
    Peremenn& p = c.p;
    const std::string file = diameterFileName(p.in.materialName);
    const auto listed = openData(c, file);
    if (!listed)
        return std::nullopt;
    double best = kFarAway;
    double bestD = d;
    int bestLine = 0; // from 1; 0 for none
    for (size_t n = 0; n < listed->size(); ++n) {
        double v = listed->number(n, 0.0); // an empty line reads as 0
        double dist = std::fabs(v - d);
        if (dist < best && v > d) {
            best = dist;
            bestD = v;
            bestLine = static_cast<int>(n) + 1;
        }
    }
    if (c.tracing()) {
        const std::string argument = argumentText(result, "d", d);
        const std::string bestText = bestLine > 0 ? listed->text(static_cast<size_t>(bestLine) - 1) : "";
        TraceStep& step = c.lookup(file, bestLine, bestText,
            bestLine > 0 ? "ближайший больший " + argument + " из списка"
                         : "в списке нет диаметра больше " + argument);
        c.nameStep(step, result, bestD);
    }
    if (bestLine == 0) {
        const char* const text = "Нет подходящего диаметра по нормали";
        if (!p.stopped())
            c.message(text);
        p.stop(text);
    }
    return bestD;
}

std::optional<double> loadSigma(CalcContext& c, double d)
{
    Peremenn& p = c.p;
    const auto diameters = openData(c, "sigmdiam.dat");
    if (!diameters)
        return std::nullopt;
    double best = kFarAway;
    int bestRow = 0; // from 1; 0 for none
    for (size_t row = 0; row < diameters->size(); ++row) {
        double v = diameters->number(row);
        double dist = std::fabs(v - d);
        if (dist < best && v >= d) {
            best = dist;
            bestRow = static_cast<int>(row) + 1;
        }
    }
    if (c.tracing()) {
        const std::string argument = argumentText(&CalcValues::dpr, "d", d);
        c.lookup("sigmdiam.dat", bestRow,
            bestRow > 0 ? diameters->text(static_cast<size_t>(bestRow) - 1) : "",
            bestRow > 0 ? "ближайший не меньший " + argument : "нет диаметра не меньше " + argument);
    }

    std::string value = "-1"; // no tabulated diameter: not made in that size
    std::shared_ptr<const LineValues> strengths;
    size_t at = 0; // the line of value in strengths, from 0
    if (bestRow > 0) {
        strengths = openData(c, "sigmab.dat");
        if (!strengths)
            return std::nullopt;
        const int line = bestRow + sigmaBlockOffset(p.materialClass);
        at = static_cast<size_t>(line) - 1;
        value = strengths->text(at);
        if (c.tracing()) {
            TraceStep& step = c.lookup("sigmab.dat", line, value,
                std::string(sigmaBlockCaption(p.materialClass)) + ", строка " + std::to_string(bestRow)
                    + " в sigmdiam.dat");
            if (value != "-1")
                c.nameStep(step, &CalcValues::SIGMA_B, strengths->number(at));
        }
    }
    if (value == "-1") {
        std::string text = "Материал " + p.in.materialName + " не применяется для D=" + numText(d);
        c.message(text);
        p.stop(text);
        c.text(text);
        return 0.0;
    }
    return strengths->number(at);
}
