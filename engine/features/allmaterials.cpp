#include "engine/features/allmaterials.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/datafiles.h"
#include "engine/catalogue/materialclass.h"
#include "engine/common/errortext.h"
#include "engine/common/numtext.h"
#include "engine/features/neighbours.h"
#include "engine/method/diameterchoice.h"
#include "engine/method/quantities.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <numeric>
#include <optional>

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

// Every view of the table shows the figures, notes, check and outcome: a
// catalogue of many names keeps no report, messages or paths of each row.
// Swapped out, since a cleared container keeps its room.
void keepShownOnly(MaterialRow& row)
{
    std::vector<std::string>().swap(row.report);
    std::vector<std::string>().swap(row.messages);
    std::string().swap(row.error);
}

MaterialRow tryMaterial(
    const CalcInputs& inputs, const DataFiles& files, const std::string& material, const CheckSettings& check)
{
    CalcInputs in = inputs;
    in.materialName = material;
    // The class is known once the calculation has read the properties file.
    const bool selected = material == inputs.materialName;
    MaterialRow row;
    static_cast<QuietRun&>(row)
        = runQuietly(in, files, selected ? listedAnswer(inputs, files) : std::nullopt, false, check);
    row.material = material;
    row.materialClass = row.record.materialClass;
    row.selected = selected;
    keepShownOnly(row);
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

MaterialList materialList(const DataFiles& files)
{
    MaterialList out;
    std::optional<std::vector<std::string>> lines;
    try {
        lines = files.lines(kMaterialList);
    } catch (const std::bad_alloc&) {
        throw; // no table can be made: the run ends as an error
    } catch (...) { // a list that cannot be read (too large, say)
        out.refusal = "Ошибка: " + errorText(std::current_exception());
        return out;
    }
    if (!lines) {
        out.refusal = noFileMessage(kMaterialList);
        return out;
    }
    // Each name at its first line, found on indices sorted by name: a set of
    // the names would hold every one a second time.
    std::vector<size_t> byName;
    for (size_t k = 0; k < lines->size(); ++k)
        if (!(*lines)[k].empty())
            byName.push_back(k);
    std::stable_sort(
        byName.begin(), byName.end(), [&](size_t a, size_t b) { return (*lines)[a] < (*lines)[b]; });
    std::vector<size_t> first;
    for (size_t k = 0; k < byName.size(); ++k)
        if (k == 0 || (*lines)[byName[k]] != (*lines)[byName[k - 1]])
            first.push_back(byName[k]);
    std::vector<size_t>().swap(byName);
    std::sort(first.begin(), first.end());
    out.names.reserve(first.size());
    for (size_t k : first)
        out.names.push_back(std::move((*lines)[k]));
    return out;
}

void eachMaterialRow(const CalcInputs& inputs, const DataFiles& files, const MaterialList& list,
    const MaterialSink& sink, const CheckSettings& check)
{
    // The place of each name in the table's first order, from the column
    // that order is by; then each row worked out again at its place.
    struct Place {
        size_t name;
        bool reached;
        double value;
    };
    const MaterialColumn& order = materialColumns()[materialOrder()];
    std::vector<Place> places;
    places.reserve(list.names.size());
    for (size_t k = 0; k < list.names.size(); ++k) {
        const MaterialRow row = tryMaterial(inputs, files, list.names[k], check);
        const bool reached = order.reached(row);
        places.push_back({ k, reached, reached ? order.value(row) : 0.0 });
    }
    std::stable_sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
        return a.reached != b.reached ? a.reached : a.value < b.value;
    });
    for (const Place& place : places)
        sink(tryMaterial(inputs, files, list.names[place.name], check));
}

AllMaterials allMaterialRows(const CalcInputs& inputs, const DataFiles& files, const CheckSettings& check)
{
    AllMaterials out;
    const MaterialList list = materialList(files);
    out.refusal = list.refusal;
    out.rows.reserve(list.names.size());
    for (const auto& name : list.names)
        out.rows.push_back(tryMaterial(inputs, files, name, check));
    sortMaterialRows(out.rows, materialOrder());
    return out;
}

const std::vector<MaterialColumn>& materialColumns()
{
    using R = const MaterialRow&;
    static const std::vector<MaterialColumn> columns {
        { "материал", "material", "Материал из каталога", MaterialCell::Material },
        { "класс", "class", "Группа материала (класс) из файла его свойств", MaterialCell::Class },
        { "d, мм", "d", "Диаметр проволоки по нормали", MaterialCell::Number, [](R r) { return r.record.d; },
            &CalcValues::d },
        { "[τ], МПа", "tau", captionOf(&CalcValues::tau), MaterialCell::Number,
            [](R r) { return r.record.tau; }, &CalcValues::tau },
        { "i", "i", captionOf(&CalcValues::i), MaterialCell::Number, [](R r) { return r.record.i; },
            &CalcValues::i },
        { "n", "n", captionOf(&CalcValues::nCalc), MaterialCell::Number, [](R r) { return r.record.nCalc; },
            &CalcValues::nCalc },
        { "N1", "N1", captionOf(&CalcValues::N1), MaterialCell::Number, [](R r) { return r.record.N1; },
            &CalcValues::N1 },
        { "L0, мм", "L0", captionOf(&CalcValues::L0calc), MaterialCell::Number,
            [](R r) { return r.record.L0calc; }, &CalcValues::L0calc },
        { "L3, мм", "L3", captionOf(&CalcValues::L3), MaterialCell::Number, [](R r) { return r.record.L3; },
            &CalcValues::L3 },
        { "M, кг", "M", captionOf(&CalcValues::M), MaterialCell::Number, [](R r) { return r.record.M; },
            &CalcValues::M },
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
        return row.complete() || (reported && row.wrote(reported));
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
    // The order is found on indices and the rows swapped into it in place:
    // sorting the rows themselves would want a buffer of them all.
    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), size_t { 0 });
    std::stable_sort(order.begin(), order.end(), [&](size_t i, size_t j) {
        const MaterialRow& a = rows[i];
        const MaterialRow& b = rows[j];
        if (has(a) != has(b))
            return has(a);
        if (!has(a))
            return false;
        return descending ? less(b, a) : less(a, b);
    });
    // Row order[k] goes to place k; each cycle of the permutation once.
    for (size_t start = 0; start < order.size(); ++start) {
        size_t place = start;
        while (order[place] != start) {
            std::swap(rows[place], rows[order[place]]);
            const size_t next = order[place];
            order[place] = place;
            place = next;
        }
        order[place] = place;
    }
}
