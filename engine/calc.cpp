#include "engine/calc.h"

#include "engine/arith.h"
#include "engine/calchost.h"
#include "engine/catalogue.h"
#include "engine/lookups.h"
#include "engine/materialclass.h"
#include "engine/numtext.h"
#include "engine/peremenn.h"
#include "engine/textfile.h"

namespace {

constexpr double kLargestK3 = 59.43; // k3 of the index 10, the last tabulated
constexpr double kLargestIndex = 15;

// A report label: the caption, a run of blanks, the key ("k3=").
std::string label(const char* caption, int blanks, const char* key)
{
    return std::string(caption) + std::string(static_cast<size_t>(blanks), ' ') + key;
}

const std::string kF3 = label("Сила пружины при максимальной деформации", 28, "F3=");
const std::string kTaupr = label("Наибольшее допустимое напряжение в первом приближении", 4, "taupr=");
const std::string kK3 = label("Коэффициент", 85, "k3=");
const std::string kIpr = label("Индекс пружины в первом приближении", 40, "ipr=");
const std::string kK1 = label("Коэффициент", 85, "k1=");
const std::string kDpr = label("Диаметр проволоки в первом приближении", 34, "d=");
const std::string kDprListed = label("Диаметр проволоки по нормали", 54, "d=");
const std::string kSigmaB = label("Предел прочности при растяжении", 49, "SIGMА_B="); // Cyrillic А
const std::string kTau = label("Допускаемое напряжение при кручении", 40, "tau=");
const std::string kI = label("Индекс пружины", 80, "i=");
const std::string kD = label("Диаметр проволоки", 74, "d=");
const std::string kDListed = label("Диаметр проволоки по нормали", 53, "d=");
const std::string kK2 = label("Коэффициент", 85, "k2=");
const std::string kC1 = label("Жесткость одного витка", 66, "С1="); // Cyrillic С
const std::string kDcp = label("Средний диаметр пружины", 63, "Dср=");
const std::string kS3coil = label("Деформация одного витка при максимальной силе", 20, "S3=");
const std::string kNCalc = label("Число рабочих витков расчетное", 52, "n=");
const std::string kC = label("Жесткость пружины", 73, "c=");
const std::string kVkr = label("Критическая скорость", 70, "Vкр=");
const std::string kS1 = label("Деформация предварительная", 55, "S1=");
const std::string kS2 = label("Деформация рабочая", 71, "S2=");
const std::string kS3 = label("Деформация максимальная", 59, "S3=");
const std::string kN1 = label("Полное число витков", 72, "N1=");
const std::string kT = label("Шаг пружины", 86, "t=");
const std::string kL3 = label("Длина пружины при максимальной деформации", 26, "L3=");
const std::string kL0 = label("Длина пружины в свободном состоянии", 40, "L0=");
const std::string kL0New = label("Новая длина пружины в свободном состоянии", 40, "L0=");
const std::string kL1 = label("Длина пружины при предварительной деформации", 21, "L1=");
const std::string kL2 = label("Длина пружины при рабочей деформации", 37, "L2=");
const std::string kL = label("Длина развернутой пружины", 59, "L=");
const std::string kM = label("Масса пружины", 81, "M=");

const char* const kMm = " мм";
const char* const kMpa = " МПа";
const char* const kNPerMm = " Н/мм";

const char* const kUnstable = "Не выполнено условие устойчивости i>10";
const char* const kIndexTooLarge = "Индекс пружины i>15.\rИзмените исходные данные и повторите расчет.";

std::string groupText(int group)
{
    static const char* const numerals[] = {"I", "II", "III", "IV"};
    return std::string(" не применяется для группы-") + numerals[group - 1];
}

class Calculation {
public:
    Calculation(Peremenn& p, CalcHost& host) : p(p), host(host) {}

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
    Peremenn& p;
    CalcHost& host;
    StressTable table = StressTable::None;

    void line(const std::string& caption, double v, const char* unit = "")
    {
        host.appendLine(caption + numText(v) + unit);
    }

    // A failed check: message, the same report line where asked, the flag.
    bool fail(const std::string& text, bool reportIt)
    {
        host.showMessage(text);
        if (reportIt)
            host.appendLine(text);
        p.calcFailed = true;
        return false;
    }

    bool askDiameter()
    {
        host.showMessage(kUnstable);
        if (!host.chooseDiameter(p)) {
            p.calcFailed = true;
            return false;
        }
        return true;
    }

    bool start()
    {
        host.enablePrint();
        p.calcFailed = false;
        host.clearReport();
        // Values that only some paths set: cleared so that a group or mode
        // out of range cannot reuse the previous calculation's.
        p.tauTable = 0;
        p.tauFactor = 0;
        p.nCalc = 0;
        p.F3 = checked(1.25 * p.F2);

        auto props = readProperties(p.dataDir, p.materialName);
        if (!props) {
            host.showMessage(noFileMessage(propertiesFileName(p.materialName)));
            return false;
        }
        p.ro = props->ro;
        p.E = props->E;
        p.G = props->G;
        p.materialClass = props->materialClass;

        const MaterialClass* cls = findMaterialClass(p.materialClass);
        table = cls ? cls->table : StressTable::None;
        const char* file = stressTableFile(table);
        TextReader r;
        auto path = findDataFile(p.dataDir, file);
        if (!path || !r.open(*path)) {
            host.showMessage(noFileMessage(file));
            return false;
        }
        if (p.group >= 1 && p.group <= 4) {
            for (int k = 0; k < cls->tableSkip; ++k)
                r.readLine();
            std::string value;
            for (int k = 0; k < p.group; ++k)
                value = r.readLine();
            if (value == "-1")
                return fail("Материал " + p.materialName + groupText(p.group), true);
            p.tauTable = strToFloat(value);
        }
        line(kF3, p.F3, " H");
        return true;
    }

    bool firstTablePath()
    {
        p.taupr = p.tauTable;
        line(kTaupr, p.taupr, kMpa);
        p.k3 = dv(p.D1, root(dv(p.F3, p.taupr)));
        if (p.k3 > kLargestK3) {
            if (!askDiameter())
                return false;
            p.dpr = p.chosenD;
            p.ipr = dv(p.D1 - p.chosenD, p.chosenD);
            p.k1pr = dv(4 * p.ipr + 2, 4 * p.ipr - 3);
            p.userChoice = true;
        }
        line(kK3, p.k3);
        // A diameter from the dialog skips the computations, not the lines:
        // they show the values the dialog's choice gave.
        if (!p.userChoice) {
            auto ipr = FindIpoK3(p, host, p.k3);
            if (!ipr)
                return false;
            p.ipr = *ipr;
        }
        line(kIpr, p.ipr);
        if (!p.userChoice)
            p.k1pr = wahl(p.ipr);
        line(kK1, p.k1pr);
        if (!p.userChoice)
            p.dpr = root(dv(2.55 * p.ipr * p.k1pr * p.F3, p.taupr));
        line(kDpr, p.dpr, kMm);
        if (!p.userChoice) {
            auto listed = podbor(p, host, p.dpr);
            if (!listed)
                return false;
            p.dpr = *listed;
        }
        line(kDprListed, p.dpr, kMm);
        auto sigma = loadSigma(p, host, p.dpr);
        if (!sigma || p.calcFailed)
            return false;
        p.SIGMA_B = *sigma;
        line(kSigmaB, p.SIGMA_B, kMpa);

        p.tauFactor = allowableShare(p.materialClass, p.group);
        if (p.tauFactor == -1.0)
            return fail("Материал " + p.materialName + groupText(p.group), true);
        p.tau = checked(p.tauFactor * p.SIGMA_B);
        host.appendLine(kTau + numText(p.tauFactor) + " * SIGMA_B=" + numText(p.tau) + kMpa);

        p.i = checked(dv(p.D1, p.dpr) - 1);
        if (p.i > kLargestIndex)
            return fail(kIndexTooLarge, false);
        line(kI, p.i);
        if (p.userChoice) {
            p.d = p.chosenD;
            p.k1 = wahl(p.i);
        }
        return true;
    }

    bool secondTablePath()
    {
        p.tau = p.tauTable;
        line(kTau, p.tau, kMpa);
        p.k3 = dv(p.D1, root(dv(p.F3, p.tau)));
        line(kK3, p.k3);
        if (p.k3 > kLargestK3) {
            if (!askDiameter())
                return false;
            p.i = dv(p.D1 - p.chosenD, p.chosenD);
            if (p.i > kLargestIndex)
                return fail(kIndexTooLarge, false);
            p.d = p.chosenD;
            p.k1 = wahl(p.i);
            p.userChoice = true;
        } else if (!p.userChoice) {
            auto i = FindIpoK3(p, host, p.k3);
            if (!i)
                return false;
            p.i = *i;
        }
        if (!p.userChoice) {
            p.k1 = wahl(p.i);
            p.d = root(dv(2.55 * p.i * p.k1 * p.F3, p.tau));
            auto listed = podbor(p, host, p.d);
            if (!listed)
                return false;
            p.d = *listed;
            p.i = checked(dv(p.D1, p.d) - 1);
        }
        line(kI, p.i);
        return true;
    }

    // Both paths: the index gives the wire, rounded up to a stocked one.
    // With a diameter from the dialog, k1 and d are already set and only
    // their lines are written.
    bool wireDiameter()
    {
        if (!p.userChoice)
            p.k1 = wahl(p.i);
        line(kK1, p.k1);
        if (!p.userChoice)
            p.d = root(dv(2.55 * p.i * p.k1 * p.F3, p.tau));
        line(kD, p.d, kMm);
        if (!p.userChoice) {
            auto listed = podbor(p, host, p.d);
            if (!listed)
                return false;
            p.d = *listed;
        }
        if (p.calcFailed)
            return false;
        line(kDListed, p.d, kMm);
        return true;
    }

    double coilsFromStroke() const { return nearest(dv(p.C1 * p.H, p.F2 - p.F1)); }

    double pitch() const
    {
        return p.userChoice ? dv(p.L0 - 1.5 * p.d, p.n) : checked(p.S3coil + p.d);
    }

    bool secondStage()
    {
        p.k2 = checked(1 + dv(1, 2 * p.i) - dv(1, 2 * (p.i * p.i)));
        line(kK2, p.k2);
        p.C1 = dv(1000 * p.G * p.d, 8 * (p.i * p.i * p.i) * p.k2);
        line(kC1, p.C1, kNPerMm);
        p.Dcp = checked(p.D1 - p.d);
        line(kDcp, p.Dcp, kMm);
        p.S3coil = dv(p.F3, p.C1);
        line(kS3coil, p.S3coil);
        if (p.userChoice && p.n == 0)
            p.n = coilsFromStroke();
        p.t = pitch();
        if (p.mode == 1)
            p.nCalc = coilsFromStroke();
        else if (p.mode == 2)
            p.nCalc = p.n;
        line(kNCalc, p.nCalc);
        p.c = dv(p.C1, p.nCalc);
        line(kC, p.c, kNPerMm);

        host.appendLine("--------------Проверка динамической прочности.----------------");
        p.Vkr = dv(139 * p.tau, root(checked(1000 * p.G * 1000 * p.ro)));
        line(kVkr, p.Vkr, " м/с");
        if (dv(p.Vmax, p.Vkr) > 1)
            return fail("Не выполнено условие отсутствия соударения витков", false);
        host.appendLine("-------Условие отсутствия соударения витков выполнено-------");

        p.S1 = dv(p.F1, p.c);
        line(kS1, p.S1, kMm);
        p.S2 = dv(p.F2, p.c);
        line(kS2, p.S2, kMm);
        p.S3 = dv(p.F3, p.c);
        line(kS3, p.S3, kMm);
        p.N1 = checked(p.nCalc + 2);
        line(kN1, p.N1);

        lengths();
        line(kT, p.t, kMm);
        line(kL3, p.L3, kMm);
        line(kL0, p.L0calc, kMm);
        p.L1 = checked(p.L0calc - p.S1);
        line(kL1, p.L1, kMm);
        p.L2 = checked(p.L0calc - p.S2);
        line(kL2, p.L2, kMm);

        p.L = checked(3.2 * p.N1 * (p.D1 - p.d));
        line(kL, p.L, kMm);
        p.M = checked(0.00001925 * p.Dcp * p.d * p.d * p.N1);
        line(kM, p.M, " кг");

        host.appendLine("--------------Проверка условия устойчивости.----------------");
        if (solidLength() > p.L3)
            host.appendLine("При максимальной нагрузке витки пружины садятся!!!");
        if (p.i < 3)
            host.appendLine("....Не рекомендуется применять пружины с i<3 из-за трудоемкости навивки");
        if (dv(p.L0calc, p.Dcp) >= 3)
            host.appendLine("Пружина теряет устойчивость L0/Dср > 3 ");
        else
            host.appendLine("...OK.");

        p.tau3 = dv(2.55 * p.i * p.k1 * p.F3, p.d * p.d);
        p.tau2 = dv(2.55 * p.i * p.k1 * p.F2, p.d * p.d);
        return true;
    }

    // Length of the spring pressed solid, coil on coil.
    double solidLength() const { return checked((p.N1 - 0.5) * p.d); }

    void lengths()
    {
        if (p.mode == 1) {
            p.L3 = solidLength();
            p.L0calc = checked(p.L3 + p.S3);
        } else if (p.mode == 2) {
            p.L0calc = p.L0;
            p.L3 = checked(p.L0calc - p.S3);
        }
        if (solidLength() > p.L3) {
            host.showMessage("При максимальной нагрузке F3=" + numText(p.F3)
                             + " витки пружины садятся!!!  L3<" + numText(solidLength()));
            p.L3 = solidLength();
            p.L0calc = checked(p.L3 + p.S3);
            p.t = pitch();
            host.showMessage(kL3 + numText(p.L3) + " мм.\r" + kL0New + numText(nearest(p.L0calc)) + " мм.");
        }
        if (p.userChoice && p.L0 == 0)
            p.t = dv(p.L3 + p.S3 - 1.5 * p.d, p.n);
    }
};

} // namespace

bool runCalculation(Peremenn& p, CalcHost& host)
{
    p.calcComplete = false; // stays so when a step throws
    p.calcComplete = Calculation(p, host).run();
    return p.calcComplete;
}
