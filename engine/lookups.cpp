#include "engine/lookups.h"

#include "engine/calchost.h"
#include "engine/catalogue.h"
#include "engine/errors.h"
#include "engine/materialclass.h"
#include "engine/numtext.h"
#include "engine/peremenn.h"
#include "engine/textfile.h"

#include <cmath>

namespace {

// A candidate is taken only when strictly nearer than the best so far, so a
// value 1000 or more away is never taken and the first of equals wins.
constexpr double kFarAway = 1000.0;

bool openData(TextReader& r, const Peremenn& p, CalcHost& host, const std::string& name)
{
    auto path = findDataFile(p.dataDir, name);
    if (path && r.open(*path))
        return true;
    host.showMessage(noFileMessage(name));
    return false;
}

// Lines of "sigmab.dat" before the class's block; a class without a block
// is never looked up.
int sigmaBlockOffset(int materialClass)
{
    const MaterialClass* c = findMaterialClass(materialClass);
    return c && c->sigmaBlock > 0 ? c->sigmaBlock * kSigmaBlockRows : 0;
}

} // namespace

std::optional<double> FindIpoK3(Peremenn& p, CalcHost& host, double k3)
{
    TextReader r;
    if (!openData(r, p, host, "k3.dat"))
        return std::nullopt;
    double best = kFarAway;
    int bestLine = -1;
    for (int n = 0; !r.eof(); ++n) {
        double dist = std::fabs(strToFloat(r.readLine()) - k3);
        if (dist < best) {
            best = dist;
            bestLine = n;
        }
    }
    if (bestLine < 0)
        throw ConversionError("В файле k3.dat нет значения, близкого к k3=" + numText(k3));
    return (30.0 + bestLine) / 10.0;
}

std::optional<double> podbor(Peremenn& p, CalcHost& host, double d)
{
    TextReader r;
    if (!openData(r, p, host, diameterFileName(p.materialName)))
        return std::nullopt;
    double best = kFarAway;
    double bestD = d;
    int hits = 0;
    while (!r.eof()) {
        std::string line = r.readLine();
        double v = strToFloat(line.empty() ? "0" : line);
        double dist = std::fabs(v - d);
        if (dist < best && v > d) {
            best = dist;
            bestD = v;
            ++hits;
        }
    }
    if (hits == 0) {
        if (!p.calcFailed)
            host.showMessage("Нет подходящего диаметра по нормали");
        p.calcFailed = true;
    }
    return bestD;
}

std::optional<double> loadSigma(Peremenn& p, CalcHost& host, double d)
{
    TextReader diameters;
    if (!openData(diameters, p, host, "sigmdiam.dat"))
        return std::nullopt;
    double best = kFarAway;
    int bestRow = 0;
    for (int row = 1; !diameters.eof(); ++row) {
        double v = strToFloat(diameters.readLine());
        double dist = std::fabs(v - d);
        if (dist < best && v >= d) {
            best = dist;
            bestRow = row;
        }
    }

    std::string value = "-1"; // no tabulated diameter: not made in that size
    if (bestRow > 0) {
        TextReader strengths;
        if (!openData(strengths, p, host, "sigmab.dat"))
            return std::nullopt;
        for (int skip = bestRow - 1 + sigmaBlockOffset(p.materialClass); skip > 0; --skip)
            strengths.readLine();
        value = strengths.readLine();
    }
    if (value == "-1") {
        std::string text = "Материал " + p.materialName + " не применяется для D=" + numText(d);
        host.showMessage(text);
        p.calcFailed = true;
        host.appendLine(text);
        return 0.0;
    }
    return strToFloat(value);
}
