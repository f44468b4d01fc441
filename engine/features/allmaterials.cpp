#include "engine/features/allmaterials.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/datafiles.h"
#include "engine/catalogue/materialclass.h"
#include "engine/common/errortext.h"
#include "engine/common/numtext.h"
#include "engine/features/neighbours.h"
#include "engine/method/diameterchoice.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <optional>
#include <set>

namespace {

// The last calculation's answer to the diameter question, while the
// material still lists it (the dialog offers nothing else).
std::optional<double> listedAnswer(const CalcInputs& inputs, const DataFiles& files)
{
    if (!inputs.chosenD)
        return std::nullopt;
    std::optional<std::vector<std::string>> items;
    try {
        items = diameterChoices(files, inputs.materialName);
    } catch (...) { // the run itself says why the list cannot be read
    }
    if (!items)
        return std::nullopt;
    for (const auto& item : *items) {
        double v = 0;
        if (tryStrToFloat(item, v) && v == *inputs.chosenD)
            return v;
    }
    return std::nullopt;
}

MaterialRow tryMaterial(const CalcInputs& inputs, const DataFiles& files, const std::string& material)
{
    CalcInputs in = inputs;
    in.materialName = material;
    // The class is known once the calculation has read the properties file.
    Peremenn start;
    start.materialClass = -1;
    const bool selected = material == inputs.materialName;
    MaterialRow row;
    static_cast<QuietRun&>(row)
        = runQuietly(in, files, selected ? listedAnswer(inputs, files) : std::nullopt, false, &start);
    row.material = material;
    row.materialClass = row.record.materialClass;
    row.selected = selected;
    return row;
}

// Passing first, then failing checks, then the rows that did not finish.
int outcomeRank(const MaterialRow& row)
{
    return row.passes() ? 0 : row.complete() ? 1 : row.needsDiameter() ? 2 : 3;
}

} // namespace

std::string MaterialRow::outcome() const
{
    if (needsDiameter())
        return kNeedsDiameterWords;
    if (!complete())
        return stop;
    if (passes())
        return std::string(kPassesMark) + " " + kPassesWords;
    std::string text = kFailsMark;
    for (const auto& fault : faults)
        text += (text == kFailsMark ? " " : "; ") + fault;
    return text;
}

AllMaterials allMaterialRows(const CalcInputs& inputs, const DataFiles& files)
{
    AllMaterials out;
    std::optional<std::vector<std::string>> names;
    try {
        names = files.lines(kMaterialList);
    } catch (const std::bad_alloc&) {
        throw; // no table can be made: the run ends as an error
    } catch (...) { // a list that cannot be read (too large, say)
        out.refusal = "Ошибка: " + errorText(std::current_exception());
        return out;
    }
    if (!names) {
        out.refusal = noFileMessage(kMaterialList);
        return out;
    }
    std::set<std::string> seen;
    for (const auto& name : *names)
        if (!name.empty() && seen.insert(name).second)
            out.rows.push_back(tryMaterial(inputs, files, name));
    sortMaterialRows(out.rows, materialOrder());
    return out;
}

const std::vector<MaterialColumn>& materialColumns()
{
    using R = const MaterialRow&;
    static const std::vector<MaterialColumn> columns {
        { "материал", "material", "Материал из каталога", MaterialCell::Material },
        { "класс", "class", "Группа материала (класс) из файла его свойств", MaterialCell::Class },
        { "d, мм", "d", "Диаметр проволоки по нормали", MaterialCell::Number,
            [](R r) { return r.record.d; } },
        { "[τ], МПа", "tau", "Допускаемое напряжение при кручении", MaterialCell::Number,
            [](R r) { return r.record.tau; } },
        { "i", "i", "Индекс пружины", MaterialCell::Number, [](R r) { return r.record.i; } },
        { "n", "n", "Число рабочих витков расчетное", MaterialCell::Number,
            [](R r) { return r.record.nCalc; } },
        { "N1", "N1", "Полное число витков", MaterialCell::Number, [](R r) { return r.record.N1; } },
        { "L0, мм", "L0", "Длина пружины в свободном состоянии", MaterialCell::Number,
            [](R r) { return r.record.L0calc; } },
        { "L3, мм", "L3", "Длина пружины при максимальной деформации", MaterialCell::Number,
            [](R r) { return r.record.L3; } },
        { "M, кг", "M", "Масса пружины", MaterialCell::Number, [](R r) { return r.record.M; } },
        // The check of the spring as made, before the method's verdict.
        { "R, Н/мм", "R", "Жесткость изготовленной пружины по EN 13906-1", MaterialCell::CheckFigure,
            [](R r) { return r.check.spring.R; } },
        { "ΔF, %", "dF", "Наибольшее отклонение сил изготовленной пружины при L1 и L2 от F1 и F2, %",
            MaterialCell::CheckFigure,
            [](R r) {
                const MadeSpring& s = r.check.spring;
                return std::abs(s.dev1) > std::abs(s.dev2) ? s.dev1 : s.dev2;
            } },
        { "EN 13906-1", "check", "Проверка изготовленной пружины по EN 13906-1", MaterialCell::Check },
        { "итог", "outcome", "Проходит ли все проверки метода, или чем закончился расчет",
            MaterialCell::Outcome },
    };
    return columns;
}

size_t materialOrder()
{
    const auto& columns = materialColumns();
    for (size_t k = 0; k < columns.size(); ++k)
        if (std::string(columns[k].key) == "M")
            return k;
    return 0;
}

bool MaterialColumn::reached(const MaterialRow& row) const
{
    switch (cell) {
    case MaterialCell::Class:
        return findMaterialClass(row.materialClass) != nullptr;
    case MaterialCell::Number:
        return row.complete();
    case MaterialCell::CheckFigure:
    case MaterialCell::Check:
        return row.complete() && row.check.available;
    default:
        return true;
    }
}

std::string materialCellText(const MaterialColumn& column, const MaterialRow& row)
{
    if (!column.reached(row))
        return {};
    switch (column.cell) {
    case MaterialCell::Material:
        return row.material;
    case MaterialCell::Class: {
        const MaterialClass* c = findMaterialClass(row.materialClass);
        return c ? c->caption : "";
    }
    case MaterialCell::Number:
    case MaterialCell::CheckFigure:
        return numText(column.value(row));
    case MaterialCell::Check:
        return row.check.passed ? kPassesMark : kFailsMark;
    case MaterialCell::Outcome:
        return row.outcome();
    }
    return {};
}

void sortMaterialRows(std::vector<MaterialRow>& rows, size_t column, bool descending)
{
    const MaterialColumn& c = materialColumns().at(column);
    const auto has = [&](const MaterialRow& r) { return c.reached(r); };
    const auto less = [&](const MaterialRow& a, const MaterialRow& b) {
        switch (c.cell) {
        case MaterialCell::Material:
            return a.material < b.material;
        case MaterialCell::Class:
            return a.materialClass < b.materialClass;
        case MaterialCell::Number:
        case MaterialCell::CheckFigure:
            return c.value(a) < c.value(b);
        case MaterialCell::Check:
            return a.check.passed && !b.check.passed;
        case MaterialCell::Outcome:
            return outcomeRank(a) < outcomeRank(b);
        }
        return false;
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const MaterialRow& a, const MaterialRow& b) {
        if (has(a) != has(b))
            return has(a);
        if (!has(a))
            return false;
        return descending ? less(b, a) : less(a, b);
    });
}
