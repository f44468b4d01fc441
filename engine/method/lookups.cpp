#include "engine/method/lookups.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/materialclass.h"
#include "engine/catalogue/textfile.h"
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

bool openData(TextReader& r, CalcContext& c, const std::string& name)
{
    if (c.files().open(r, name))
        return true;
    c.message(noFileMessage(name));
    return false;
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
    TextReader r;
    if (!openData(r, c, "k3.dat"))
        return std::nullopt;
    double best = kFarAway;
    int bestLine = -1;
    std::string bestText; // kept for the trace only
    for (int n = 0; !r.eof(); ++n) {
        std::string line = r.readLine();
        double dist = std::fabs(strToFloat(line) - k3);
        if (dist < best) {
            best = dist;
            bestLine = n;
            if (c.tracing())
                bestText = std::move(line);
        }
    }
    if (bestLine < 0)
        throw ConversionError("В файле k3.dat нет значения, близкого к k3=" + numText(k3));
    const double index = (30.0 + bestLine) / 10.0;
    if (c.tracing()) {
        TraceStep& step = c.lookup("k3.dat", bestLine + 1, bestText, "ближайшее к k3 = " + numText(k3));
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
    TextReader r;
    if (!openData(r, c, file))
        return std::nullopt;
    double best = kFarAway;
    double bestD = d;
    int bestLine = 0;
    std::string bestText; // kept for the trace only
    for (int n = 1; !r.eof(); ++n) {
        std::string line = r.readLine();
        double v = strToFloat(line.empty() ? "0" : line);
        double dist = std::fabs(v - d);
        if (dist < best && v > d) {
            best = dist;
            bestD = v;
            bestLine = n;
            if (c.tracing())
                bestText = std::move(line);
        }
    }
    if (c.tracing()) {
        const std::string argument = argumentText(result, "d", d);
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
    TextReader diameters;
    if (!openData(diameters, c, "sigmdiam.dat"))
        return std::nullopt;
    double best = kFarAway;
    int bestRow = 0;
    std::string bestText; // kept for the trace only
    for (int row = 1; !diameters.eof(); ++row) {
        std::string line = diameters.readLine();
        double v = strToFloat(line);
        double dist = std::fabs(v - d);
        if (dist < best && v >= d) {
            best = dist;
            bestRow = row;
            if (c.tracing())
                bestText = std::move(line);
        }
    }
    if (c.tracing()) {
        const std::string argument = argumentText(&CalcValues::dpr, "d", d);
        c.lookup("sigmdiam.dat", bestRow, bestText,
            bestRow > 0 ? "ближайший не меньший " + argument : "нет диаметра не меньше " + argument);
    }

    std::string value = "-1"; // no tabulated diameter: not made in that size
    if (bestRow > 0) {
        TextReader strengths;
        if (!openData(strengths, c, "sigmab.dat"))
            return std::nullopt;
        const int line = bestRow + sigmaBlockOffset(p.materialClass);
        for (int skip = line - 1; skip > 0; --skip)
            strengths.readLine();
        value = strengths.readLine();
        if (c.tracing()) {
            TraceStep& step = c.lookup("sigmab.dat", line, value,
                std::string(sigmaBlockCaption(p.materialClass)) + ", строка " + std::to_string(bestRow)
                    + " в sigmdiam.dat");
            if (value != "-1")
                c.nameStep(step, &CalcValues::SIGMA_B, strToFloat(value));
        }
    }
    if (value == "-1") {
        std::string text = "Материал " + p.in.materialName + " не применяется для D=" + numText(d);
        c.message(text);
        p.stop(text);
        c.text(text);
        return 0.0;
    }
    return strToFloat(value);
}
