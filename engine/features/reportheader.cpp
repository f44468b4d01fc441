#include "engine/features/reportheader.h"

#include "engine/catalogue/cataloguesync.h"
#include "engine/method/quantities.h"

#include <array>

namespace {

// A value of the form with what the report calls it.
struct HeaderItem {
    const char* label;
    const char* symbol;
    std::string InputForm::*text;
    const char* unit;
};

constexpr HeaderItem kF1 { "Сила при предварительном сжатии", "F1", &InputForm::f1, "кг" };
constexpr HeaderItem kF2 { "Сила при рабочей деформации", "F2", &InputForm::f2, "кг" };
constexpr HeaderItem kD1 { "Наружный диаметр пружины", "D1", &InputForm::d1, "мм" };
constexpr HeaderItem kH { "Рабочий ход", "H", &InputForm::h, "мм" };
constexpr HeaderItem kL0 { "Длина свободной пружины", "L0", &InputForm::l0, "мм" };
constexpr HeaderItem kN { "Число рабочих витков", "n", &InputForm::n, "" };
constexpr HeaderItem kVmax { "Макс скорость сжатия", "Vmax", &InputForm::vmax, "м/с" };

constexpr std::array<const char*, 4> kGroups { "I", "II", "III", "IV" };
constexpr std::array<const char*, 2> kWindings { "Левая", "Правая" };

std::string itemLine(const HeaderItem& item, const InputForm& form)
{
    std::string line = std::string(item.label) + " " + item.symbol + " = " + form.*item.text;
    if (*item.unit)
        line += std::string(" ") + item.unit;
    return line;
}

template <size_t N> std::string choice(const std::array<const char*, N>& names, int index)
{
    return index >= 0 && static_cast<size_t>(index) < N ? names[static_cast<size_t>(index)] : "";
}

} // namespace

std::string programVersion()
{
    return PRUZ_VERSION;
}

std::string catalogueLabel(const std::string& dataDir)
{
    return dataDir + " (" + catalogueFingerprint(dataDir) + ")";
}

std::vector<std::string> reportHeaderLines(const ReportHeader& header)
{
    const InputForm& form = header.form;
    std::vector<std::string> lines {
        "Программа расчета пружин сжатия по ОСТ 5.9539-80, версия " + programVersion(),
        "Дата расчета: " + header.dateTime,
        "Исходные данные: " + (header.inputFile.empty() ? std::string("не сохранено") : header.inputFile),
        itemLine(kF1, form),
        itemLine(kF2, form),
        itemLine(kD1, form),
    };
    if (form.mode == 2) {
        lines.push_back(itemLine(kL0, form));
        lines.push_back(itemLine(kN, form));
    } else {
        lines.push_back(itemLine(kH, form));
    }
    lines.push_back("Требуемая выносливость Ni = " + form.ni + " х 10^" + form.stepni + " циклов");
    lines.push_back(itemLine(kVmax, form));
    lines.push_back("Навивка: " + choice(kWindings, form.navivkaIndex));
    lines.push_back("Материал: " + form.materialName);
    lines.push_back("Группа: " + choice(kGroups, form.grupIndex));
    if (!header.catalogue.empty())
        lines.push_back("Каталог: " + header.catalogue);
    return lines;
}

std::vector<std::pair<std::string, std::string>> sketchTitleBlock(
    const ReportHeader& header, const std::string& n, const std::string& N1)
{
    return {
        { "Материал", header.form.materialName },
        { "Число рабочих витков n", n },
        { captionWithSymbol(&CalcValues::N1), N1 },
        { "Навивка", choice(kWindings, header.form.navivkaIndex) },
        { "Исходные данные", header.inputFile.empty() ? std::string("не сохранено") : header.inputFile },
        { "Дата расчета", header.dateTime },
    };
}
