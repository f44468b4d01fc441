#pragma once
// The values of the calculation, one row each: the field of the result's
// values (the key in the machine-readable output), the symbol an engineer
// writes in a formula, the unit and the caption. The report, the trace,
// the outputs, the tables of other materials and wires, the check and the
// sketch take a value's caption from here. Formulas in the calculation name
// their operands by these symbols, so a symbol's value is read through
// this table.

#include "engine/method/calcvalues.h"

#include <string>

#include <string_view>

struct Quantity {
    const char* name; // the field of the values
    std::string_view symbol; // as formulas write it
    double CalcValues::*field;
    const char* unit; // empty for a dimensionless value
    const char* what; // its caption: what it is, in words (the report's where it has one)
};

inline constexpr Quantity kQuantities[] = {
    { "F1", "F1", &CalcValues::F1, "Н", "Сила пружины при предварительной деформации" },
    { "F2", "F2", &CalcValues::F2, "Н", "Сила пружины при рабочей деформации" },
    { "D1", "D1", &CalcValues::D1, "мм", "Наружный диаметр пружины" },
    { "H", "H", &CalcValues::H, "мм", "Рабочий ход пружины" },
    { "Vmax", "Vmax", &CalcValues::Vmax, "м/с", "Наибольшая скорость сжатия" },
    { "L0", "L0зад", &CalcValues::L0, "мм", "Заданная длина пружины в свободном состоянии" },
    { "n", "nзад", &CalcValues::n, "", "Заданное число рабочих витков" },
    { "ro", "ρ", &CalcValues::ro, "г/см³", "Плотность материала" },
    { "E", "E", &CalcValues::E, "10⁴ МПа", "Модуль упругости" },
    { "G", "G", &CalcValues::G, "10³ МПа", "Модуль сдвига" },
    { "chosenD", "dвыб", &CalcValues::chosenD, "мм", "Выбранный диаметр проволоки" },
    { "F3", "F3", &CalcValues::F3, "Н", "Сила пружины при максимальной деформации" },
    { "taupr", "τ'", &CalcValues::taupr, "МПа", "Наибольшее допустимое напряжение в первом приближении" },
    { "k3", "k3", &CalcValues::k3, "", "Коэффициент" },
    { "ipr", "i'", &CalcValues::ipr, "", "Индекс пружины в первом приближении" },
    { "k1pr", "k1'", &CalcValues::k1pr, "", "Коэффициент" },
    { "dpr", "d'", &CalcValues::dpr, "мм", "Диаметр проволоки в первом приближении" },
    { "SIGMA_B", "σB", &CalcValues::SIGMA_B, "МПа", "Предел прочности при растяжении" },
    { "tauFactor", "kτ", &CalcValues::tauFactor, "", "Доля предела прочности, допускаемая при кручении" },
    { "tau", "τ", &CalcValues::tau, "МПа", "Допускаемое напряжение при кручении" },
    { "i", "i", &CalcValues::i, "", "Индекс пружины" },
    { "k1", "k1", &CalcValues::k1, "", "Коэффициент" },
    { "d", "d", &CalcValues::d, "мм", "Диаметр проволоки" },
    { "k2", "k2", &CalcValues::k2, "", "Коэффициент" },
    { "C1", "C1", &CalcValues::C1, "Н/мм", "Жесткость одного витка" },
    { "Dcp", "Dср", &CalcValues::Dcp, "мм", "Средний диаметр пружины" },
    { "S3coil", "s3", &CalcValues::S3coil, "мм", "Деформация одного витка при максимальной силе" },
    { "nCalc", "n", &CalcValues::nCalc, "", "Число рабочих витков расчетное" },
    { "c", "c", &CalcValues::c, "Н/мм", "Жесткость пружины" },
    { "Vkr", "Vкр", &CalcValues::Vkr, "м/с", "Критическая скорость" },
    { "S1", "S1", &CalcValues::S1, "мм", "Деформация предварительная" },
    { "S2", "S2", &CalcValues::S2, "мм", "Деформация рабочая" },
    { "S3", "S3", &CalcValues::S3, "мм", "Деформация максимальная" },
    { "N1", "N1", &CalcValues::N1, "", "Полное число витков" },
    { "t", "t", &CalcValues::t, "мм", "Шаг пружины" },
    { "L3", "L3", &CalcValues::L3, "мм", "Длина пружины при максимальной деформации" },
    { "L0calc", "L0", &CalcValues::L0calc, "мм", "Длина пружины в свободном состоянии" },
    { "L1", "L1", &CalcValues::L1, "мм", "Длина пружины при предварительной деформации" },
    { "L2", "L2", &CalcValues::L2, "мм", "Длина пружины при рабочей деформации" },
    { "L", "L", &CalcValues::L, "мм", "Длина развернутой пружины" },
    { "M", "M", &CalcValues::M, "кг", "Масса пружины" },
    { "tau3", "τ3", &CalcValues::tau3, "МПа", "Напряжение при максимальной деформации" },
    { "tau2", "τ2", &CalcValues::tau2, "МПа", "Напряжение при рабочей деформации" },
};

// The row of a field or of a symbol; nullptr when none has it.
const Quantity* quantityOf(double CalcValues::*field);
const Quantity* quantityBySymbol(std::string_view symbol);

// The caption of a field that has a row.
const char* captionOf(double CalcValues::*field);
// The caption followed by the symbol: "Полное число витков N1".
std::string captionWithSymbol(double CalcValues::*field);
