#include "engine/method/calc.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/materialclass.h"
#include "engine/catalogue/textfile.h"
#include "engine/common/arith.h"
#include "engine/common/errortext.h"
#include "engine/common/numtext.h"
#include "engine/method/calccontext.h"
#include "engine/method/calchost.h"
#include "engine/method/lookups.h"
#include "engine/method/peremenn.h"
#include "engine/method/reportchecks.h"

#include <cmath>

namespace {

using P = CalcValues;

constexpr double kLargestK3 = 59.43; // k3 of the index 10, the last tabulated
constexpr double kLargestIndex = 15;

const char* const kMm = " мм";
const char* const kMpa = " МПа";
const char* const kNPerMm = " Н/мм";

const ReportValue kF3(&P::F3, 28, "F3=", " H");
const ReportValue kTaupr(&P::taupr, 4, "taupr=", kMpa);
const ReportValue kK3(&P::k3, 85, "k3=");
const ReportValue kIpr(&P::ipr, 40, "ipr=");
const ReportValue kK1pr(&P::k1pr, 85, "k1=");
const ReportValue kDpr(&P::dpr, 34, "d=", kMm);
const ReportValue kDprListed("Диаметр проволоки по нормали", 54, "d=", &P::dpr, kMm);
const ReportValue kSigmaB(&P::SIGMA_B, 49, "SIGMА_B=", kMpa); // Cyrillic А
const ReportValue kTau(&P::tau, 40, "tau=", kMpa);
const ReportValue kI(&P::i, 80, "i=");
const ReportValue kK1(&P::k1, 85, "k1=");
const ReportValue kD(&P::d, 74, "d=", kMm);
const ReportValue kDListed("Диаметр проволоки по нормали", 53, "d=", &P::d, kMm);
const ReportValue kK2(&P::k2, 85, "k2=");
const ReportValue kC1(&P::C1, 66, "С1=", kNPerMm); // Cyrillic С
const ReportValue kDcp(&P::Dcp, 63, "Dср=", kMm);
const ReportValue kS3coil(&P::S3coil, 20, "S3=");
const ReportValue kNCalc(&P::nCalc, 52, "n=");
const ReportValue kC(&P::c, 73, "c=", kNPerMm);
const ReportValue kVkr(&P::Vkr, 70, "Vкр=", " м/с");
const ReportValue kS1(&P::S1, 55, "S1=", kMm);
const ReportValue kS2(&P::S2, 71, "S2=", kMm);
const ReportValue kS3(&P::S3, 59, "S3=", kMm);
const ReportValue kN1(&P::N1, 72, "N1=");
const ReportValue kT(&P::t, 86, "t=", kMm);
const ReportValue kL3(&P::L3, 26, "L3=", kMm);
const ReportValue kL0(&P::L0calc, 40, "L0=", kMm);
const ReportValue kL0New("Новая длина пружины в свободном состоянии", 40, "L0=", &P::L0calc, kMm);
const ReportValue kL1(&P::L1, 21, "L1=", kMm);
const ReportValue kL2(&P::L2, 37, "L2=", kMm);
const ReportValue kL(&P::L, 59, "L=", kMm);
const ReportValue kM(&P::M, 81, "M=", " кг");

// Formulas used in more than one place; operands in braces (engine/method/trace.h).
const char* const kWahlOfIpr = "(4 · {i'} − 1) / (4 · {i'} − 4) + 0,615 / {i'}";
const char* const kWahlOfI = "(4 · {i} − 1) / (4 · {i} − 4) + 0,615 / {i}";
const char* const kWire = "√(2,55 · {i} · {k1} · {F3} / {τ})";
const char* const kIndexOfChoice = "({D1} − {dвыб}) / {dвыб}";
const char* const kCoilsFromStroke = "round({C1} · {H} / ({F2} − {F1}))";
const char* const kSolid = "({N1} − 0,5) · {d}";
const char* const kChosen = "{dвыб}";

const char* const kIndexTooLarge = "Индекс пружины i>15.\rИзмените исходные данные и повторите расчет.";

std::string groupNumeral(int group)
{
    static const char* const numerals[] = { "I", "II", "III", "IV" };
    return group >= 1 && group <= 4 ? numerals[group - 1] : std::to_string(group);
}

std::string groupText(int group)
{
    return " не применяется для группы-" + groupNumeral(group);
}

class Calculation {
public:
    explicit Calculation(CalcContext& c)
        : c(c)
        , p(c.p)
    {
    }

    bool run()
    {
        if (!start())
            return false;
        bool chosen = table == StressTable::FirstApproximation ? firstTablePath()
            : table == StressTable::Final                      ? secondTablePath()
                                                               : true;
        return chosen && wireDiameter() && secondStage();
    }

private:
    CalcContext& c;
    Peremenn& p;
    const MaterialClass* cls = nullptr;
    StressTable table = StressTable::None;

    // A value the diameter choice has set already is only reported.
    const char* unlessChosen(const char* formula) const { return p.userChoice ? nullptr : formula; }

    // A failed check: message, the same report line where asked, the stop.
    bool fail(const std::string& text, bool reportIt)
    {
        c.message(text);
        if (reportIt)
            c.text(text);
        p.stop(text);
        return false;
    }

    // The diameter is asked when k3 lies beyond the tables, and always when
    // the host knows the answer beforehand.
    bool diameterAsked(bool beyondTables) const { return beyondTables || c.choiceForced(); }

    bool askDiameter(bool beyondTables)
    {
        if (beyondTables)
            c.message(kK3BeyondTablesMessage);
        if (!c.chooseDiameter()) {
            p.stop("диаметр проволоки не выбран");
            return false;
        }
        return true;
    }

    bool k3WithinTables()
    {
        return c.check({ "{k3}", p.k3 }, "≤", { "59,43", kLargestK3 }, p.k3 <= kLargestK3);
    }
    bool indexWithinLimit()
    {
        return c.check({ "{i}", p.i }, "≤", { "15", kLargestIndex }, p.i <= kLargestIndex);
    }

    void traceInputs()
    {
        c.inputNote("Материал " + p.in.materialName + ", группа " + groupNumeral(p.in.group)
            + (p.in.mode == 2 ? ", заданы длина свободной пружины и число витков" : ", задан рабочий ход"));
        for (double P::*field : { &P::F1, &P::F2, &P::D1 })
            c.input(field);
        if (p.in.mode == 2) {
            c.input(&P::L0);
            c.input(&P::n);
        } else {
            c.input(&P::H);
        }
        c.input(&P::Vmax);
    }

    bool readMaterial()
    {
        const std::string file = propertiesFileName(p.in.materialName);
        TextReader reader;
        if (!c.files().open(reader, file)) {
            c.message(noFileMessage(file));
            return false;
        }
        // Its four lines; whatever follows them is never read.
        std::vector<std::string> lines;
        while (!reader.eof() && lines.size() < 4)
            lines.push_back(reader.readLine());
        const MaterialProperties props = parseProperties(lines, p.in.materialName);
        p.ro = props.ro;
        p.E = props.E;
        p.G = props.G;
        p.materialClass = props.materialClass;
        cls = findMaterialClass(p.materialClass);
        if (c.tracing()) {
            // The file holds ρ, E, G and the class code, a line each.
            double P::*fields[] = { &P::ro, &P::E, &P::G };
            for (size_t k = 0; k < std::size(fields); ++k)
                c.nameStep(c.lookup(file, static_cast<int>(k + 1), lines[k], "свойство материала"), fields[k],
                    p.*fields[k]);
            c.lookup(file, 4, lines[3],
                cls ? std::string("класс материала ") + cls->caption : "класс материала без таблиц");
        }
        return true;
    }

    bool start()
    {
        c.enablePrint();
        c.clearReport();
        if (c.tracing())
            traceInputs();
        p.F3 = checked(1.25 * p.F2);
        c.value(&P::F3, "1,25 · {F2}");

        if (!readMaterial())
            return false;
        table = cls ? cls->table : StressTable::None;
        const char* file = stressTableFile(table);
        TextReader r;
        if (!c.files().open(r, file)) {
            c.message(noFileMessage(file));
            return false;
        }
        if (p.in.group >= 1 && p.in.group <= 4) {
            const int line = cls->tableSkip + p.in.group;
            for (int skip = line - 1; skip > 0; --skip)
                r.readLine();
            const std::string value = r.readLine();
            if (c.tracing()) {
                TraceStep& step = c.lookup(
                    file, line, value, std::string(cls->caption) + ", группа " + groupNumeral(p.in.group));
                if (value != "-1")
                    c.nameStep(step, table == StressTable::FirstApproximation ? &P::taupr : &P::tau,
                        strToFloat(value));
            }
            if (value == "-1")
                return fail("Материал " + p.in.materialName + groupText(p.in.group), true);
            p.tauTable = strToFloat(value);
        }
        c.line(kF3);
        return true;
    }

    bool firstTablePath()
    {
        p.taupr = p.tauTable;
        c.line(kTaupr);
        p.k3 = dv(p.D1, root(dv(p.F3, p.taupr)));
        c.value(&P::k3, "{D1} / √({F3} / {τ'})");
        if (const bool beyond = !k3WithinTables(); diameterAsked(beyond)) {
            if (!askDiameter(beyond))
                return false;
            p.ipr = dv(p.D1 - p.chosenD, p.chosenD);
            c.value(&P::ipr, "({D1} − {dвыб}) / {dвыб}");
            p.k1pr = dv(4 * p.ipr + 2, 4 * p.ipr - 3);
            c.value(&P::k1pr, "(4 · {i'} + 2) / (4 · {i'} − 3)");
            noteDivisor("i'", p.ipr, 3);
            p.dpr = p.chosenD;
            c.value(&P::dpr, kChosen);
            p.userChoice = true;
        }
        c.line(kK3);
        // A diameter from the dialog skips the computations, not the lines:
        // they show the values the dialog's choice gave.
        if (!p.userChoice) {
            auto ipr = FindIpoK3(c, p.k3, &P::ipr);
            if (!ipr)
                return false;
            p.ipr = *ipr;
        }
        c.line(kIpr);
        if (!p.userChoice)
            p.k1pr = wahl(p.ipr);
        c.line(kK1pr, unlessChosen(kWahlOfIpr));
        if (!p.userChoice)
            noteDivisor("i'", p.ipr, 4);
        if (!p.userChoice)
            p.dpr = root(dv(2.55 * p.ipr * p.k1pr * p.F3, p.taupr));
        c.line(kDpr, unlessChosen("√(2,55 · {i'} · {k1'} · {F3} / {τ'})"));
        if (!p.userChoice) {
            auto listed = podbor(c, p.dpr, &P::dpr);
            if (!listed)
                return false;
            p.dpr = *listed;
        }
        c.line(kDprListed);
        auto sigma = loadSigma(c, p.dpr);
        if (!sigma || p.stopped())
            return false;
        p.SIGMA_B = *sigma;
        c.line(kSigmaB);

        p.tauFactor = allowableShare(p.materialClass, p.in.group);
        if (c.tracing())
            c.nameStep(c.lookup({}, 0, {},
                           std::string("таблица долей σB: ") + cls->caption + ", группа "
                               + groupNumeral(p.in.group)),
                &P::tauFactor, p.tauFactor);
        if (p.tauFactor == -1.0)
            return fail("Материал " + p.in.materialName + groupText(p.in.group), true);
        p.tau = checked(p.tauFactor * p.SIGMA_B);
        c.line(kTau.label + numText(p.tauFactor) + " * SIGMA_B=", kTau, "{kτ} · {σB}");

        p.i = checked(dv(p.D1, p.dpr) - 1);
        c.value(&P::i, "{D1} / {d'} − 1");
        if (!indexWithinLimit())
            return fail(kIndexTooLarge, false);
        c.line(kI);
        if (p.userChoice) {
            p.d = p.chosenD;
            c.value(&P::d, kChosen);
            p.k1 = wahl(p.i);
            c.value(&P::k1, kWahlOfI);
            noteDivisor("i", p.i, 4);
        }
        return true;
    }

    bool secondTablePath()
    {
        p.tau = p.tauTable;
        c.line(kTau);
        p.k3 = dv(p.D1, root(dv(p.F3, p.tau)));
        c.line(kK3, "{D1} / √({F3} / {τ})");
        if (const bool beyond = !k3WithinTables(); diameterAsked(beyond)) {
            if (!askDiameter(beyond))
                return false;
            p.i = dv(p.D1 - p.chosenD, p.chosenD);
            c.value(&P::i, kIndexOfChoice);
            if (!indexWithinLimit())
                return fail(kIndexTooLarge, false);
            p.d = p.chosenD;
            c.value(&P::d, kChosen);
            p.k1 = wahl(p.i);
            c.value(&P::k1, kWahlOfI);
            noteDivisor("i", p.i, 4);
            p.userChoice = true;
        } else if (!p.userChoice) {
            auto i = FindIpoK3(c, p.k3, &P::i);
            if (!i)
                return false;
            p.i = *i;
        }
        if (!p.userChoice) {
            p.k1 = wahl(p.i);
            c.value(&P::k1, kWahlOfI);
            noteDivisor("i", p.i, 4);
            p.d = root(dv(2.55 * p.i * p.k1 * p.F3, p.tau));
            c.value(&P::d, kWire);
            auto listed = podbor(c, p.d, &P::d);
            if (!listed)
                return false;
            p.d = *listed;
            p.i = checked(dv(p.D1, p.d) - 1);
            c.value(&P::i, "{D1} / {d} − 1");
        }
        c.line(kI);
        return true;
    }

    // Both paths: the index gives the wire, rounded up to a stocked one.
    // With a diameter from the dialog, k1 and d are already set and only
    // their lines are written.
    bool wireDiameter()
    {
        if (!p.userChoice)
            p.k1 = wahl(p.i);
        c.line(kK1, unlessChosen(kWahlOfI));
        if (!p.userChoice)
            noteDivisor("i", p.i, 4);
        if (!p.userChoice)
            p.d = root(dv(2.55 * p.i * p.k1 * p.F3, p.tau));
        c.line(kD, unlessChosen(kWire));
        if (!p.userChoice) {
            auto listed = podbor(c, p.d, &P::d);
            if (!listed)
                return false;
            p.d = *listed;
        }
        if (p.stopped())
            return false;
        c.line(kDListed);
        p.wireChosen = true;
        return true;
    }

    double coilsFromStroke()
    {
        const double exact = dv(p.C1 * p.H, p.F2 - p.F1);
        if (c.tracing()) {
            // A half that 15 digits would show is shown in full: it decides.
            const bool half = std::fabs(exact - std::floor(exact) - 0.5) < 1e-9;
            roundingNote_ = "до округления " + (half ? exactText(exact) : numText(exact))
                + "; округляется до ближайшего целого, ровно половина — до четного";
        }
        return nearest(exact);
    }
    std::string roundingNote_; // of the last coilsFromStroke(), for its step

    // A divisor 4·x − constant that the printed numbers would show as 0
    // but is not: printed with x in full, so the step can be checked.
    void noteDivisor(const char* symbol, double x, double constant)
    {
        const double divisor = 4 * x - constant;
        if (!c.tracing() || divisor == 0 || std::fabs(divisor) >= 1e-12 * constant)
            return;
        const std::string tail = " − " + numText(constant) + " = ";
        c.note("знаменатель 4 · " + std::string(symbol) + tail + "4 · " + exactText(x) + tail
            + numText(divisor));
    }

    void pitch()
    {
        if (p.userChoice) {
            p.t = dv(p.L0 - 1.5 * p.d, p.n);
            pitchValue("({L0зад} − 1,5 · {d}) / {nзад}");
        } else {
            p.t = checked(p.S3coil + p.d);
            pitchValue("{s3} + {d}");
        }
    }

    void pitchValue(const char* formula)
    {
        c.value(&P::t, formula);
        if (!isPitch(p.t))
            c.note(kNoPitch);
    }

    bool secondStage()
    {
        p.k2 = checked(1 + dv(1, 2 * p.i) - dv(1, 2 * (p.i * p.i)));
        c.line(kK2, "1 + 1 / (2 · {i}) − 1 / (2 · {i}²)");
        p.C1 = dv(1000 * p.G * p.d, 8 * (p.i * p.i * p.i) * p.k2);
        c.line(kC1, "1000 · {G} · {d} / (8 · {i}³ · {k2})");
        p.Dcp = checked(p.D1 - p.d);
        c.line(kDcp, "{D1} − {d}");
        p.S3coil = dv(p.F3, p.C1);
        c.line(kS3coil, "{F3} / {C1}");
        if (p.userChoice && p.n == 0) {
            p.n = coilsFromStroke();
            c.value(&P::n, kCoilsFromStroke);
            c.note(roundingNote_);
            // Not given: worked out from the stroke for the pitch.
            c.recaption("Число рабочих витков по рабочему ходу (не задано)");
        }
        pitch();
        if (p.in.mode == 1)
            p.nCalc = coilsFromStroke();
        else if (p.in.mode == 2)
            p.nCalc = p.n;
        c.line(kNCalc, p.in.mode == 1 ? kCoilsFromStroke : p.in.mode == 2 ? "{nзад}" : nullptr);
        if (p.in.mode == 1)
            c.note(roundingNote_);
        p.c = dv(p.C1, p.nCalc);
        c.line(kC, "{C1} / {n}");

        c.text(kImpactHeading);
        p.Vkr = dv(139 * p.tau, root(checked(1000 * p.G * 1000 * p.ro)));
        c.line(kVkr, "139 · {τ} / √(1000 · {G} · 1000 · {ρ})");
        const double speedRatio = dv(p.Vmax, p.Vkr);
        if (!c.check({ "{Vmax} / {Vкр}", speedRatio }, "≤", { "1", 1 }, speedRatio <= 1))
            return fail(kImpactFailed, false);
        c.text(kImpactPassed);

        p.S1 = dv(p.F1, p.c);
        c.line(kS1, "{F1} / {c}");
        p.S2 = dv(p.F2, p.c);
        c.line(kS2, "{F2} / {c}");
        p.S3 = dv(p.F3, p.c);
        c.line(kS3, "{F3} / {c}");
        p.N1 = checked(p.nCalc + 2);
        c.line(kN1, "{n} + 2");

        lengths();
        c.line(kT);
        c.line(kL3);
        c.line(kL0);
        p.L1 = checked(p.L0calc - p.S1);
        c.line(kL1, "{L0} − {S1}");
        p.L2 = checked(p.L0calc - p.S2);
        c.line(kL2, "{L0} − {S2}");

        p.L = checked(3.2 * p.N1 * (p.D1 - p.d));
        c.line(kL, "3,2 · {N1} · ({D1} − {d})");
        p.M = checked(0.00001925 * p.Dcp * p.d * p.d * p.N1);
        c.line(kM, "0,00001925 · {Dср} · {d}² · {N1}");
        // The method sizes its own wire from [τ]; a wire chosen by the user
        // has to be checked against it before the spring is called good.
        if (p.userChoice) {
            stresses();
            if (!c.check({ "{τ3}", p.tau3 }, "≤", { "{τ}", p.tau }, !(p.tau3 > p.tau)))
                return fail(kOverstressStart + numText(p.tau3)
                        + " МПа больше допускаемого tau=" + numText(p.tau) + " МПа",
                    true);
        }

        c.text(kStabilityHeading);
        if (!coilsClear())
            c.text("При максимальной нагрузке витки пружины садятся!!!");
        if (!c.check({ "{i}", p.i }, "≥", { "3", 3 }, p.i >= 3))
            c.text("....Не рекомендуется применять пружины с i<3 из-за трудоемкости навивки");
        const double slenderness = dv(p.L0calc, p.Dcp);
        if (c.check({ "{L0} / {Dср}", slenderness }, "<", { "3", 3 }, slenderness < 3))
            c.text(kStableRemark);
        else
            c.text("Пружина теряет устойчивость L0/Dср > 3 ");

        if (!p.userChoice)
            stresses();
        return true;
    }

    // The stresses at the maximum and the working force.
    void stresses()
    {
        p.tau3 = dv(2.55 * p.i * p.k1 * p.F3, p.d * p.d);
        c.value(&P::tau3, "2,55 · {i} · {k1} · {F3} / {d}²");
        p.tau2 = dv(2.55 * p.i * p.k1 * p.F2, p.d * p.d);
        c.value(&P::tau2, "2,55 · {i} · {k1} · {F2} / {d}²");
    }

    // Length of the spring pressed solid, coil on coil.
    double solidLength() const { return checked((p.N1 - 0.5) * p.d); }

    // The coils do not touch before the maximum deflection.
    bool coilsClear()
    {
        const double solid = solidLength();
        return c.check({ kSolid, solid }, "≤", { "{L3}", p.L3 }, !(solid > p.L3));
    }

    void solidLengths()
    {
        p.L3 = solidLength();
        c.value(&P::L3, kSolid);
        p.L0calc = checked(p.L3 + p.S3);
        c.value(&P::L0calc, "{L3} + {S3}");
    }

    void lengths()
    {
        if (p.in.mode == 1) {
            solidLengths();
        } else if (p.in.mode == 2) {
            p.L0calc = p.L0;
            c.value(&P::L0calc, "{L0зад}");
            p.L3 = checked(p.L0calc - p.S3);
            c.value(&P::L3, "{L0} − {S3}");
        }
        if (!coilsClear()) {
            c.message("При максимальной нагрузке F3=" + numText(p.F3) + " витки пружины садятся!!!  L3<"
                + numText(solidLength()));
            solidLengths();
            pitch();
            c.message(
                kL3.label + numText(p.L3) + " мм.\r" + kL0New.label + numText(nearest(p.L0calc)) + " мм.");
        }
        if (p.userChoice && p.L0 == 0) {
            p.t = dv(p.L3 + p.S3 - 1.5 * p.d, p.n);
            pitchValue("({L3} + {S3} − 1,5 · {d}) / {nзад}");
        }
    }
};

} // namespace

Peremenn::Peremenn(const CalcInputs& inputs)
    : in(inputs)
{
    F1 = in.F1;
    F2 = in.F2;
    D1 = in.D1;
    H = in.H;
    Vmax = in.Vmax;
    L0 = in.L0;
    n = in.n;
}

namespace {

// Keeps the report lines and messages of one calculation for its result,
// passing the messages and the diameter question on to the caller's host;
// an answer given in the inputs is taken without asking.
class ResultHost : public CalcHost {
public:
    ResultHost(CalcResult& result, CalcHost& host)
        : result_(result)
        , host_(host)
    {
    }

    void clearReport() override
    {
        result_.report.clear();
        result_.reported.clear();
        host_.clearReport();
    }
    void reportedValue(double CalcValues::*field, double value) override
    {
        result_.reported.push_back({ field, value });
        host_.reportedValue(field, value);
    }
    void appendLine(const std::string& line) override
    {
        result_.report.push_back(line);
        host_.appendLine(line);
    }
    void showMessage(const std::string& text) override
    {
        result_.messages.push_back(text);
        host_.showMessage(text);
    }
    std::optional<double> chooseDiameter(const CalcInputs& inputs, std::optional<double> needed) override
    {
        const std::optional<double> given = result_.inputs.chosenD;
        result_.chosenD = given ? given : host_.chooseDiameter(inputs, needed);
        return result_.chosenD;
    }
    bool choiceForced() const override { return result_.inputs.askAlways || host_.choiceForced(); }
    void enablePrint() override { host_.enablePrint(); }

private:
    CalcResult& result_;
    CalcHost& host_;
};

// Why a calculation that was not stopped by a rule ended early: the
// message that said so (a missing file), or its error.
std::string lastWord(const CalcResult& r)
{
    if (!r.error.empty())
        return r.error;
    return r.messages.empty() ? std::string() : r.messages.back();
}

} // namespace

CalcInputs CalcResult::sameAnswer(CalcInputs other) const
{
    other.chosenD = chosenD;
    other.askAlways = false;
    return other;
}

CalcResult calculate(const CalcInputs& inputs, CalcHost& host, const DataFiles& files, CalcOptions options)
{
    CalcResult r;
    r.inputs = inputs;
    ResultHost collecting(r, host);
    Trace* trace = options.trace ? &r.trace : nullptr;
    CalcContext context(inputs, collecting, files, trace);
    const Peremenn& p = context.p;
    try {
        const bool complete = Calculation(context).run();
        r.outcome = complete ? Outcome::Complete : p.stopped() ? Outcome::Stopped : Outcome::Error;
    } catch (...) {
        r.error = errorText(std::current_exception());
        r.outcome = Outcome::Error;
        if (trace)
            trace->addError(r.error);
    }
    r.values = p;
    if (p.wireChosen)
        r.wire = p.d;
    r.reason = r.stopped() ? p.stopReason : r.complete() ? std::string() : lastWord(r);
    return r;
}
