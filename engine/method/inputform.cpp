#include "engine/method/inputform.h"

#include "engine/catalogue/textlines.h"
#include "engine/common/arith.h"
#include "engine/common/errors.h"
#include "engine/common/numtext.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

const char* flag(bool b)
{
    return b ? "1" : "0";
}

// An index line of a .rid: an integer within [lo, hi], compared before it
// takes part in any arithmetic. Beyond the integers Load reads at all, the
// conversion message; inside them but out of range, a message naming the line.
int ridIndex(const std::string& text, size_t lineNo, std::int64_t lo, std::int64_t hi)
{
    const std::int64_t v = strToInt(text);
    if (v < lo || v > hi)
        throw ConversionError("Строка " + std::to_string(lineNo) + " файла исходных данных: значение " + text
            + " вне допустимых пределов");
    return static_cast<int>(v);
}

constexpr std::int64_t kNoUpperLimit = std::numeric_limits<int>::max();

// The spring group 1..4 of a group choice; 0 for none (or for an index no
// choice has, which the calculation treats alike).
int groupOf(int grupIndex)
{
    return grupIndex >= 0 && grupIndex <= 3 ? grupIndex + 1 : 0;
}

// Refusals of values that a file or a paste can bring in although the keys
// cannot, checked in this order once every zero stop has passed.
std::string refusal(const CalcInputs& p)
{
    struct Value {
        const char* name;
        double value;
        bool checked;
    };
    const Value values[] = {
        { "F1", p.F1, true },
        { "F2", p.F2, true },
        { "D1", p.D1, true },
        { "H", p.H, p.mode == 1 },
        { "L0", p.L0, p.mode == 2 },
        { "n", p.n, p.mode == 2 },
        { "Vmax", p.Vmax, true },
    };
    for (const auto& v : values)
        if (v.checked && v.value < 0)
            return std::string("Значение ") + v.name + " не может быть отрицательным";
    if (p.F2 <= p.F1)
        return "Сила F2 должна быть больше силы F1";
    return {};
}

} // namespace

std::vector<std::string> ridLines(const InputForm& f)
{
    return {
        flag(f.rbh),
        flag(f.rbl0),
        intText(f.mode),
        flag(f.l0Enabled),
        flag(f.nEnabled),
        flag(f.hEnabled),
        intText(f.materialIndex),
        f.f1,
        f.f2,
        f.d1,
        f.h,
        f.vmax,
        f.ni,
        f.stepni,
        f.l0,
        f.n,
        intText(f.grupIndex),
        intText(f.navivkaIndex),
        flag(f.niEnabled),
        flag(f.stepniEnabled),
        flag(f.vmaxEnabled),
        f.materialName,
    };
}

InputForm parseRid(const std::vector<std::string>& lines, const std::string& name)
{
    auto at = [&](size_t lineNo) { return lineNo <= lines.size() ? lines[lineNo - 1] : std::string(); };
    // Every integer line is one before its range is checked.
    for (size_t lineNo : { 3, 7, 17, 18 }) {
        int v = 0;
        if (!tryStrToInt(at(lineNo), v))
            throw ConversionError("Файл " + name + ": строка " + std::to_string(lineNo)
                + " — не целое число «" + at(lineNo) + "»");
    }
    auto isOne = [&](size_t lineNo) { return at(lineNo) == "1"; };
    InputForm f;
    f.rbh = isOne(1);
    f.rbl0 = isOne(2);
    f.mode = ridIndex(at(3), 3, 1, 2);
    f.l0Enabled = isOne(4);
    f.nEnabled = isOne(5);
    f.hEnabled = isOne(6);
    // Beyond the list is kept: the list may have shrunk since the save.
    f.materialIndex = ridIndex(at(7), 7, -1, kNoUpperLimit);
    f.f1 = at(8);
    f.f2 = at(9);
    f.d1 = at(10);
    f.h = at(11);
    f.vmax = at(12);
    f.ni = at(13);
    f.stepni = at(14);
    f.l0 = at(15);
    f.n = at(16);
    f.grupIndex = ridIndex(at(17), 17, -1, 3);
    f.navivkaIndex = std::clamp(strToInt(at(18)), -1, 1);
    f.niEnabled = isOne(19);
    f.stepniEnabled = isOne(20);
    f.vmaxEnabled = isOne(21);
    f.materialName = at(22);
    return f;
}

int ridMaterialIndex(const InputForm& form, const TextLines& materials)
{
    if (!form.materialName.empty()) {
        const auto byName = materials.find(form.materialName);
        return byName ? static_cast<int>(*byName) : -1;
    }
    if (form.materialIndex >= 0 && static_cast<size_t>(form.materialIndex) < materials.size())
        return form.materialIndex;
    return -1;
}

int ridMaterialIndex(const InputForm& form, const std::vector<std::string>& materials)
{
    return ridMaterialIndex(form, TextLines::fromLines(materials));
}

std::string missingMaterial(const InputForm& form, int index)
{
    if (form.materialName.empty() || index >= 0)
        return {};
    return "В каталоге нет материала \"" + form.materialName + "\"";
}

InputCheck applyCalcInputs(CalcInputs& p, InputForm& f)
{
    p.mode = f.mode;
    // Which input stopped it, for the trace; the form itself says nothing.
    auto stopped = [](const char* symbol) {
        return InputCheck { InputOutcome::Stopped, std::string("Расчет не выполнялся: ") + symbol + " = 0" };
    };
    p.materialName = f.materialName;
    if (p.materialName.empty()) // no file could be named after it
        return { InputOutcome::Refused, kNoMaterialMessage };
    p.F1 = checked(strToFloat(f.f1) * 10);
    if (p.F1 == 0)
        return stopped("F1");
    p.F2 = checked(strToFloat(f.f2) * 10);
    if (p.F2 == 0)
        return stopped("F2");
    p.D1 = strToFloat(f.d1);
    if (p.D1 == 0)
        return stopped("D1");
    p.H = strToFloat(f.h);
    if (p.mode == 1 && p.H == 0)
        return stopped("H");
    if (f.vmax == "0")
        f.vmax = "3";
    p.Vmax = strToFloat(f.vmax);
    if (f.ni == "0")
        f.ni = "1";
    p.Ni = strToInt(f.ni);
    p.NiExp = strToInt(f.stepni);
    p.group = groupOf(f.grupIndex);
    p.winding = std::clamp(f.navivkaIndex, -1, 1) + 1;
    p.L0 = strToFloat(f.l0);
    if (p.mode == 2 && p.L0 == 0)
        return stopped("L0");
    p.n = strToFloat(f.n);
    if (p.mode == 2 && p.n == 0)
        return stopped("n");
    if (std::string message = refusal(p); !message.empty())
        return { InputOutcome::Refused, message };
    return { InputOutcome::Proceed, {} };
}
