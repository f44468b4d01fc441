#include "engine/features/verification.h"

#include "engine/catalogue/datafiles.h"
#include "engine/catalogue/materialclass.h"
#include "engine/catalogue/textfile.h"
#include "engine/common/errortext.h"
#include "engine/common/numtext.h"
#include "engine/features/verificationtext.h"
#include "engine/method/peremenn.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using S = MadeSpring;
constexpr double kPi = std::numbers::pi;

// Limits of the check.
constexpr double kForceTolerance = 5; // %, force at an installed length against the report's
constexpr double kStaticShare = 0.5; // τzul = 0,5·Rm, static load
constexpr double kSolidShare = 0.56; // τczul = 0,56·Rm, at solid length
constexpr double kLeastIndex = 4; // recommended index range of cold-coiled springs
constexpr double kLargestIndex = 12;

// Every formula of the check, written once with its operands in braces.
const char* const kIndexFormula = "{D} / {d}";
const char* const kBergstraesser = "({w} + 0,5) / ({w} − 0,75)";
const char* const kRateFormula = "{G} · {d}⁴ / (8 · {D}³ · {n})";
const char* const kStressAtF2 = "{k} · 8 · {D} · {F2} / (π · {d}³)";
const char* const kStressAtF3 = "{k} · 8 · {D} · {F3} / (π · {d}³)";
const char* const kSolidLength = "{N1} · {d}";
const char* const kGaps = "(0,0015 · {D}² / {d} + 0,1 · {d}) · {n}";
const char* const kLeastLength = "{Lc} + {Sa}";
const char* const kSolidForce = "{R} · ({L0} − {Lc})";
const char* const kSolidStress = "8 · {D} · {F(Lc)} / (π · {d}³)";
const char* const kBuckling
    = "{L0} · 0,5 / (1 − {G} / {E}) · (1 − √(1 − (1 − {G} / {E}) / (0,5 + {G} / {E}) · (π · {D} / ({ν} · "
      "{L0}))²))";
const char* const kFrequency = "{d} / (2π · {n} · {D}²) · √(10⁹ · {G} / (2 · {ρ}))";
const char* const kWireLength = "π · {D} · {N1}";
const char* const kMass = "{ρ} · 10⁻⁶ · π · {d}² / 4 · {Lпр}";

} // namespace

const std::vector<SpringSymbol>& springSymbols()
{
    static const std::vector<SpringSymbol> symbols {
        { "d", "d", &S::d, "мм", "Диаметр проволоки" },
        { "D", "D", &S::D, "мм", "Средний диаметр пружины" },
        { "n", "n", &S::n, "", "Число рабочих витков" },
        { "N1", "N1", &S::N1, "", "Полное число витков" },
        { "L0", "L0", &S::L0, "мм", "Длина пружины в свободном состоянии" },
        { "L1", "L1", &S::L1, "мм", "Длина пружины при предварительной деформации" },
        { "L2", "L2", &S::L2, "мм", "Длина пружины при рабочей деформации" },
        { "L3", "L3", &S::L3, "мм", "Длина пружины при максимальной деформации" },
        { "F1", "F1", &S::F1, "Н", "Сила пружины при предварительной деформации" },
        { "F2", "F2", &S::F2, "Н", "Сила пружины при рабочей деформации" },
        { "F3", "F3", &S::F3, "Н", "Сила пружины при максимальной деформации" },
        { "s2", "s2", &S::s2, "мм", "Деформация при длине L2" },
        { "G", "G", &S::G, "МПа", "Модуль сдвига" },
        { "E", "E", &S::E, "МПа", "Модуль упругости" },
        { "rho", "ρ", &S::rho, "г/см³", "Плотность материала" },
        { "Rm", "Rm", &S::Rm, "МПа", "Предел прочности проволоки диаметра d" },
        { "nu", "ν", &S::nu, "", "Коэффициент опирания концов" },
        { "w", "w", &S::w, "", "Индекс пружины" },
        { "k", "k", &S::k, "", "Коэффициент напряжения (Бергштрессер)" },
        { "R", "R", &S::R, "Н/мм", "Жесткость изготовленной пружины" },
        { "FL1", "F(L1)", &S::FL1, "Н", "Сила изготовленной пружины при длине L1" },
        { "FL2", "F(L2)", &S::FL2, "Н", "Сила изготовленной пружины при длине L2" },
        { "dev1", "ΔF1", &S::dev1, "%", "Отклонение силы при L1 от F1" },
        { "dev2", "ΔF2", &S::dev2, "%", "Отклонение силы при L2 от F2" },
        { "tauk2", "τk2", &S::tauk2, "МПа", "Напряжение с поправкой при силе F2" },
        { "tauk3", "τk3", &S::tauk3, "МПа", "Напряжение с поправкой при силе F3" },
        { "tauzul", "τzul", &S::tauzul, "МПа", "Допускаемое статическое напряжение" },
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

double madeSpringRate(const Peremenn& done)
{
    const double D = done.D1 - done.d;
    if (!done.calcComplete || done.d <= 0 || D <= 0 || done.nCalc <= 0)
        return 0;
    return 1000 * done.G * std::pow(done.d, 4) / (8 * std::pow(D, 3) * done.nCalc);
}

const CheckRow* Verification::row(const char* key) const
{
    for (const CheckRow& r : rows)
        if (std::string_view(r.key) == key)
            return &r;
    return nullptr;
}

const SeatingCase* seatingCase(double nu)
{
    for (const SeatingCase& c : kSeatingCases)
        if (c.nu == nu)
            return &c;
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

namespace {

const SpringSymbol* symbolOf(double MadeSpring::*field)
{
    for (const SpringSymbol& s : springSymbols())
        if (s.field == field)
            return &s;
    return nullptr;
}

// The tensile strength of the final wire: the row of "sigmdiam.dat"
// nearest at or above d, in the material class's block of "sigmab.dat", as
// the method looks up its own. The method's own look-up is taken over when
// it was made for the same wire.
struct Strength {
    double value = 0; // 0 when the catalogue has none
    std::string source;
    std::string file; // the line read, for the trace
    int line = 0;
    std::string lineText;
};

// The two tensile-strength files as read. Kept while the source vouches
// that neither changed (DataFiles::stamp), so a run over many designs, or a
// window checking each calculation, does not read them again; a change is
// seen at the next check.
struct StrengthFiles {
    std::string stamp; // empty: not to be kept
    std::optional<std::vector<std::string>> diameters;
    std::optional<std::vector<std::string>> strengths;
};

std::optional<std::vector<std::string>> linesOf(const DataFiles& files, const char* name)
{
    TextReader r;
    if (!files.open(r, name))
        return std::nullopt;
    std::vector<std::string> lines;
    while (!r.eof())
        lines.push_back(r.readLine());
    return lines;
}

const StrengthFiles& strengthFiles(const DataFiles& files)
{
    thread_local StrengthFiles kept;
    const auto a = files.stamp("sigmdiam.dat");
    const auto b = a ? files.stamp("sigmab.dat") : std::nullopt;
    const std::string stamp = b ? *a + '\n' + *b : std::string();
    if (!stamp.empty() && stamp == kept.stamp)
        return kept;
    kept.stamp = stamp;
    kept.diameters = linesOf(files, "sigmdiam.dat");
    kept.strengths = kept.diameters ? linesOf(files, "sigmab.dat") : std::nullopt;
    return kept;
}

Strength strengthOf(const Peremenn& p, const DataFiles& files)
{
    Strength s;
    const MaterialClass* cls = findMaterialClass(p.materialClass);
    if (!cls || cls->sigmaBlock < 0) {
        s.source = "в каталоге нет предела прочности для этого класса материала";
        return s;
    }
    if (p.SIGMA_B > 0 && p.dpr == p.d) {
        s.value = p.SIGMA_B;
        s.source = "σB расчета: тот же диаметр проволоки";
        return s;
    }
    const StrengthFiles* kept = nullptr;
    try {
        kept = &strengthFiles(files);
    } catch (...) { // refused as too big, say: the method read them, so hardly ever
        s.source = "ошибка чтения: " + errorText(std::current_exception());
        return s;
    }
    const StrengthFiles& f = *kept;
    if (!f.strengths) {
        s.source = "нет файла " + std::string(f.diameters ? "sigmab.dat" : "sigmdiam.dat");
        return s;
    }
    int best = -1;
    double bestD = 0;
    for (size_t row = 0; row < f.diameters->size(); ++row) {
        double v = 0;
        if (tryStrToFloat((*f.diameters)[row], v) && v >= p.d && (best < 0 || v < bestD)) {
            best = static_cast<int>(row);
            bestD = v;
        }
    }
    const size_t line = static_cast<size_t>(best + cls->sigmaBlock * kSigmaBlockRows);
    double value = 0;
    if (best < 0 || line >= f.strengths->size() || !tryStrToFloat((*f.strengths)[line], value)
        || value <= 0) {
        s.source = "в каталоге нет предела прочности для d = " + numText(p.d) + " мм";
        return s;
    }
    s.value = value;
    s.source = "sigmab.dat, " + std::string(kSigmaBlockCaptions[static_cast<size_t>(cls->sigmaBlock)])
        + ", d = " + numText(bestD) + " мм";
    s.file = "sigmab.dat";
    s.line = static_cast<int>(line) + 1;
    s.lineText = (*f.strengths)[line];
    return s;
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
        if (!on())
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

    void check(const Verification& v, const CheckRow& row)
    {
        if (row.verdict == CheckVerdict::Info)
            return;
        trace_->steps.emplace_back();
        TraceStep& step = trace_->steps.back();
        step.kind = StepKind::Check;
        step.caption = row.caption;
        if (row.made) {
            step.value = *row.made;
            step.valueText = numText(*row.made);
        }
        step.text = checkRowText(v, row);
        step.passed = row.verdict != CheckVerdict::Failed;
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

// The spring's geometry, loads and material as the report gives them.
void takeSpring(MadeSpring& s, const Peremenn& p, Steps& steps)
{
    s.d = p.d;
    s.D = p.D1 - p.d;
    s.n = p.nCalc;
    s.N1 = p.N1;
    s.L0 = p.L0calc;
    s.L1 = p.L1;
    s.L2 = p.L2;
    s.L3 = p.L3;
    s.F1 = p.F1;
    s.F2 = p.F2;
    s.F3 = p.F3;
    s.s2 = p.L0calc - p.L2;
    s.G = 1000 * p.G;
    s.E = 10000 * p.E;
    s.rho = p.ro;
    steps.note(kCheckHeading);
    steps.input(&S::d, "проволока по нормали");
    steps.input(&S::D, "D1 − d");
    steps.input(&S::n, "число рабочих витков расчетное");
    for (double S::*f : { &S::N1, &S::L0, &S::L1, &S::L2, &S::L3, &S::F1, &S::F2, &S::F3 })
        steps.input(f, "из отчета");
    steps.input(&S::s2, "L0 − L2");
    steps.input(&S::G, "1000 · G каталога (10³ МПа)");
    steps.input(&S::E, "10000 · E каталога (10⁴ МПа)");
    steps.input(&S::rho, "из свойств материала");
    steps.input(&S::nu, seatingCase(s.nu) ? seatingCase(s.nu)->caption : "");
}

void work(MadeSpring& s, const Peremenn& p, Steps& steps)
{
    s.w = s.D / s.d;
    steps.value(&S::w, kIndexFormula);
    s.k = (s.w + 0.5) / (s.w - 0.75);
    steps.value(&S::k, kBergstraesser);
    s.R = s.G * std::pow(s.d, 4) / (8 * std::pow(s.D, 3) * s.n);
    steps.value(&S::R, kRateFormula);
    s.FL1 = s.R * (s.L0 - s.L1);
    steps.value(&S::FL1, "{R} · ({L0} − {L1})");
    s.FL2 = s.R * (s.L0 - s.L2);
    steps.value(&S::FL2, "{R} · ({L0} − {L2})");
    s.dev1 = 100 * (s.FL1 - s.F1) / s.F1;
    steps.value(&S::dev1, "100 · ({F(L1)} − {F1}) / {F1}");
    s.dev2 = 100 * (s.FL2 - s.F2) / s.F2;
    steps.value(&S::dev2, "100 · ({F(L2)} − {F2}) / {F2}");
    const double perForce = s.k * 8 * s.D / (kPi * std::pow(s.d, 3));
    s.tauk2 = perForce * s.F2;
    steps.value(&S::tauk2, kStressAtF2);
    s.tauk3 = perForce * s.F3;
    steps.value(&S::tauk3, kStressAtF3);
    if (s.Rm > 0) {
        s.tauzul = kStaticShare * s.Rm;
        steps.value(&S::tauzul, "0,5 · {Rm}");
        s.taucZul = kSolidShare * s.Rm;
        steps.value(&S::taucZul, "0,56 · {Rm}");
    } else { // no strength in the catalogue: the method's allowable stress stands in
        s.tauzul = s.taucZul = p.tau;
        steps.input(&S::tauzul, "[τ] расчета: нет Rm");
        steps.input(&S::taucZul, "[τ] расчета: нет Rm");
    }
    s.Lc = madeSolidLength(s.N1, s.d);
    steps.value(&S::Lc, kSolidLength);
    s.Sa = (0.0015 * s.D * s.D / s.d + 0.1 * s.d) * s.n;
    steps.value(&S::Sa, kGaps);
    s.Ln = s.Lc + s.Sa;
    steps.value(&S::Ln, kLeastLength);
    s.FLc = s.R * std::max(s.L0 - s.Lc, 0.0);
    steps.value(&S::FLc, kSolidForce);
    s.tauc = 8 * s.D * s.FLc / (kPi * std::pow(s.d, 3));
    steps.value(&S::tauc, kSolidStress);
    if (s.E > s.G) {
        const double ratio = s.G / s.E;
        const double slender = kPi * s.D / (s.nu * s.L0);
        const double underRoot = 1 - (1 - ratio) / (0.5 + ratio) * slender * slender;
        s.bucklingFree = underRoot < 0;
        s.sK = s.bucklingFree ? 0 : s.L0 * 0.5 / (1 - ratio) * (1 - std::sqrt(underRoot));
        if (s.bucklingFree)
            steps.note("sK: подкоренное выражение отрицательно — пружина не теряет устойчивости");
        else
            steps.value(&S::sK, kBuckling);
    }
    s.fe = s.d / (2 * kPi * s.n * s.D * s.D) * std::sqrt(1e9 * s.G / (2 * s.rho));
    steps.value(&S::fe, kFrequency);
    s.wireLength = kPi * s.D * s.N1;
    steps.value(&S::wireLength, kWireLength);
    s.mass = s.rho * 1e-6 * kPi * s.d * s.d / 4 * s.wireLength;
    steps.value(&S::mass, kMass);
}

CheckRow info(
    const char* key, const char* caption, const char* unit, std::optional<double> method, double made)
{
    CheckRow row;
    row.key = key;
    row.caption = caption;
    row.unit = unit;
    row.method = method;
    row.made = made;
    return row;
}

// A row whose made value must not pass `limit` (above it when `atMost`).
CheckRow limited(CheckRow row, double limit, const char* rule, bool atMost, CheckVerdict beyond)
{
    row.limit = limit;
    row.limitRule = rule;
    row.limitShown = true;
    const double v = *row.made;
    const bool within = atMost ? v <= limit : v >= limit;
    row.verdict = within ? CheckVerdict::Passed : beyond;
    if (!within)
        row.severity = atMost ? v / limit : limit / v;
    return row;
}

CheckRow forceRow(const char* key, const char* caption, double force, double made, double dev)
{
    CheckRow row = info(key, caption, "Н", force, made);
    row.limit = kForceTolerance;
    row.limitRule = "±5 %";
    const bool within = std::fabs(dev) <= kForceTolerance;
    row.verdict = within ? CheckVerdict::Passed : CheckVerdict::Failed;
    if (!within)
        row.severity = std::fabs(dev) / kForceTolerance;
    return row;
}

CheckRow bucklingRow(const MadeSpring& s)
{
    CheckRow row = info("sK", "Критическая деформация sK", "мм", s.s2, s.sK);
    if (s.E <= s.G || s.bucklingFree) { // not checked, or cannot buckle
        row.made.reset();
        if (s.bucklingFree) {
            row.limitRule = "s2 < sK";
            row.verdict = CheckVerdict::Passed;
        }
        return row;
    }
    row.limit = s.sK;
    row.limitRule = "s2 < sK";
    const bool stable = s.s2 < s.sK;
    row.verdict = stable ? CheckVerdict::Passed : CheckVerdict::Failed;
    if (!stable)
        row.severity = s.s2 / s.sK;
    return row;
}

std::vector<CheckRow> rowsOf(const MadeSpring& s, const Peremenn& p)
{
    const bool ownStrength = s.Rm > 0;
    const char* const zul = ownStrength ? "≤ 0,5·Rm" : "≤ [τ] расчета";
    const char* const czul = ownStrength ? "≤ 0,56·Rm" : "≤ [τ] расчета";
    std::vector<CheckRow> rows;
    rows.reserve(17);
    rows.push_back(info("Rm", "Предел прочности Rm", "МПа",
        ownStrength && p.SIGMA_B > 0 ? std::optional<double>(p.SIGMA_B) : std::nullopt, s.Rm));
    CheckRow index = info("w", "Индекс пружины w = D/d", "", p.i, s.w);
    index.limitRule = "4…12";
    index.verdict = s.w >= kLeastIndex && s.w <= kLargestIndex ? CheckVerdict::Passed : CheckVerdict::Remark;
    rows.push_back(index);
    rows.push_back(info("k", "Коэффициент напряжения k (Бергштрессер)", "", p.k1, s.k));
    rows.push_back(info("R", "Жесткость пружины R", "Н/мм", p.c, s.R));
    rows.push_back(forceRow("F1", "Сила при длине L1", s.F1, s.FL1, s.dev1));
    rows.push_back(forceRow("F2", "Сила при длине L2", s.F2, s.FL2, s.dev2));
    rows.push_back(limited(info("tauk2", "Напряжение τk2 при F2", "МПа", p.tau2, s.tauk2), s.tauzul, zul,
        true, CheckVerdict::Failed));
    rows.push_back(limited(info("tauk3", "Напряжение τk3 при F3", "МПа", p.tau3, s.tauk3), s.tauzul, zul,
        true, CheckVerdict::Failed));
    rows.push_back(
        info("Lc", "Длина сжатой до соприкосновения пружины Lc = N1·d", "мм", (p.N1 - 0.5) * p.d, s.Lc));
    rows.push_back(info("Sa", "Наименьшая сумма зазоров Sa", "мм", std::nullopt, s.Sa));
    rows.push_back(limited(info("L2", "Рабочая длина L2 не меньше Ln = Lc + Sa", "мм", s.L2, s.Ln), s.L2,
        "Ln ≤ L2", true, CheckVerdict::Failed));
    rows.push_back(limited(info("L3", "Длина L3 расчета не меньше Ln", "мм", s.L3, s.Ln), s.L3, "Ln ≤ L3",
        true, CheckVerdict::Remark));
    rows.push_back(limited(info("tauc", "Напряжение τc при длине Lc", "МПа", std::nullopt, s.tauc), s.taucZul,
        czul, true, CheckVerdict::Failed));
    rows.push_back(bucklingRow(s));
    rows.push_back(info("fe", "Собственная частота fe", "Гц", std::nullopt, s.fe));
    rows.push_back(info("wireLength", "Длина проволоки π·D·N1", "мм", p.L, s.wireLength));
    rows.push_back(info("mass", "Масса пружины по плотности", "кг", p.M, s.mass));
    return rows;
}

int worstRowOf(const std::vector<CheckRow>& rows)
{
    int worst = -1;
    for (size_t k = 0; k < rows.size(); ++k)
        if (rows[k].verdict == CheckVerdict::Failed
            && (worst < 0 || rows[k].severity > rows[static_cast<size_t>(worst)].severity))
            worst = static_cast<int>(k);
    return worst;
}

} // namespace

Verification verifySpring(const Peremenn& done, const DataFiles& files, double nu, bool trace)
{
    Verification v;
    if (!done.calcComplete) {
        v.refusal = "Расчет не выполнен до конца: проверять нечего";
        return v;
    }
    MadeSpring& s = v.spring;
    s.nu = nu;
    Steps steps(trace ? &v.trace : nullptr, s);
    takeSpring(s, done, steps);
    if (!(s.d > 0 && s.D > 0 && s.n > 0 && s.F1 > 0 && s.F2 > 0 && s.rho > 0 && s.G > 0)) {
        v.refusal = "Пружину нельзя проверить: d, D, n, F1, F2, ρ и G должны быть больше 0";
        return v;
    }
    const Strength strength = strengthOf(done, files);
    s.Rm = strength.value;
    v.rmSource = strength.source;
    if (steps.on()) {
        TraceStep& step = steps.add(strength.file.empty() ? StepKind::Input : StepKind::Lookup, &S::Rm);
        step.file = strength.file;
        step.line = strength.line;
        step.lineText = strength.lineText;
        step.text = strength.source;
    }
    work(s, done, steps);
    v.rows = rowsOf(s, done);
    v.available = true;
    v.worstRow = worstRowOf(v.rows);
    v.passed = v.worstRow < 0;
    if (steps.on()) {
        for (const CheckRow& row : v.rows)
            steps.check(v, row);
        steps.note("Итог проверки: " + verificationVerdictText(v));
    }
    return v;
}
