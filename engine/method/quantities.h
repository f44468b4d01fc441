#pragma once
// The values of the calculation as the trace and the machine-readable
// output name them: the record's field (the key in the output), the symbol
// an engineer writes in a formula, and the unit. Formulas in the
// calculation name their operands by these symbols, so a symbol's value is
// read from the record through this table.

#include "engine/method/peremenn.h"

#include <string_view>

struct Quantity {
    const char* name; // the record's field
    std::string_view symbol; // as formulas write it
    double Peremenn::*field;
    const char* unit; // empty for a dimensionless value
    const char* what; // what it is, in words (the report's caption where it has one)
};

inline constexpr Quantity kQuantities[] = {
    { "F1", "F1", &Peremenn::F1, "Н", "Сила пружины при предварительной деформации" },
    { "F2", "F2", &Peremenn::F2, "Н", "Сила пружины при рабочей деформации" },
    { "D1", "D1", &Peremenn::D1, "мм", "Наружный диаметр пружины" },
    { "H", "H", &Peremenn::H, "мм", "Рабочий ход пружины" },
    { "Vmax", "Vmax", &Peremenn::Vmax, "м/с", "Наибольшая скорость сжатия" },
    { "L0", "L0зад", &Peremenn::L0, "мм", "Заданная длина пружины в свободном состоянии" },
    { "n", "nзад", &Peremenn::n, "", "Заданное число рабочих витков" },
    { "ro", "ρ", &Peremenn::ro, "г/см³", "Плотность материала" },
    { "E", "E", &Peremenn::E, "10⁴ МПа", "Модуль упругости" },
    { "G", "G", &Peremenn::G, "10³ МПа", "Модуль сдвига" },
    { "chosenD", "dвыб", &Peremenn::chosenD, "мм", "Выбранный диаметр проволоки" },
    { "F3", "F3", &Peremenn::F3, "Н", "Сила пружины при максимальной деформации" },
    { "taupr", "τ'", &Peremenn::taupr, "МПа", "Наибольшее допустимое напряжение в первом приближении" },
    { "k3", "k3", &Peremenn::k3, "", "Коэффициент" },
    { "ipr", "i'", &Peremenn::ipr, "", "Индекс пружины в первом приближении" },
    { "k1pr", "k1'", &Peremenn::k1pr, "", "Коэффициент" },
    { "dpr", "d'", &Peremenn::dpr, "мм", "Диаметр проволоки в первом приближении" },
    { "SIGMA_B", "σB", &Peremenn::SIGMA_B, "МПа", "Предел прочности при растяжении" },
    { "tauFactor", "kτ", &Peremenn::tauFactor, "", "Доля предела прочности, допускаемая при кручении" },
    { "tau", "τ", &Peremenn::tau, "МПа", "Допускаемое напряжение при кручении" },
    { "i", "i", &Peremenn::i, "", "Индекс пружины" },
    { "k1", "k1", &Peremenn::k1, "", "Коэффициент" },
    { "d", "d", &Peremenn::d, "мм", "Диаметр проволоки" },
    { "k2", "k2", &Peremenn::k2, "", "Коэффициент" },
    { "C1", "C1", &Peremenn::C1, "Н/мм", "Жесткость одного витка" },
    { "Dcp", "Dср", &Peremenn::Dcp, "мм", "Средний диаметр пружины" },
    { "S3coil", "s3", &Peremenn::S3coil, "мм", "Деформация одного витка при максимальной силе" },
    { "nCalc", "n", &Peremenn::nCalc, "", "Число рабочих витков расчетное" },
    { "c", "c", &Peremenn::c, "Н/мм", "Жесткость пружины" },
    { "Vkr", "Vкр", &Peremenn::Vkr, "м/с", "Критическая скорость" },
    { "S1", "S1", &Peremenn::S1, "мм", "Деформация предварительная" },
    { "S2", "S2", &Peremenn::S2, "мм", "Деформация рабочая" },
    { "S3", "S3", &Peremenn::S3, "мм", "Деформация максимальная" },
    { "N1", "N1", &Peremenn::N1, "", "Полное число витков" },
    { "t", "t", &Peremenn::t, "мм", "Шаг пружины" },
    { "L3", "L3", &Peremenn::L3, "мм", "Длина пружины при максимальной деформации" },
    { "L0calc", "L0", &Peremenn::L0calc, "мм", "Длина пружины в свободном состоянии" },
    { "L1", "L1", &Peremenn::L1, "мм", "Длина пружины при предварительной деформации" },
    { "L2", "L2", &Peremenn::L2, "мм", "Длина пружины при рабочей деформации" },
    { "L", "L", &Peremenn::L, "мм", "Длина развернутой пружины" },
    { "M", "M", &Peremenn::M, "кг", "Масса пружины" },
    { "tau3", "τ3", &Peremenn::tau3, "МПа", "Напряжение при максимальной деформации" },
    { "tau2", "τ2", &Peremenn::tau2, "МПа", "Напряжение при рабочей деформации" },
};

// The row of a field or of a symbol; nullptr when none has it.
const Quantity* quantityOf(double Peremenn::*field);
const Quantity* quantityBySymbol(std::string_view symbol);
