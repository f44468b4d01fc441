#include "engine/inputform.h"

#include "engine/arith.h"
#include "engine/numtext.h"
#include "engine/peremenn.h"

#include <algorithm>

namespace {

const char* flag(bool b) { return b ? "1" : "0"; }

} // namespace

std::vector<std::string> ridLines(const InputForm& f)
{
    return {
        flag(f.rbh), flag(f.rbl0), intText(f.mode),
        flag(f.l0Enabled), flag(f.nEnabled), flag(f.hEnabled),
        intText(f.materialIndex),
        f.f1, f.f2, f.d1, f.h, f.vmax, f.ni, f.stepni, f.l0, f.n,
        intText(f.grupIndex), intText(f.navivkaIndex),
        flag(f.niEnabled), flag(f.stepniEnabled), flag(f.vmaxEnabled),
        f.materialName,
    };
}

InputForm parseRid(const std::vector<std::string>& lines)
{
    auto at = [&](size_t lineNo) { return lineNo <= lines.size() ? lines[lineNo - 1] : std::string(); };
    auto isOne = [&](size_t lineNo) { return at(lineNo) == "1"; };
    InputForm f;
    f.rbh = isOne(1);
    f.rbl0 = isOne(2);
    f.mode = strToInt(at(3));
    f.l0Enabled = isOne(4);
    f.nEnabled = isOne(5);
    f.hEnabled = isOne(6);
    f.materialIndex = strToInt(at(7));
    f.f1 = at(8);
    f.f2 = at(9);
    f.d1 = at(10);
    f.h = at(11);
    f.vmax = at(12);
    f.ni = at(13);
    f.stepni = at(14);
    f.l0 = at(15);
    f.n = at(16);
    f.grupIndex = strToInt(at(17));
    f.navivkaIndex = std::clamp(strToInt(at(18)), -1, 1);
    f.niEnabled = isOne(19);
    f.stepniEnabled = isOne(20);
    f.vmaxEnabled = isOne(21);
    f.materialName = at(22);
    return f;
}

int ridMaterialIndex(const InputForm& form, const std::vector<std::string>& materials)
{
    auto byName = std::find(materials.begin(), materials.end(), form.materialName);
    if (byName != materials.end())
        return static_cast<int>(byName - materials.begin());
    if (form.materialIndex >= 0 && form.materialIndex < static_cast<int>(materials.size()))
        return form.materialIndex;
    return -1;
}

InputOutcome applyCalcInputs(Peremenn& p, InputForm& f)
{
    p.calcComplete = false; // the results no longer belong to the inputs
    p.materialName = f.materialName;
    p.F1 = checked(strToFloat(f.f1) * 10);
    if (p.F1 == 0)
        return InputOutcome::Stopped;
    p.F2 = checked(strToFloat(f.f2) * 10);
    if (p.F2 == 0)
        return InputOutcome::Stopped;
    p.D1 = strToFloat(f.d1);
    if (p.D1 == 0)
        return InputOutcome::Stopped;
    p.H = strToFloat(f.h);
    if (p.mode == 1 && p.H == 0)
        return InputOutcome::Stopped;
    if (f.vmax == "0")
        f.vmax = "3";
    p.Vmax = strToFloat(f.vmax);
    if (f.ni == "0")
        f.ni = "1";
    p.Ni = strToInt(f.ni);
    p.NiExp = strToInt(f.stepni);
    p.group = f.grupIndex + 1;
    p.winding = f.navivkaIndex + 1;
    p.L0 = strToFloat(f.l0);
    if (p.mode == 2 && p.L0 == 0)
        return InputOutcome::Stopped;
    p.n = strToFloat(f.n);
    if (p.mode == 2 && p.n == 0)
        return InputOutcome::Stopped;
    p.userChoice = false;
    return InputOutcome::Proceed;
}
