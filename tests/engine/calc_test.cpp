#include "engine/catalogue/datafiles.h"
#include "engine/common/errors.h"
#include "engine/common/numtext.h"
#include "engine/method/calc.h"
#include "engine/method/diameterchoice.h"
#include "engine/method/reportchecks.h"
#include "example_design.h"
#include "testdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using Lines = std::vector<std::string>;

// The shipped data plus a material "M" whose class, table values and
// diameters each test sets; forces in newtons, as "Расчет" leaves them.
class Calc : public testing::Test {
protected:
    TempDataDir dir;
    CalcInputs p;
    RecordingHost host;
    CalcResult r;
    const CalcValues& v = r.values;

    void SetUp() override
    {
        dir.copyFrom(SHIPPED_DATA_DIR);
        p.dataDir = dir.path();
        p.materialName = "M";
        material(2, { "1", "2", "3", "4", "5", "6", "8", "10" });
        p.group = 1;
        p.mode = 1;
        p.F1 = 100;
        p.F2 = 200;
        p.H = 10;
        p.Vmax = 0.1;
    }

    void material(int cls, const Lines& diameters, const char* g = "78,5")
    {
        dir.writeLines("Mmat.dat", { "7,85", "20,5", g, std::to_string(cls) });
        dir.writeLines("M.dat", diameters);
    }

    // Every value of the block for the class in the second table is `v`.
    void secondTable(const std::string& v)
    {
        Lines lines;
        for (int code : { 2, 3, 4 })
            lines.insert(lines.end(), { std::to_string(code), v, v, v, v });
        dir.writeLines("tau2.dat", lines);
    }

    bool run()
    {
        r = calculate(p, host, FolderFiles(p.dataDir));
        return r.complete();
    }

    bool reportHas(const std::string& text) const
    {
        return std::find(host.report.begin(), host.report.end(), text) != host.report.end();
    }

    bool reportHasKey(const std::string& key) const
    {
        return std::any_of(host.report.begin(), host.report.end(),
            [&](const std::string& l) { return l.find(key) != std::string::npos; });
    }
};

class Steel : public Calc {
protected:
    void SetUp() override
    {
        Calc::SetUp();
        p.materialName = "60С2А";
        p.D1 = 30;
        p.F1 = 200;
        p.F2 = 500;
        p.H = 20;
        p.Vmax = 2;
    }
};

TEST_F(Steel, SecondTablePathRunsToTheEnd)
{
    ASSERT_TRUE(run());
    EXPECT_FALSE(r.stopped());
    EXPECT_TRUE(host.printEnabled);
    EXPECT_TRUE(host.messages.empty());
    ASSERT_EQ(host.report.size(), 29u);
    EXPECT_EQ(host.report[0], "Сила пружины при максимальной деформации" + std::string(28, ' ') + "F3=625 H");
    EXPECT_EQ(host.report[1], "Допускаемое напряжение при кручении" + std::string(40, ' ') + "tau=471 МПа");
    EXPECT_EQ(host.report[6], "Диаметр проволоки по нормали" + std::string(53, ' ') + "d=5 мм");
    EXPECT_EQ(host.report.back(), "Пружина теряет устойчивость L0/Dср > 3 ");
    EXPECT_EQ(v.d, 5);
    EXPECT_EQ(v.i, 5);
    EXPECT_EQ(v.nCalc, 24);
    EXPECT_EQ(v.N1, 26);
    EXPECT_EQ(v.L3, 127.5);
    EXPECT_DOUBLE_EQ(v.L, 3.2 * 26 * 25);
}

TEST_F(Calc, FirstTablePathReportsTheFirstApproximation)
{
    p = wireClass2CalcInputs(dir.path());
    ASSERT_TRUE(run());
    const std::string expected[]
        = { "F3=375 H", "taupr=618 МПа", "k3=", "ipr=5,2", "k1=", "d=3,23025247206578 мм", "d=3,5 мм",
              "SIGMА_B=1520 МПа", "tau=0,3 * SIGMA_B=456 МПа", "i=4,71428571428571", "k1=", "d=", "d=4 мм" };
    ASSERT_GE(host.report.size(), std::size(expected));
    for (size_t k = 0; k < std::size(expected); ++k)
        EXPECT_NE(host.report[k].find(expected[k]), std::string::npos) << host.report[k];
    EXPECT_EQ(host.report[6], "Диаметр проволоки по нормали" + std::string(54, ' ') + "d=3,5 мм");
    EXPECT_EQ(v.tauFactor, 0.3);
    EXPECT_EQ(v.d, 4);
}

TEST_F(Calc, TableValueStandsAtTheClassBlockAndGroup)
{
    Lines tau2;
    for (int line = 1; line <= 15; ++line)
        tau2.push_back(std::to_string(line * 100));
    dir.writeLines("tau2.dat", tau2);
    material(3, { "100" });
    p.group = 2;
    p.D1 = 1;
    run();
    EXPECT_EQ(v.tau, 800); // line 8

    Lines tau1;
    for (int line = 1; line <= 35; ++line)
        tau1.push_back(std::to_string(line * 100));
    dir.writeLines("tau1.dat", tau1);
    material(0, { "100" });
    p.group = 1;
    run();
    EXPECT_EQ(v.taupr, 200); // line 2
}

TEST_F(Calc, GroupMarkedNotApplicableStopsWithOneReportLine)
{
    material(0, { "1" }); // wire class I has no group IV
    p.group = 4;
    p.F2 = 400;
    EXPECT_FALSE(run());
    const std::string text = "Материал M не применяется для группы-IV";
    EXPECT_EQ(host.messages, Lines { text });
    EXPECT_EQ(host.report, Lines { text });
    EXPECT_TRUE(r.stopped());
    EXPECT_EQ(v.F3, 500);
    EXPECT_EQ(v.S1, 0); // not reached
}

TEST_F(Calc, ShareOfMinusOneStopsInsteadOfANegativeStress)
{
    Lines tau1;
    for (int line = 1; line <= 35; ++line)
        tau1.push_back("700");
    dir.writeLines("tau1.dat", tau1);
    material(0, { "1", "2", "3", "4", "5" });
    p.group = 4;
    p.D1 = 20;
    EXPECT_FALSE(run());
    const std::string text = "Материал M не применяется для группы-IV";
    EXPECT_EQ(host.messages, Lines { text });
    EXPECT_EQ(host.report.back(), text);
    EXPECT_TRUE(reportHasKey("SIGMА_B="));
    EXPECT_FALSE(reportHasKey("tau="));
    EXPECT_TRUE(r.stopped());
}

TEST_F(Calc, K3AtTheLimitNeedsNoDialog)
{
    secondTable("1000");
    p.F2 = 800; // F3 = 1000 = tau, so k3 = D1
    p.D1 = 59.43;
    run();
    EXPECT_EQ(host.asked, 0);
    EXPECT_EQ(v.k3, 59.43);

    p.D1 = 59.44;
    EXPECT_FALSE(run());
    EXPECT_EQ(host.asked, 1);
    EXPECT_EQ(host.messages.back(), "Не выполнено условие устойчивости i>10");
}

TEST_F(Calc, CancelledDialogEndsAfterTheK3Line)
{
    secondTable("1000");
    p.F2 = 800;
    p.D1 = 70;
    EXPECT_FALSE(run());
    EXPECT_TRUE(r.stopped());
    ASSERT_EQ(host.report.size(), 3u);
    EXPECT_EQ(host.report[2], "Коэффициент" + std::string(85, ' ') + "k3=70");

    host.report.clear();
    Lines tau1(35, "1000");
    dir.writeLines("tau1.dat", tau1);
    material(0, { "5" });
    EXPECT_FALSE(run());
    EXPECT_TRUE(r.stopped());
    ASSERT_EQ(host.report.size(), 2u); // first table: up to "taupr="
    EXPECT_NE(host.report[1].find("taupr=1000"), std::string::npos);
}

// A report line: caption, run of blanks, key, value and unit.
std::string line(const char* caption, int blanks, const char* rest)
{
    return caption + std::string(static_cast<size_t>(blanks), ' ') + rest;
}

struct ChosenCase {
    const char* name;
    int materialClass;
    Lines expected; // the report from its first line up to the listed diameter
};

void PrintTo(const ChosenCase& c, std::ostream* os)
{
    *os << c.name;
}

class ChosenDiameter : public Calc, public testing::WithParamInterface<ChosenCase> {
protected:
    // k3 = D1 / √(F3 / 1000) = 35 / 0,5 = 70: the dialog asks, 5 is picked.
    void SetUp() override
    {
        Calc::SetUp();
        dir.writeLines("tau1.dat", Lines(35, "1000"));
        secondTable("1000");
        material(GetParam().materialClass, { "4", "5", "6" });
        p.F2 = 200;
        p.D1 = 35;
        host.pick = "5";
    }
};

// The computations the choice replaces are skipped, their lines are not:
// they show the values the choice gave, and the two "по нормали" labels
// differ by one blank.
TEST_P(ChosenDiameter, ReportKeepsEveryLineWithTheChosenValues)
{
    ASSERT_TRUE(run());
    const Lines& expected = GetParam().expected;
    ASSERT_GT(host.report.size(), expected.size());
    EXPECT_EQ(Lines(host.report.begin(), host.report.begin() + static_cast<long>(expected.size())), expected);
    EXPECT_EQ(host.report[expected.size()], line("Коэффициент", 85, "k2=1,06944444444444"));
    EXPECT_EQ(v.d, 5);
    EXPECT_EQ(v.i, 6);
}

const Lines kCommonChosenLines = {
    line("Индекс пружины", 80, "i=6"),
    line("Коэффициент", 85, "k1=1,2525"),
    line("Диаметр проволоки", 74, "d=5 мм"),
    line("Диаметр проволоки по нормали", 53, "d=5 мм"),
};

Lines concat(Lines a, const Lines& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const Lines kFirstTableChosenLines = concat(
    {
        line("Сила пружины при максимальной деформации", 28, "F3=250 H"),
        line("Наибольшее допустимое напряжение в первом приближении", 4, "taupr=1000 МПа"),
        line("Коэффициент", 85, "k3=70"),
        line("Индекс пружины в первом приближении", 40, "ipr=6"),
        line("Коэффициент", 85, "k1=1,23809523809524"), // (4·6 + 2) / (4·6 − 3)
        line("Диаметр проволоки в первом приближении", 34, "d=5 мм"),
        line("Диаметр проволоки по нормали", 54, "d=5 мм"),
        line("Предел прочности при растяжении", 49, "SIGMА_B=1510 МПа"),
        line("Допускаемое напряжение при кручении", 40, "tau=0,3 * SIGMA_B=453 МПа"),
    },
    kCommonChosenLines);

const Lines kSecondTableChosenLines = concat(
    {
        line("Сила пружины при максимальной деформации", 28, "F3=250 H"),
        line("Допускаемое напряжение при кручении", 40, "tau=1000 МПа"),
        line("Коэффициент", 85, "k3=70"),
    },
    kCommonChosenLines);

// The pitch formula before the free length is known gives t < 0: no pitch.
TEST_P(ChosenDiameter, TraceSaysWhereTheFormulaGivesNoPitch)
{
    r = calculate(p, host, FolderFiles(p.dataDir), { .trace = true });
    ASSERT_TRUE(r.complete());
    std::vector<std::pair<bool, bool>> pitches; // (negative, said to be no pitch)
    for (const TraceStep& step : r.trace.steps)
        if (step.name == "t")
            pitches.emplace_back(step.value < 0.0, step.text == kNoPitch);
    EXPECT_EQ(pitches, (std::vector<std::pair<bool, bool>> { { true, true }, { false, false } }));
}

INSTANTIATE_TEST_SUITE_P(BothPaths, ChosenDiameter,
    testing::Values(ChosenCase { "FirstTable", 0, kFirstTableChosenLines },
        ChosenCase { "SecondTable", 2, kSecondTableChosenLines }),
    [](const auto& info) { return std::string(info.param.name); });

// D1 = 16 × the chosen diameter gives an index of exactly 15, which passes
// on either path; a little more stops.
TEST_P(ChosenDiameter, IndexOfFifteenPassesAboveStops)
{
    material(GetParam().materialClass, { "2,5" });
    host.pick = "2,5";
    p.D1 = 40;
    p.F2 = 20; // a force the thin wire carries within [τ]
    ASSERT_TRUE(run());
    EXPECT_EQ(v.i, 15);
    EXPECT_TRUE(reportHas(line("Индекс пружины", 80, "i=15")));
    EXPECT_TRUE(reportHas(line("Диаметр проволоки по нормали", 53, "d=2,5 мм")));

    p.D1 = 40.1;
    EXPECT_FALSE(run());
    EXPECT_TRUE(r.stopped());
    EXPECT_EQ(host.messages.back(), "Индекс пружины i>15.\rИзмените исходные данные и повторите расчет.");
}

TEST_F(Calc, PitchFromTheGivenFreeLengthAfterADialogChoice)
{
    secondTable("1000");
    material(2, { "2" });
    p.F1 = 10;
    p.F2 = 20; // k3 = 30 / 0,158 = 190; τ3 = 245 within [τ]
    p.D1 = 30;
    p.mode = 2;
    p.L0 = 60;
    p.n = 10;
    host.pick = "2";
    ASSERT_TRUE(run());
    EXPECT_EQ(v.t, 5.7);
    EXPECT_TRUE(reportHas("Шаг пружины" + std::string(86, ' ') + "t=5,7 мм"));
}

struct StressCase {
    const char* pick;
    const char* failure; // empty: the wire carries the load
};

class ChosenWireStress : public Calc, public testing::WithParamInterface<StressCase> { };

// The method's own wire is sized from [τ]; a chosen one may be too thin,
// and then the design fails before its stability remarks.
TEST_P(ChosenWireStress, OverstressedWireFailsAfterTheMassLine)
{
    p.materialName = "Проволока II класса"; // the example of a chosen diameter
    p.F1 = 40;
    p.F2 = 100;
    p.D1 = 40;
    p.H = 20;
    p.Vmax = 2;
    host.pick = GetParam().pick;
    const std::string failure = GetParam().failure;
    EXPECT_EQ(run(), failure.empty());
    EXPECT_EQ(r.stopped(), !failure.empty());
    EXPECT_EQ(reportHas(kStabilityHeading), failure.empty());
    if (!failure.empty()) {
        EXPECT_EQ(host.report.back(), failure);
        EXPECT_EQ(host.messages.back(), failure);
        EXPECT_NE(host.report.end()[-2].find("M="), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Picks, ChosenWireStress,
    testing::Values(
        StressCase { "2,5", "Напряжение tau3=837,347142857143 МПа больше допускаемого tau=486 МПа" },
        StressCase { "3", "Напряжение tau3=487,493055555556 МПа больше допускаемого tau=486 МПа" },
        StressCase { "3,2", "" }),
    [](const auto& info) { return "Pick" + std::to_string(info.index); });

TEST_F(Calc, IndexOfThreeGetsNoRemarkBelowThreeDoes)
{
    secondTable("1000");
    material(2, { "5" });
    p.F2 = 80; // F3 = 100, k3 = D1 / 0,316...
    p.D1 = 20;
    host.pick = "5";
    ASSERT_TRUE(run());
    EXPECT_EQ(v.i, 3);
    EXPECT_FALSE(reportHasKey("i<3"));
    p.D1 = 19;
    ASSERT_TRUE(run());
    EXPECT_TRUE(reportHas("....Не рекомендуется применять пружины с i<3 из-за трудоемкости навивки"));
}

TEST_F(Steel, SpeedEqualToTheCriticalPassesAboveStops)
{
    ASSERT_TRUE(run());
    p.Vmax = v.Vkr;
    EXPECT_TRUE(run());
    p.Vmax = v.Vkr * 1.000001;
    EXPECT_FALSE(run());
    EXPECT_TRUE(r.stopped());
    EXPECT_EQ(host.messages, Lines { "Не выполнено условие отсутствия соударения витков" });
    EXPECT_NE(host.report.back().find("Vкр="), std::string::npos);
    EXPECT_EQ(v.S1, 0); // not reached
}

TEST_F(Steel, ShortFreeLengthIsCorrectedWithTwoMessages)
{
    p.mode = 2;
    p.L0 = 100;
    p.n = 24;
    ASSERT_TRUE(run());
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0], "При максимальной нагрузке F3=625 витки пружины садятся!!!  L3<127,5");
    EXPECT_EQ(host.messages[1],
        "Длина пружины при максимальной деформации" + std::string(26, ' ')
            + "L3=127,5 мм.\rНовая длина пружины в свободном состоянии" + std::string(40, ' ')
            + "L0=169 мм.");
    EXPECT_EQ(v.L3, 127.5);
    EXPECT_TRUE(reportHas(
        "Длина пружины в свободном состоянии" + std::string(40, ' ') + "L0=" + numText(v.L0calc) + " мм"));
    EXPECT_NE(v.L0calc, 169);
    EXPECT_FALSE(reportHasKey("витки пружины садятся"));
    EXPECT_FALSE(r.stopped());
}

TEST_F(Steel, SlendernessOfExactlyThreeLosesStability)
{
    p.mode = 2;
    p.n = 2;
    p.L0 = 75; // Dср = 25
    ASSERT_TRUE(run());
    EXPECT_EQ(host.report.back(), "Пружина теряет устойчивость L0/Dср > 3 ");
    p.L0 = 74.99;
    ASSERT_TRUE(run());
    EXPECT_EQ(host.report.back(), "...OK.");
}

struct FaultCase {
    const char* name;
    void (*setup)(CalcInputs&);
};

class ArithmeticFaults : public Steel, public testing::WithParamInterface<FaultCase> { };

TEST_P(ArithmeticFaults, EndTheCalculationWithAnError)
{
    GetParam().setup(p);
    EXPECT_FALSE(run());
    EXPECT_EQ(r.outcome, Outcome::Error);
    EXPECT_FALSE(r.error.empty());
    for (const auto& line : host.report) {
        EXPECT_EQ(line.find("nan"), std::string::npos) << line;
        EXPECT_EQ(line.find("inf"), std::string::npos) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, ArithmeticFaults,
    testing::Values(FaultCase { "EqualForces", [](CalcInputs& p) { p.F1 = p.F2; } },
        FaultCase { "GroupOutOfRange", [](CalcInputs& p) { p.group = 7; } },
        FaultCase { "ModeOutOfRange", [](CalcInputs& p) { p.mode = 0; } },
        FaultCase { "NegativeForce", [](CalcInputs& p) { p.F2 = -500; } },
        FaultCase { "HugeForce", [](CalcInputs& p) { p.F2 = 1e308; } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Steel, ValuesOutOfRangeDoNotReuseThePreviousCalculation)
{
    ASSERT_TRUE(run());
    p.group = 0;
    EXPECT_FALSE(run());
    EXPECT_EQ(r.outcome, Outcome::Error);
    EXPECT_EQ(v.tau, 0);
}

TEST_F(Calc, MissingFilesEndAsAnError)
{
    struct {
        const char* remove;
        const char* material;
        const char* message;
        size_t reportLines;
    } cases[] = {
        { nullptr, "Нет", "no Нетmat.dat", 0 },
        { "tau2.dat", "60С2А", "no tau2.dat", 0 },
        { "k3.dat", "60С2А", "no k3.dat", 3 },
        { "60С2А.dat", "60С2А", "no 60С2А.dat", 3 },
        { "sigmdiam.dat", "БрБ2", "no sigmdiam.dat", 7 },
        { "sigmab.dat", "БрБ2", "no sigmab.dat", 7 },
    };
    for (const auto& c : cases) {
        TempDataDir fresh;
        fresh.copyFrom(SHIPPED_DATA_DIR);
        if (c.remove)
            std::filesystem::remove(fresh.path() + c.remove);
        p.dataDir = fresh.path();
        p.materialName = c.material;
        p.D1 = 10;
        p.F2 = 50;
        host.messages.clear();
        EXPECT_FALSE(run()) << c.message;
        EXPECT_EQ(host.messages, Lines { c.message });
        EXPECT_EQ(r.outcome, Outcome::Error) << c.message;
        EXPECT_EQ(host.report.size(), c.reportLines) << c.message;
    }
}

TEST_F(Calc, ClassWithoutATableSaysNoWithoutAName)
{
    material(12, { "1" });
    EXPECT_FALSE(run());
    EXPECT_EQ(host.messages, Lines { "no " });
}

TEST_F(Calc, NoListedDiameterAboveStopsOnce)
{
    p.materialName = "60С2А";
    p.D1 = 300; // the wire would be thicker than anything stocked
    p.F2 = 50000;
    EXPECT_FALSE(run());
    EXPECT_TRUE(r.stopped());
    EXPECT_EQ(host.messages, Lines { "Нет подходящего диаметра по нормали" });
    EXPECT_FALSE(reportHasKey("Диаметр проволоки по нормали"));
}

TEST_F(Calc, BrokenPropertiesFileNamesItself)
{
    for (const Lines& props : { Lines { "7,85", "20,5", "78,5" }, Lines { "7,85", "20,5", "78,5", "2,0" } }) {
        dir.writeLines("Mmat.dat", props);
        EXPECT_FALSE(run());
        EXPECT_NE(r.error.find("Mmat.dat"), std::string::npos) << r.error;
    }
    dir.writeLines("Mmat.dat", { "7.85", "20,5", "78,5", "2" });
    EXPECT_FALSE(run());
    EXPECT_EQ(r.outcome, Outcome::Error);
}

} // namespace

// The diameter the dialog shows beside the choice: the d whose index and
// Wahl factor give the stress k3 was worked out with.
TEST(NeededDiameter, MeetsTheStressOfK3)
{
    const double D1 = 100, F3 = 100, tau = 500;
    const double k3 = D1 / std::sqrt(F3 / tau); // 223,6: beyond the tables
    const std::optional<double> d = neededDiameter(D1, F3, k3);
    ASSERT_TRUE(d);
    const double i = D1 / *d - 1;
    EXPECT_GE(i, 4);
    EXPECT_NEAR(*d * *d, 2.55 * i * (4 * i + 2) / (4 * i - 3) * F3 / tau, 1e-9);
    // A stocky spring: no index of 4 or more gives it.
    EXPECT_FALSE(neededDiameter(D1, F3, 5));
}
