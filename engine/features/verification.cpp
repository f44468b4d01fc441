#include "engine/features/verification.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/datafiles.h"
#include "engine/common/numtext.h"
#include "engine/features/characteristic.h"
#include "engine/features/verificationtext.h"
#include "engine/method/calc.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using S = MadeSpring;
constexpr double kPi = std::numbers::pi;

// Limits of the check; each limit's text is made from its constant.
constexpr double kStaticShare = 0.5; // τzul = 0,5·Rm
constexpr double kSolidShare = 0.56; // τczul = 0,56·Rm, at solid length
constexpr double kLeastIndex = 4; // recommended index range of cold-coiled springs
constexpr double kLargestIndex = 12;
constexpr double kDynamicGaps = 1.5; // Sa of a cyclically loaded spring
constexpr double kUngroundEnds = 1.5; // coils added to Lc for ends not ground
constexpr double kCoilStep = 0.25; // the spring to order is wound to a quarter coil
constexpr double kRounding = 1e-9; // a value at its limit but for rounding is at the limit

bool withinLimit(double utilisation)
{
    return utilisation <= 1 + kRounding;
}

std::string n4(double v)
{
    return chartNumber(v);
}

std::string signedPercent(double v)
{
    return (v > 0 ? "+" : "") + chartNumber(v) + " %";
}

} // namespace

const std::vector<SpringSymbol>& springSymbols()
{
    static const std::vector<SpringSymbol> symbols {
        { "d", "d", &S::d, "мм", "Диаметр проволоки" },
        { "D", "D", &S::D, "мм", "Средний диаметр пружины" },
        { "n", "n", &S::n, "", "Число рабочих витков" },
        { "nt", "nt", &S::nt, "", "Полное число витков" },
        { "L0", "L0", &S::L0, "мм", "Длина пружины в свободном состоянии" },
        { "L1", "L1", &S::L1, "мм", "Длина пружины при предварительной деформации" },
        { "L2", "L2", &S::L2, "мм", "Длина пружины при рабочей деформации" },
        { "L3", "L3", &S::L3, "мм", "Длина пружины при максимальной деформации" },
        { "F1", "F1", &S::F1, "Н", "Сила при предварительной деформации (заданная)" },
        { "F2", "F2", &S::F2, "Н", "Сила при рабочей деформации (заданная)" },
        { "F3", "F3", &S::F3, "Н", "Сила при максимальной деформации" },
        { "s2", "s2", &S::s2, "мм", "Деформация при длине L2" },
        { "G", "G", &S::G, "МПа", "Модуль сдвига" },
        { "E", "E", &S::E, "МПа", "Модуль упругости" },
        { "rho", "ρ", &S::rho, "г/см³", "Плотность материала" },
        { "Rm", "Rm", &S::Rm, "МПа", "Предел прочности проволоки диаметра d" },
        { "nu", "ν", &S::nu, "", "Коэффициент опирания концов" },
        { "cycles", "N", &S::cycles, "", "Требуемое число циклов" },
        { "w", "w", &S::w, "", "Индекс пружины" },
        { "k", "k", &S::k, "", "Коэффициент напряжения (Бергштрессер)" },
        { "R", "R", &S::R, "Н/мм", "Жесткость пружины" },
        { "Rasked", "R'", &S::Rasked, "Н/мм", "Требуемая жесткость (F2 − F1)/(L1 − L2)" },
        { "FL1", "F(L1)", &S::FL1, "Н", "Сила пружины при длине L1" },
        { "FL2", "F(L2)", &S::FL2, "Н", "Сила пружины при длине L2" },
        { "dev1", "ΔF1", &S::dev1, "%", "Отклонение силы при L1 от F1" },
        { "dev2", "ΔF2", &S::dev2, "%", "Отклонение силы при L2 от F2" },
        { "AF1", "AF1", &S::AF1, "Н", "Допуск силы F1" },
        { "AF2", "AF2", &S::AF2, "Н", "Допуск силы F2" },
        { "AL0", "AL0", &S::AL0, "мм", "Допуск длины L0" },
        { "L0asked", "L0'", &S::L0asked, "мм", "Длина L0, дающая F1 при L1" },
        { "tau2", "τ2", &S::tau2, "МПа", "Напряжение без поправки при F(L2)" },
        { "tauk1", "τk1", &S::tauk1, "МПа", "Напряжение с поправкой при F(L1)" },
        { "tauk2", "τk2", &S::tauk2, "МПа", "Напряжение с поправкой при F(L2)" },
        { "tauk3", "τk3", &S::tauk3, "МПа", "Напряжение с поправкой при F3" },
        { "taukh", "τkh", &S::taukh, "МПа", "Размах напряжения τk2 − τk1" },
        { "tauzul", "τzul", &S::tauzul, "МПа", "Допускаемое напряжение" },
        { "tauKH", "τkH", &S::tauKH, "МПа", "Предел выносливости при τkU = τk1" },
        { "Lc", "Lc", &S::Lc, "мм", "Длина пружины, сжатой до соприкосновения витков" },
        { "Sa", "Sa", &S::Sa, "мм", "Наименьшая сумма зазоров между витками" },
        { "Ln", "Ln", &S::Ln, "мм", "Наименьшая допустимая длина пружины" },
        { "FLc", "F(Lc)", &S::FLc, "Н", "Сила при сжатии до соприкосновения витков" },
        { "tauc", "τc", &S::tauc, "МПа", "Напряжение при сжатии до соприкосновения витков" },
        { "taucZul", "τczul", &S::taucZul, "МПа", "Допускаемое напряжение при сжатии до соприкосновения" },
        { "sK", "sK", &S::sK, "мм", "Критическая деформация (потеря устойчивости)" },
        { "fe", "fe", &S::fe, "Гц", "Собственная частота пружины" },
        { "wireLength", "Lпр", &S::wireLength, "мм", "Длина проволоки" },
        { "mass", "m", &S::mass, "кг", "Масса пружины" },
    };
    return symbols;
}

double madeSolidLength(double nt, double d, EndType ends)
{
    return (nt + (ends == EndType::NotGround ? kUngroundEnds : 0)) * d;
}

double madeSpringRate(const CalcResult& result)
{
    const CalcValues& done = result.values;
    const double D = done.D1 - done.d;
    if (!result.complete() || done.d <= 0 || D <= 0 || done.nCalc <= 0)
        return 0;
    return 1000 * done.G * std::pow(done.d, 4) / (8 * std::pow(D, 3) * done.nCalc);
}

const CheckRow* Verification::row(CheckKey key) const
{
    for (const CheckRow& r : rows)
        if (r.key == key)
            return &r;
    return nullptr;
}

const CheckRow* OrderSpring::row(CheckKey key) const
{
    for (const CheckRow& r : rows)
        if (r.key == key)
            return &r;
    return nullptr;
}

const char* checkVerdictWords(CheckVerdict verdict)
{
    static const char* const words[] = { "справочно", "выполнено", "замечание", "не выполнено" };
    return words[static_cast<size_t>(verdict)];
}

const char* checkVerdictName(CheckVerdict verdict)
{
    static const char* const names[] = { "info", "passed", "remark", "failed" };
    return names[static_cast<size_t>(verdict)];
}

std::optional<double> bucklingDeflection(const MadeSpring& s, double nu)
{
    if (s.E <= s.G)
        return std::nullopt;
    const double ratio = s.G / s.E;
    const double slender = kPi * s.D / (nu * s.L0);
    const double underRoot = 1 - (1 - ratio) / (0.5 + ratio) * slender * slender;
    if (underRoot < 0)
        return std::nullopt;
    return s.L0 * 0.5 / (1 - ratio) * (1 - std::sqrt(underRoot));
}

namespace {

const SpringSymbol* symbolOf(double MadeSpring::*field)
{
    for (const SpringSymbol& s : springSymbols())
        if (s.field == field)
            return &s;
    return nullptr;
}

// The check's steps, recorded as the calculation's trace records its own.
class Steps {
public:
    Steps(Trace* trace, const MadeSpring& s)
        : trace_(trace)
        , s_(s)
    {
    }

    bool on() const { return trace_ != nullptr; }

    TraceStep& add(StepKind kind, double MadeSpring::*field)
    {
        trace_->steps.emplace_back();
        TraceStep& step = trace_->steps.back();
        step.kind = kind;
        if (const SpringSymbol* sym = symbolOf(field)) {
            step.name = sym->name;
            step.symbol = sym->symbol;
            step.unit = sym->unit;
            step.caption = sym->what;
            step.value = s_.*field;
            step.valueText = numText(s_.*field);
        }
        return step;
    }

    void input(double MadeSpring::*field, const std::string& from = {})
    {
        if (on())
            add(StepKind::Input, field).text = from;
    }

    void value(double MadeSpring::*field, const char* formula)
    {
        if (!on() || !formula)
            return;
        TraceStep& step = add(StepKind::Value, field);
        step.formula = step.symbol + " = " + formulaText(formula);
        step.substitution = step.symbol + " = " + substituted(formula, [&](std::string_view name) {
            for (const SpringSymbol& sym : springSymbols())
                if (name == sym.symbol)
                    return std::optional<double>(s_.*sym.field);
            return std::optional<double>();
        });
    }

    void check(const CheckRow& row)
    {
        if (!on() || row.verdict == CheckVerdict::Info)
            return;
        trace_->steps.emplace_back();
        TraceStep& step = trace_->steps.back();
        step.kind = StepKind::Check;
        step.caption = row.caption;
        if (row.made) {
            step.value = *row.made;
            step.valueText = numText(*row.made);
        }
        step.text = checkRowText(row);
        step.passed = row.verdict != CheckVerdict::Failed;
    }

    // A force of the form in newtons: the kilograms-force times kGravity.
    void newtons(double MadeSpring::*field, double kgf)
    {
        if (!on())
            return;
        TraceStep& step = add(StepKind::Value, field);
        step.formula = step.symbol + " = " + step.symbol + " формы (кгс) · " + numText(kGravity);
        step.substitution = step.symbol + " = " + numText(kgf) + " · " + numText(kGravity);
    }

    void note(const std::string& text)
    {
        if (on())
            add(StepKind::Line, nullptr).text = text;
    }

private:
    Trace* trace_;
    const MadeSpring& s_;
};

// Every value of one spring worked out, in formula order; each formula is
// written once, here, for the computation and the trace.
struct Formula {
    double MadeSpring::*field;
    const char* text; // nullptr: not shown in the trace
    double (*compute)(const MadeSpring&, const CheckSettings&);
};

double solidLength(const MadeSpring& s, const CheckSettings& c)
{
    return madeSolidLength(s.nt, s.d, c.ends);
}

double stressPerForce(const MadeSpring& s)
{
    return 8 * s.D / (kPi * std::pow(s.d, 3));
}

const Formula kFormulas[] = {
    { &S::w, "{D} / {d}", [](const S& s, const CheckSettings&) { return s.D / s.d; } },
    { &S::k, "({w} + 0,5) / ({w} − 0,75)",
        [](const S& s, const CheckSettings&) { return (s.w + 0.5) / (s.w - 0.75); } },
    { &S::R, "{G} · {d}⁴ / (8 · {D}³ · {n})",
        [](const S& s, const CheckSettings&) {
            return s.G * std::pow(s.d, 4) / (8 * std::pow(s.D, 3) * s.n);
        } },
    { &S::Rasked, "({F2} − {F1}) / ({L1} − {L2})",
        [](const S& s, const CheckSettings&) { return (s.F2 - s.F1) / (s.L1 - s.L2); } },
    { &S::FL1, "{R} · ({L0} − {L1})", [](const S& s, const CheckSettings&) { return s.R * (s.L0 - s.L1); } },
    { &S::FL2, "{R} · ({L0} − {L2})", [](const S& s, const CheckSettings&) { return s.R * (s.L0 - s.L2); } },
    { &S::dev1, "100 · ({F(L1)} − {F1}) / {F1}",
        [](const S& s, const CheckSettings&) { return 100 * (s.FL1 - s.F1) / s.F1; } },
    { &S::dev2, "100 · ({F(L2)} − {F2}) / {F2}",
        [](const S& s, const CheckSettings&) { return 100 * (s.FL2 - s.F2) / s.F2; } },
    { &S::L0asked, "{L1} + {F1} / {R}", [](const S& s, const CheckSettings&) { return s.L1 + s.F1 / s.R; } },
    { &S::tau2, "8 · {D} · {F(L2)} / (π · {d}³)",
        [](const S& s, const CheckSettings&) { return stressPerForce(s) * s.FL2; } },
    { &S::tauk1, "{k} · 8 · {D} · {F(L1)} / (π · {d}³)",
        [](const S& s, const CheckSettings&) { return s.k * stressPerForce(s) * s.FL1; } },
    { &S::tauk2, "{k} · 8 · {D} · {F(L2)} / (π · {d}³)",
        [](const S& s, const CheckSettings&) { return s.k * stressPerForce(s) * s.FL2; } },
    { &S::tauk3, "{k} · 8 · {D} · {F3} / (π · {d}³)",
        [](const S& s, const CheckSettings&) { return s.k * stressPerForce(s) * s.F3; } },
    { &S::taukh, "{τk2} − {τk1}", [](const S& s, const CheckSettings&) { return s.tauk2 - s.tauk1; } },
    { &S::Lc, nullptr, solidLength },
    { &S::Sa, nullptr,
        [](const S& s, const CheckSettings&) {
            const double gaps = (0.0015 * s.D * s.D / s.d + 0.1 * s.d) * s.n;
            return s.cycles > kStaticCycles ? kDynamicGaps * gaps : gaps;
        } },
    { &S::Ln, "{Lc} + {Sa}", [](const S& s, const CheckSettings&) { return s.Lc + s.Sa; } },
    // Beyond its solid length a spring gives no more force: F is clamped at Lc.
    { &S::FLc, "{R} · ({L0} − {Lc})",
        [](const S& s, const CheckSettings&) { return s.R * std::max(s.L0 - s.Lc, 0.0); } },
    { &S::tauc, "8 · {D} · {F(Lc)} / (π · {d}³)",
        [](const S& s, const CheckSettings&) { return stressPerForce(s) * s.FLc; } },
    { &S::fe, "{d} / (2π · {n} · {D}²) · √(10⁹ · {G} / (2 · {ρ}))",
        [](const S& s, const CheckSettings&) {
            return s.d / (2 * kPi * s.n * s.D * s.D) * std::sqrt(1e9 * s.G / (2 * s.rho));
        } },
    { &S::wireLength, "π · {D} · {nt}", [](const S& s, const CheckSettings&) { return kPi * s.D * s.nt; } },
    { &S::mass, "{ρ} · 10⁻⁶ · π · {d}² / 4 · {Lпр}",
        [](const S& s, const CheckSettings&) { return s.rho * 1e-6 * kPi * s.d * s.d / 4 * s.wireLength; } },
};

const char* lcFormula(const CheckSettings& c)
{
    return c.ends == EndType::NotGround ? "({nt} + 1,5) · {d}" : "{nt} · {d}";
}

const char* gapsFormula(const MadeSpring& s)
{
    return s.cycles > kStaticCycles ? "1,5 · (0,0015 · {D}² / {d} + 0,1 · {d}) · {n}"
                                    : "(0,0015 · {D}² / {d} + 0,1 · {d}) · {n}";
}

// The spring's values, the tolerances and the stress limits; the trace
// gets each with its formula.
void work(MadeSpring& s, const CheckSettings& c, Tolerances& t, const FatigueTable* fatigue, Steps& steps)
{
    for (const Formula& f : kFormulas) {
        s.*f.field = f.compute(s, c);
        if (f.field == &S::Lc)
            steps.value(f.field, lcFormula(c));
        else if (f.field == &S::Sa)
            steps.value(f.field, gapsFormula(s));
        else
            steps.value(f.field, f.text);
        if (f.field == &S::dev2) { // the tolerances need R and the forces
            t = tolerancesOf(c, s.d, s.D, s.n, s.L0, s.R, s.F1, s.F2);
            s.AF1 = t.AF1;
            s.AF2 = t.AF2;
            s.AL0 = t.AL0.value_or(0);
            for (double S::*field : { &S::AF1, &S::AF2, &S::AL0 })
                steps.input(field, toleranceCaption(c.standard, c.grade));
        }
    }
    if (s.hasRm) {
        s.tauzul = kStaticShare * s.Rm;
        s.taucZul = kSolidShare * s.Rm;
        steps.input(&S::tauzul, numText(kStaticShare) + " · Rm");
        steps.input(&S::taucZul, numText(kSolidShare) + " · Rm");
    }
    if (fatigue)
        if (auto strength = fatigue->strokeStrength(s.d, s.tauk1)) {
            s.tauKH = *strength;
            steps.input(&S::tauKH, "из таблицы выносливости материала");
        }
    const auto sK = bucklingDeflection(s, s.nu);
    s.bucklingFree = s.E > s.G && !sK;
    s.sK = sK.value_or(0);
    if (sK)
        steps.value(&S::sK,
            "{L0} · 0,5 / (1 − {G} / {E}) · (1 − √(1 − (1 − {G} / {E}) / (0,5 + {G} / {E}) · (π · {D} / ({ν} "
            "· "
            "{L0}))²))");
    else if (s.bucklingFree)
        steps.note("sK: подкоренное выражение отрицательно — пружина не теряет устойчивости");
}

// What a row is judged against.
struct RowContext {
    const MadeSpring& s;
    const CheckSettings& settings;
    const Tolerances& tolerances;
    const CalcValues* method; // the method's values; nullptr for the spring to order
    const std::string& material;
    const std::string& rmSource;
    bool hasFatigue;
};

CheckRow info(CheckKey key, const char* name, const char* caption, const char* unit,
    std::optional<double> method, std::optional<double> made)
{
    CheckRow row;
    row.key = key;
    row.name = name;
    row.caption = caption;
    row.unit = unit;
    row.method = method;
    row.made = made;
    return row;
}

// Judges a row whose value must stay at or below `limit` (at or above it
// when !atMost); the text says the rule and the limit.
void atMost(CheckRow& row, double value, double limit, const std::string& rule, bool below = true,
    CheckVerdict beyond = CheckVerdict::Failed)
{
    row.limit = limit;
    row.limitText = rule + " = " + n4(limit);
    row.utilisation = below ? value / limit : limit / value;
    row.verdict = withinLimit(*row.utilisation) ? CheckVerdict::Passed : beyond;
}

void noStrength(CheckRow& row, const RowContext& c)
{
    row.verdict = CheckVerdict::Remark;
    row.note = c.rmSource;
}

// The force row: the asked force within the tolerance band of the made one.
CheckRow forceRow(const RowContext& c, CheckKey key, const char* name, const char* caption, double asked,
    double made, double band, double dev, double kgf)
{
    CheckRow row = info(key, name, caption, "Н", asked, made);
    // A force made to the asked one differs from it by rounding only.
    const double off = std::fabs(made - asked) <= 1e-9 * asked ? 0 : std::fabs(made - asked);
    if (off == 0)
        dev = 0;
    row.limit = band;
    row.limitText = n4(asked) + " ± " + n4(band);
    row.utilisation = off / band;
    row.verdict = withinLimit(*row.utilisation) ? CheckVerdict::Passed : CheckVerdict::Failed;
    if (c.method) // the spring to order gives the asked force by its making
        row.note = std::string(name) + " = " + n4(kgf) + " кгс = " + n4(asked) + " Н; " + signedPercent(dev);
    if (!c.tolerances.outOfRange.empty())
        row.note += "; " + c.tolerances.outOfRange;
    return row;
}

std::string bucklingNote(const RowContext& c)
{
    const MadeSpring& s = c.s;
    std::string all;
    for (const SeatingCase& seat : kSeatingCases) {
        const auto sK = bucklingDeflection(s, seat.nu);
        const std::string one = "ν = " + numText(seat.nu) + ": " + (sK ? n4(*sK) : std::string("∞"));
        all += (all.empty() ? "" : "; ") + (seat.nu == s.nu ? "[" + one + "]" : one);
    }
    return "sK " + all;
}

// The limits' rules, made once from their constants.
const std::string kStaticRule = "≤ " + numText(kStaticShare) + "·Rm";
const std::string kSolidRule = "≤ " + numText(kSolidShare) + "·Rm";

std::vector<CheckRow> rowsOf(const RowContext& c)
{
    const MadeSpring& s = c.s;
    const CalcValues* p = c.method;
    auto method
        = [p](double CalcValues::*field) { return p ? std::optional<double>(p->*field) : std::nullopt; };
    std::vector<CheckRow> rows;
    rows.reserve(19);

    CheckRow rm = info(CheckKey::Rm, "Rm", "Предел прочности Rm", "МПа",
        p && s.hasRm && p->SIGMA_B > 0 ? std::optional<double>(p->SIGMA_B) : std::nullopt,
        s.hasRm ? std::optional<double>(s.Rm) : std::nullopt);
    rm.note = c.rmSource;
    if (!s.hasRm)
        rm.verdict = CheckVerdict::Remark;
    rows.push_back(rm);

    CheckRow index = info(CheckKey::Index, "w", "Индекс пружины w = D/d", "", method(&CalcValues::i), s.w);
    static const std::string indexRange = numText(kLeastIndex) + "…" + numText(kLargestIndex);
    index.limitText = indexRange;
    index.utilisation = std::max(s.w / kLargestIndex, kLeastIndex / s.w);
    index.verdict = s.w >= kLeastIndex && s.w <= kLargestIndex ? CheckVerdict::Passed : CheckVerdict::Remark;
    rows.push_back(index);

    rows.push_back(info(CheckKey::StressFactor, "k", "Коэффициент напряжения k (Бергштрессер)", "",
        method(&CalcValues::k1), s.k));

    CheckRow rate = info(CheckKey::Rate, "R", "Жесткость пружины R", "Н/мм", s.Rasked, s.R);
    if (p)
        rate.note = signedPercent(100 * (s.R - s.Rasked) / s.Rasked) + " к требуемой (F2 − F1)/(L1 − L2)";
    rows.push_back(rate);

    rows.push_back(forceRow(
        c, CheckKey::ForceL1, "F1", "Сила при длине L1", s.F1, s.FL1, s.AF1, s.dev1, s.F1 / kGravity));
    rows.push_back(forceRow(
        c, CheckKey::ForceL2, "F2", "Сила при длине L2", s.F2, s.FL2, s.AF2, s.dev2, s.F2 / kGravity));

    CheckRow free = info(CheckKey::FreeLength, "L0", "Длина L0 (дающая F1 при L1)", "мм", s.L0asked, s.L0);
    if (c.tolerances.AL0) {
        free.limit = *c.tolerances.AL0;
        free.limitText = n4(s.L0asked) + " ± " + n4(*c.tolerances.AL0);
        const double off = std::fabs(s.L0 - s.L0asked);
        free.utilisation = off <= 1e-9 * s.L0 ? 0 : off / *c.tolerances.AL0;
        free.verdict = withinLimit(*free.utilisation) ? CheckVerdict::Passed : CheckVerdict::Failed;
    } else {
        free.note = "у " + toleranceCaption(c.settings.standard, c.settings.grade) + " нет допуска длины L0";
    }
    rows.push_back(free);

    const bool cyclic = s.cycles > kStaticCycles;
    CheckRow stress = cyclic
        ? info(CheckKey::Stress, "tauk2", "Напряжение τk2 при F(L2)", "МПа", std::nullopt, s.tauk2)
        : info(CheckKey::Stress, "tau2", "Напряжение τ2 при F(L2)", "МПа", std::nullopt, s.tau2);
    if (s.hasRm)
        atMost(stress, cyclic ? s.tauk2 : s.tau2, s.tauzul, kStaticRule);
    else
        noStrength(stress, c);
    rows.push_back(stress);

    CheckRow atF3
        = info(CheckKey::StressF3, "tauk3", "Напряжение τk3 при F3 метода", "МПа", std::nullopt, s.tauk3);
    atF3.note = "F3 = 1,25·F2 — построение метода, не нагрузка пружины";
    rows.push_back(atF3);

    if (cyclic) {
        CheckRow fatigue = info(
            CheckKey::Fatigue, "taukh", "Размах напряжения τkh = τk2 − τk1", "МПа", std::nullopt, s.taukh);
        if (!c.hasFatigue) {
            fatigue.verdict = CheckVerdict::Remark;
            fatigue.note = "нет данных о выносливости материала " + c.material;
        } else if (s.tauKH > 0) {
            atMost(fatigue, s.taukh, s.tauKH, "≤ τkH при τkU = τk1");
        } else {
            fatigue.verdict = CheckVerdict::Failed;
            fatigue.limitText = "≤ τkH при τkU = τk1";
            fatigue.note = "τk1 = " + n4(s.tauk1) + " МПа выше верхнего предела диаграммы выносливости";
        }
        rows.push_back(fatigue);
    }

    CheckRow lc = info(CheckKey::SolidLength, "Lc",
        c.settings.ends == EndType::Ground ? "Длина сжатой до соприкосновения пружины Lc = nt·d"
                                           : "Длина сжатой до соприкосновения пружины Lc = (nt + 1,5)·d",
        "мм", p ? std::optional<double>((p->N1 - 0.5) * p->d) : std::nullopt, s.Lc);
    rows.push_back(lc);
    CheckRow sa = info(CheckKey::Gaps, "Sa", "Наименьшая сумма зазоров Sa", "мм", std::nullopt, s.Sa);
    if (cyclic)
        sa.note = "циклическая нагрузка: " + numText(kDynamicGaps) + "·Sa";
    rows.push_back(sa);

    CheckRow least = info(CheckKey::LeastLength, "Ln", "Наименьшая длина Ln = Lc + Sa", "мм", s.L2, s.Ln);
    atMost(least, s.Ln, s.L2, "≤ L2");
    if (s.L0 < s.Lc)
        least.note = "L0 = " + n4(s.L0) + " мм меньше Lc: пружину нельзя навить";
    rows.push_back(least);

    if (p) { // the method's L3 lies below Ln by its construction: shown, not judged
        CheckRow l3 = info(CheckKey::MethodL3, "L3", "Длина L3 расчета и Ln", "мм", s.L3, s.Ln);
        l3.note = "L3 метода получена из F3 = 1,25·F2, не нагрузка пружины";
        rows.push_back(l3);
    }

    CheckRow solid
        = info(CheckKey::SolidStress, "tauc", "Напряжение τc при длине Lc", "МПа", std::nullopt, s.tauc);
    if (s.hasRm)
        atMost(solid, s.tauc, s.taucZul, kSolidRule);
    else
        noStrength(solid, c);
    rows.push_back(solid);

    CheckRow buckling = info(CheckKey::Buckling, "sK", "Критическая деформация sK", "мм", s.s2, s.sK);
    buckling.limitText = "s2 < sK";
    if (s.E <= s.G) {
        buckling.made.reset();
        buckling.note = "E не больше G в каталоге: устойчивость не проверена";
    } else if (s.bucklingFree) {
        buckling.made.reset();
        buckling.utilisation = 0;
        buckling.verdict = CheckVerdict::Passed;
        buckling.note = "не теряет устойчивости при любом сжатии";
        if (p)
            buckling.note += "; " + bucklingNote(c);
    } else {
        buckling.limit = s.sK;
        buckling.utilisation = s.s2 / s.sK;
        // s2 < sK: a spring compressed to its critical deflection buckles.
        buckling.verdict = withinLimit(*buckling.utilisation + 2 * kRounding) ? CheckVerdict::Passed
                                                                              : CheckVerdict::Failed;
        if (p) // all four seating cases for the made spring; the order's column has the chosen one
            buckling.note = bucklingNote(c);
    }
    if (p && p->Dcp > 0 && p->L0calc / p->Dcp >= 3 && buckling.verdict == CheckVerdict::Passed)
        buckling.note += "; расчет: L0/Dср ≥ 3 — метод судит по отношению длины к диаметру, EN 13906-1 по sK "
                         "при заданном опирании";
    rows.push_back(buckling);

    CheckRow fe = info(CheckKey::Frequency, "fe", "Собственная частота fe", "Гц", std::nullopt, s.fe);
    fe.note = "частота возбуждения не задана";
    rows.push_back(fe);
    CheckRow wire = info(CheckKey::WireLength, "wireLength", "Длина проволоки π·D·nt", "мм",
        method(&CalcValues::L), s.wireLength);
    CheckRow mass
        = info(CheckKey::Mass, "mass", "Масса пружины по плотности", "кг", method(&CalcValues::M), s.mass);
    if (p) {
        wire.note = "расчет: 3,2 вместо π";
        mass.note = "расчет: постоянный коэффициент вместо плотности";
    }
    rows.push_back(wire);
    rows.push_back(mass);
    return rows;
}

double rank(const CheckRow& row)
{
    return row.utilisation.value_or(HUGE_VAL);
}

int worstRowOf(const std::vector<CheckRow>& rows)
{
    int worst = -1;
    for (bool failedOnly : { true, false }) {
        for (size_t k = 0; k < rows.size(); ++k) {
            const CheckRow& r = rows[k];
            const bool counts = failedOnly ? r.verdict == CheckVerdict::Failed
                                           : r.verdict != CheckVerdict::Info && r.utilisation.has_value();
            if (counts && (worst < 0 || rank(r) > rank(rows[static_cast<size_t>(worst)])))
                worst = static_cast<int>(k);
        }
        if (worst >= 0)
            return worst;
    }
    return worst;
}

bool passedAll(const std::vector<CheckRow>& rows)
{
    return std::none_of(
        rows.begin(), rows.end(), [](const CheckRow& r) { return r.verdict == CheckVerdict::Failed; });
}

// Why a spring's values cannot be checked; empty when every one is a number.
std::string notFinite(const MadeSpring& s)
{
    if (s.w <= 0.75)
        return "индекс w = D/d = " + numText(s.w) + " не больше 0,75: коэффициент k = (w + 0,5)/(w − 0,75) "
            + "не определен";
    for (const SpringSymbol& sym : springSymbols())
        if (!std::isfinite(s.*sym.field))
            return std::string(sym.what) + " " + sym.symbol + " не является конечным числом";
    return {};
}

// The spring as the report specifies it, the asked forces in newtons.
void takeSpring(MadeSpring& s, const CalcResult& result, Steps& steps)
{
    const CalcValues& p = result.values;
    s.d = p.d;
    s.D = p.D1 - p.d;
    s.n = p.nCalc;
    s.nt = p.N1;
    s.L0 = p.L0calc;
    s.L1 = p.L1;
    s.L2 = p.L2;
    s.L3 = p.L3;
    // The method's forces are ten times the form's kilograms-force.
    s.F1 = p.F1 / 10 * kGravity;
    s.F2 = p.F2 / 10 * kGravity;
    s.F3 = p.F3 / 10 * kGravity;
    s.s2 = p.L0calc - p.L2;
    s.G = 1000 * p.G;
    s.E = 10000 * p.E;
    s.rho = p.ro;
    s.cycles = result.inputs.Ni > 0 ? result.inputs.Ni * std::pow(10.0, result.inputs.NiExp) : 0;
    steps.note(kCheckHeading);
    steps.input(&S::d, "проволока по нормали");
    steps.input(&S::D, "D1 − d");
    steps.input(&S::n, "число рабочих витков расчетное");
    for (double S::*f : { &S::nt, &S::L0, &S::L1, &S::L2, &S::L3 })
        steps.input(f, "из отчета");
    steps.newtons(&S::F1, p.F1 / 10);
    steps.newtons(&S::F2, p.F2 / 10);
    steps.newtons(&S::F3, p.F3 / 10);
    steps.input(&S::s2, "L0 − L2");
    steps.input(&S::G, "1000 · G каталога (10³ МПа)");
    steps.input(&S::E, "10000 · E каталога (10⁴ МПа)");
    steps.input(&S::rho, "из свойств материала");
    steps.input(&S::cycles, "Ni · 10^k формы; до " + numText(kStaticCycles) + " — статическая нагрузка");
    steps.input(&S::nu, seatingCase(s.nu) ? seatingCase(s.nu)->caption : "");
}

// The spring to order: n′ for the asked rate to a quarter coil, the
// method's end coils, and L0′ for F1 at L1.
OrderSpring orderOf(const MadeSpring& made, const CalcValues& p, const CheckSettings& settings,
    const RowContext& c, const FatigueTable* fatigue)
{
    OrderSpring o;
    MadeSpring& s = o.spring;
    s = made;
    const double exact = s.G * std::pow(s.d, 4) / (8 * std::pow(s.D, 3) * made.Rasked);
    s.n = std::round(exact / kCoilStep) * kCoilStep;
    if (!(made.Rasked > 0) || !std::isfinite(exact) || s.n < kCoilStep) {
        o.stop = "требуемая жесткость (F2 − F1)/(L1 − L2) = " + n4(made.Rasked)
            + " Н/мм: число витков n′ не найти";
        return o;
    }
    s.nt = s.n + (p.N1 - p.nCalc);
    s.R = s.G * std::pow(s.d, 4) / (8 * std::pow(s.D, 3) * s.n);
    s.L0 = s.L1 + s.F1 / s.R;
    s.s2 = s.L0 - s.L2;
    s.L3 = 0;
    Steps none(nullptr, s);
    work(s, settings, o.tolerances, fatigue, none);
    RowContext own { s, settings, o.tolerances, nullptr, c.material, c.rmSource, c.hasFatigue };
    o.rows = rowsOf(own);
    o.passed = passedAll(o.rows);
    if (const int worst = worstRowOf(o.rows); !o.passed && worst >= 0)
        o.stop = checkFinding(o.rows[static_cast<size_t>(worst)]);
    return o;
}

} // namespace

Verification verifySpring(
    const CalcResult& result, const CheckData& data, const CheckSettings& settings, bool trace)
{
    Verification v;
    v.settings = settings;
    const CalcValues& done = result.values;
    const std::string& material = result.inputs.materialName;
    if (!result.complete()) {
        v.refusal = "Расчет не выполнен до конца: проверять нечего";
        return v;
    }
    MadeSpring& s = v.spring;
    s.nu = settings.nu;
    Steps steps(trace ? &v.trace : nullptr, s);
    takeSpring(s, result, steps);
    if (!(s.d > 0 && s.D > 0 && s.n > 0 && s.F1 > 0 && s.F2 > 0 && s.rho > 0 && s.G > 0)) {
        v.refusal = "Пружину нельзя проверить: d, D, n, F1, F2, ρ и G должны быть больше 0";
        return v;
    }
    StrengthOfWire strength;
    if (done.SIGMA_B > 0 && done.dpr == done.d) { // the method looked it up for this very wire
        strength.Rm = done.SIGMA_B;
        strength.source = "σB расчета: тот же диаметр проволоки";
    } else {
        strength = data.strength(material, done.materialClass, s.d);
    }
    s.hasRm = strength.Rm.has_value();
    s.Rm = strength.Rm.value_or(0);
    v.rmSource = strength.source;
    if (steps.on() && s.hasRm) {
        TraceStep& step = steps.add(strength.file.empty() ? StepKind::Input : StepKind::Lookup, &S::Rm);
        step.file = strength.file;
        step.line = strength.line;
        step.lineText = strength.lineText;
        step.text = strength.source;
    } else {
        steps.note(strength.source);
    }
    v.cyclic = s.cycles > kStaticCycles;
    const FatigueTable* fatigue = v.cyclic ? data.fatigue(material) : nullptr;
    if (v.cyclic)
        v.fatigueSource = fatigue
            ? fatigueFileName(material) + (fatigue->peened ? ", дробеструйная обработка" : "")
            : "нет данных о выносливости материала " + material;
    work(s, settings, v.tolerances, fatigue, steps);
    if (const std::string why = notFinite(s); !why.empty()) {
        v.refusal = "Пружину нельзя проверить: " + why;
        return v;
    }
    const bool hasFatigue = fatigue && fatigue->strokeStrength(s.d, s.tauk1).has_value();
    RowContext context { s, settings, v.tolerances, &done, material, v.rmSource, hasFatigue };
    v.rows = rowsOf(context);
    v.available = true;
    v.worstRow = worstRowOf(v.rows);
    v.passed = passedAll(v.rows);
    v.order = orderOf(s, done, settings, context, fatigue);
    if (steps.on()) {
        for (const CheckRow& row : v.rows)
            steps.check(row);
        steps.note("Итог проверки: " + verificationVerdictText(v));
        steps.note(kOrderHeading);
        for (const std::string& line : orderLines(v))
            steps.note(line);
    }
    return v;
}

Verification verifySpring(
    const CalcResult& done, const DataFiles& files, const CheckSettings& settings, bool trace)
{
    return verifySpring(done, CheckData(files), settings, trace);
}
