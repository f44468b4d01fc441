#include "engine/features/neighbours.h"

#include "engine/catalogue/catalogue.h"
#include "engine/common/errortext.h"
#include "engine/common/numtext.h"
#include "engine/method/calc.h"
#include "engine/method/diameterchoice.h"
#include "engine/method/quantities.h"
#include "engine/method/quiethost.h"
#include "engine/method/reportchecks.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <new>
#include <optional>

namespace {

struct Stocked {
    std::string text;
    double value = 0;
};

// The listed diameters that are numbers, each value once (its first
// spelling), in numeric order.
std::vector<Stocked> stockedDiameters(const std::vector<std::string>& items)
{
    std::vector<Stocked> out;
    for (const auto& item : items) {
        double v = 0;
        if (tryStrToFloat(item, v))
            out.push_back({ item, v });
    }
    std::stable_sort(
        out.begin(), out.end(), [](const Stocked& a, const Stocked& b) { return a.value < b.value; });
    out.erase(std::unique(out.begin(), out.end(),
                  [](const Stocked& a, const Stocked& b) { return a.value == b.value; }),
        out.end());
    return out;
}

// The calculation of the inputs, nothing shown; a diameter question with
// no answer given is cancelled. An error ends it as it ends the main
// window's.
CalcResult run(const CalcInputs& inputs, const DataFiles& files, bool* asked = nullptr)
{
    QuietHost host;
    CalcResult r = calculate(inputs, host, files);
    if (asked)
        *asked = host.asked > 0 || r.chosenD.has_value();
    return r;
}

// The same wire gives the same spring: both ran as far, to the same index,
// coils, rate, stress and lengths.
bool sameSpring(const NeighbourRow& a, const NeighbourRow& b)
{
    if (a.complete() != b.complete())
        return false;
    using V = CalcValues;
    for (double V::*f :
        { &V::i, &V::k1, &V::tau, &V::nCalc, &V::N1, &V::c, &V::tau3, &V::L0calc, &V::L1, &V::L2, &V::L3 })
        if (a.record.*f != b.record.*f)
            return false;
    return true;
}

NeighbourRow tryDiameter(
    CalcInputs inputs, const DataFiles& files, const Stocked& wire, const CheckSettings& check)
{
    NeighbourRow row;
    row.listed = wire.text;
    row.d = wire.value;
    inputs.chosenD = wire.value;
    inputs.askAlways = true;
    judgeRun(row, run(inputs, files), files, check);
    return row;
}

} // namespace

namespace {

Neighbours rowsAround(const CalcInputs& inputs, const DataFiles& files, int each, const CheckSettings& check,
    const NeighbourSink& sink)
{
    Neighbours out;
    out.material = inputs.materialName;
    auto emit = [&](NeighbourRow&& row) {
        if (sink)
            sink(std::move(row));
        else
            out.rows.push_back(std::move(row));
    };
    auto items = diameterChoices(files, inputs.materialName);
    if (!items) {
        out.refusal = "Нет списка диаметров материала " + inputs.materialName + ": "
            + noFileMessage(diameterFileName(inputs.materialName));
        return out;
    }
    const std::vector<Stocked> stocked = stockedDiameters(*items);
    items.reset(); // the list's lines are not needed beside their numbers
    if (stocked.empty()) {
        out.refusal = noDiametersMessage(inputs.materialName);
        return out;
    }

    // The calculation's own choice, or the wire the report was forced to;
    // the dialog's answer counts only while the material lists it.
    CalcInputs ownInputs = inputs;
    ownInputs.askAlways = inputs.askAlways && inputs.chosenD;
    if (ownInputs.chosenD && std::none_of(stocked.begin(), stocked.end(), [&](const Stocked& s) {
            return s.value == *ownInputs.chosenD;
        })) {
        ownInputs.chosenD.reset();
        ownInputs.askAlways = false;
    }
    const CalcResult own = run(ownInputs, files, &out.asked);
    if (!own.wire) {
        out.refusal = out.asked && !ownInputs.chosenD
            ? "Расчет запрашивает диаметр проволоки (k3 больше 59,43), а он не выбран"
            : "Расчет не дошел до диаметра проволоки: " + stopReason(own.messages, own.error);
        return out;
    }
    const auto chosen = std::find_if(
        stocked.begin(), stocked.end(), [&](const Stocked& s) { return s.value == own.values.d; });
    if (chosen == stocked.end()) {
        out.refusal
            = "Диаметра " + numText(own.values.d) + " мм нет в списке материала " + inputs.materialName;
        return out;
    }

    const auto at = chosen - stocked.begin();
    const auto reach = std::max(each, 0);
    const auto first = std::max<std::ptrdiff_t>(0, at - reach);
    const auto last = std::min<std::ptrdiff_t>(std::ssize(stocked) - 1, at + reach);
    for (auto k = first; k <= last; ++k) {
        NeighbourRow forced = tryDiameter(inputs, files, stocked[static_cast<size_t>(k)], check);
        if (k != at) {
            emit(std::move(forced));
            continue;
        }
        // The report's own spring, and the dialog's where it differs.
        NeighbourRow mine;
        mine.listed = chosen->text;
        mine.d = chosen->value;
        mine.methodChoice = true;
        judgeRun(mine, own, files, check);
        const bool differs = !sameSpring(forced, mine);
        emit(std::move(mine));
        if (differs) {
            forced.forcedTwin = true;
            emit(std::move(forced));
        }
    }
    return out;
}

} // namespace

Neighbours neighbourRows(const CalcInputs& inputs, const DataFiles& files, int each,
    const CheckSettings& check, const NeighbourSink& sink)
{
    // A list that cannot be read (too large, say) is said in words; the
    // rows' own errors are kept in their rows.
    try {
        return rowsAround(inputs, files, each, check, sink);
    } catch (const std::bad_alloc&) {
        throw; // no table can be made: the run ends as an error
    } catch (...) {
        Neighbours out;
        out.material = inputs.materialName;
        out.refusal = "Ошибка: " + errorText(std::current_exception());
        return out;
    }
}

const std::vector<NeighbourColumn>& neighbourColumns()
{
    using R = const NeighbourRow&;
    static const std::vector<NeighbourColumn> columns {
        { "d, мм", "Диаметр проволоки из списка материала", NeighbourCell::Diameter },
        { "выбор", "Диаметр, выбранный расчетом", NeighbourCell::Choice },
        { "итог", "Проходит ли все проверки", NeighbourCell::Verdict },
        { "EN 13906-1", "Проверка изготовленной пружины по EN 13906-1", NeighbourCell::Check },
        { "ΔR, %", "Жесткость изготовленной пружины R против требуемой (F2 − F1)/(L1 − L2), %",
            NeighbourCell::Number,
            [](R r) {
                const MadeSpring& s = r.check.spring;
                return r.check.available ? 100 * (s.R - s.Rasked) / s.Rasked : std::nan("");
            } },
        { "i", captionOf(&CalcValues::i), NeighbourCell::Number, [](R r) { return r.record.i; } },
        { "k1", "Коэффициент k1", NeighbourCell::Number, [](R r) { return r.record.k1; } },
        { "[τ], МПа", captionOf(&CalcValues::tau), NeighbourCell::Number, [](R r) { return r.record.tau; } },
        { "τ3*, МПа", "Напряжение при силе F3", NeighbourCell::Number, [](R r) { return r.record.tau3; } },
        { "τ3*/[τ], %", "Напряжение при F3 в процентах от допускаемого", NeighbourCell::Number,
            [](R r) { return 100 * r.record.tau3 / r.record.tau; } },
        { "n", captionOf(&CalcValues::nCalc), NeighbourCell::Number, [](R r) { return r.record.nCalc; } },
        { "N1", captionOf(&CalcValues::N1), NeighbourCell::Number, [](R r) { return r.record.N1; } },
        { "c, Н/мм", captionOf(&CalcValues::c), NeighbourCell::Number, [](R r) { return r.record.c; } },
        { "L0, мм", captionOf(&CalcValues::L0calc), NeighbourCell::Number,
            [](R r) { return r.record.L0calc; } },
        { "L3, мм", captionOf(&CalcValues::L3), NeighbourCell::Number, [](R r) { return r.record.L3; } },
        { "L, мм", captionOf(&CalcValues::L), NeighbourCell::Number, [](R r) { return r.record.L; } },
        { "M, кг", captionOf(&CalcValues::M), NeighbourCell::Number, [](R r) { return r.record.M; } },
        { "Vmax/Vкр", "Проверка соударения витков: не больше 1", NeighbourCell::Number,
            [](R r) { return r.record.Vmax / r.record.Vkr; } },
        { "замечания", "Замечания проверок и устойчивости, или почему расчет остановлен",
            NeighbourCell::Remarks },
    };
    return columns;
}
