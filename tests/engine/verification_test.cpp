#include "catalogue_fixture.h"
#include "engine/catalogue/datafiles.h"
#include "engine/common/numtext.h"
#include "engine/features/design.h"
#include "engine/features/tolerances.h"
#include "engine/features/verification.h"
#include "engine/features/verificationtext.h"
#include "engine/method/calc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>

namespace {

using Keys = std::set<CheckKey>;

Keys keysWith(const std::vector<CheckRow>& rows, CheckVerdict verdict)
{
    Keys keys;
    for (const CheckRow& row : rows)
        if (row.verdict == verdict)
            keys.insert(row.key);
    return keys;
}

const FolderFiles kNoFiles({}); // σB comes from the record: nothing is read

// A completed calculation's values made by hand, with the inputs the
// check reads; it converts to the result the check takes.
struct Record : CalcValues {
    std::string materialName = "Проволока";
    int Ni = 0, NiExp = 0;
    bool calcComplete = true;
    operator CalcResult() const
    {
        CalcResult r;
        r.outcome = calcComplete ? Outcome::Complete : Outcome::Stopped;
        r.values = *this;
        r.inputs.materialName = materialName;
        r.inputs.Ni = Ni;
        r.inputs.NiExp = NiExp;
        return r;
    }
};

// A completed record made by hand: the spring of wire d, mean diameter D, n
// active and N1 total coils, free length L0, whose lengths L1, L2 give
// exactly the forces F1, F2 (N) at the rate G·d⁴/(8·D³·n); the method keeps
// them as 10·F in kilograms-force. Class II wire, σB for this very wire.
Record record(
    double d, double D, double n, double N1, double L0, double F1, double F2, double sigmaB, double G = 78.5)
{
    Record p;
    p.calcComplete = true;
    p.materialName = "Проволока";
    p.materialClass = 1;
    p.G = G;
    p.E = 20.5;
    p.ro = 7.85;
    p.d = p.dpr = d;
    p.SIGMA_B = sigmaB;
    p.D1 = D + d;
    p.nCalc = n;
    p.N1 = N1;
    p.L0calc = L0;
    p.F1 = 10 * F1 / kGravity;
    p.F2 = 10 * F2 / kGravity;
    p.F3 = 1.25 * p.F2;
    const double rate = 1000 * G * std::pow(d, 4) / (8 * std::pow(D, 3) * n);
    p.L1 = L0 - F1 / rate;
    p.L2 = L0 - F2 / rate;
    p.L3 = L0 - 1.25 * F2 / rate;
    return p;
}

Record passing()
{
    return record(2, 20, 10, 12, 60, 10, 30, 2000);
}

// B. Bhandari, "Design of Machine Elements", ch. 10, Example 10.1, as
// published with its worked results in the FOSSEE Scilab textbook companion
// (github.com/FOSSEE/Scilab-TBC-Uploads, 764/CH10/EX10.1.b/result10_1.txt):
// Sut = 1090 MPa, permissible τ = 0,5·Sut = 545 MPa, d = 7, D = 42, N = 8
// active and Nt = 10 total coils (square and ground ends: solid length
// Nt·d = 70 mm), G = 81370 MPa, P = 1250 N deflects the spring by
// 30,337611 mm; free length 109,337611 mm = 70 solid + 9 gaps + 30,337611.
// Example 10.3 of the same chapter: D = 150, d = 21, rate 75 N/mm gives N = 7,814775.
TEST(VerifyPublished, BhandariExamplesRateLengthsAndStress)
{
    Record p = record(7, 42, 8, 10, 109.337611, 400, 1250, 1090, 81.37);
    const Verification v = verifySpring(p, kNoFiles);
    ASSERT_TRUE(v.available) << v.refusal;
    EXPECT_NEAR(1250 / v.spring.R, 30.337611, 1e-5);
    EXPECT_DOUBLE_EQ(v.spring.Lc, 70);
    EXPECT_NEAR(v.spring.FL2, 1250, 1e-3);
    EXPECT_DOUBLE_EQ(v.spring.tauzul, 545);
    EXPECT_NEAR(v.spring.tau2, 8 * 1250 * 42 / (M_PI * 343), 1e-3); // uncorrected, static load
    p = record(21, 150, 7.814775, 9.814775, 400, 10, 75, 2000, 81.37);
    EXPECT_NEAR(verifySpring(p, kNoFiles).spring.R, 75, 1e-4);
}

// EN 15800:2008, clause 6, for d = 2, D = 20 (w = 10), n = 10, R = 1,9625
// N/mm, F1 = 100 N, F2 = 300 N, worked by hand from the formulas as
// reproduced in the springone project's EN 15800 unit
// (github.com/melchiorrecaruso/springone, libsrc/springtolerances.pas):
// αF = 5,22381, kF = 0,966333; ГОСТ 16118-70: ±5/10/20 % of the force.
TEST(VerifyPublished, ForceAndLengthTolerancesOfOneSpring)
{
    struct Case {
        ToleranceStandard standard;
        int grade;
        double AF1, AF2, AL0;
    };
    for (const Case c : { Case { ToleranceStandard::En15800, 1, 4.125204, 6.015204, 1.620486 },
             Case { ToleranceStandard::En15800, 2, 6.547942, 9.547942, 2.572200 },
             Case { ToleranceStandard::En15800, 3, 10.476708, 15.276708, 4.115520 },
             Case { ToleranceStandard::Gost16118, 1, 5, 15, 0 },
             Case { ToleranceStandard::Gost16118, 3, 20, 60, 0 } }) {
        CheckSettings settings;
        settings.standard = c.standard;
        settings.grade = c.grade;
        const Tolerances t = tolerancesOf(settings, 2, 20, 10, 60, 1.9625, 100, 300);
        EXPECT_NEAR(t.AF1, c.AF1, 1e-5) << c.grade;
        EXPECT_NEAR(t.AF2, c.AF2, 1e-5) << c.grade;
        EXPECT_NEAR(t.AL0.value_or(0), c.AL0, 1e-5) << c.grade;
        EXPECT_TRUE(t.outOfRange.empty());
    }
}

// The examples as pruzcalc works them: which rows fail or remark, the worst
// row, and the spring to order (n′ = G·d⁴/(8·D³·R′) to a quarter coil,
// worked by hand from the report's d, D, L1, L2 and the asked forces).
struct ExampleCase {
    const char* file;
    const char* wire;
    Keys failed;
    CheckKey worst;
    double orderCoils;
    bool orderPasses;
};

class VerifyExample : public testing::TestWithParam<ExampleCase> { };

TEST_P(VerifyExample, RowsVerdictsAndSpringToOrder)
{
    const ExampleCase& c = GetParam();
    DesignSettings settings;
    settings.dataDir = SHIPPED_DATA_DIR;
    settings.verify = true;
    if (c.wire)
        settings.wireDiameter = c.wire;
    const DesignResult r = runDesign(std::string(EXAMPLES_DIR) + c.file, settings);
    const Verification& v = r.verification;
    ASSERT_TRUE(v.available) << v.refusal;
    EXPECT_EQ(keysWith(v.rows, CheckVerdict::Failed), c.failed);
    EXPECT_EQ(v.rows[static_cast<size_t>(v.worstRow)].key, c.worst);
    ASSERT_TRUE(v.order);
    EXPECT_EQ(v.order->spring.n, c.orderCoils);
    EXPECT_EQ(v.order->passed, c.orderPasses);
    EXPECT_NEAR(v.order->spring.FL1, v.spring.F1, 1e-9 * v.spring.F1); // L0′ gives F1 at L1
}

INSTANTIATE_TEST_SUITE_P(Examples, VerifyExample,
    testing::Values(
        // Wound of 4 mm wire where the index came from 3,5: +81 % at L2 (band ±78,27 Н).
        ExampleCase { "wire-class2.rid", nullptr,
            { CheckKey::ForceL1, CheckKey::ForceL2, CheckKey::FreeLength, CheckKey::LeastLength },
            CheckKey::ForceL2, 47, false },
        ExampleCase {
            "steel-60s2a.rid", nullptr, { CheckKey::LeastLength }, CheckKey::LeastLength, 26.5, false },
        ExampleCase { "stainless-free-length.rid", nullptr, { CheckKey::SolidStress }, CheckKey::SolidStress,
            8.75, false },
        ExampleCase {
            "chosen-diameter.rid", "3,2", { CheckKey::LeastLength }, CheckKey::LeastLength, 7.5, false }),
    [](const auto& info) {
        std::string name = info.param.file;
        name = name.substr(0, name.find('.'));
        std::erase(name, '-');
        return name;
    });

// The rules at and just beyond their limits, on a spring that passes
// (w = 10, forces exact, stresses low, buckling-free, static load).
struct RuleCase {
    const char* name;
    std::function<void(Record&, CheckSettings&)> change;
    CheckKey key;
    CheckVerdict verdict;
};

class VerifyRules : public testing::TestWithParam<RuleCase> { };

TEST_P(VerifyRules, RowAtItsLimit)
{
    const RuleCase& c = GetParam();
    Record p = passing();
    CheckSettings settings;
    c.change(p, settings);
    const Verification v = verifySpring(p, kNoFiles, settings);
    ASSERT_TRUE(v.available) << v.refusal;
    const CheckRow* row = v.row(c.key);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->verdict, c.verdict) << checkRowText(*row);
}

// L2 moved so that F(L2) − F2 is `bands` tolerance bands.
void forceOff(Record& p, double bands)
{
    const Verification v = verifySpring(p, kNoFiles);
    p.L2 -= bands * v.spring.AF2 / v.spring.R;
}

INSTANTIATE_TEST_SUITE_P(Boundaries, VerifyRules,
    testing::Values(
        RuleCase { "passes", [](Record&, CheckSettings&) {}, CheckKey::ForceL2, CheckVerdict::Passed },
        RuleCase { "forceAtBand", [](Record& p, CheckSettings&) { forceOff(p, 1); }, CheckKey::ForceL2,
            CheckVerdict::Passed },
        RuleCase { "forceBeyondBand", [](Record& p, CheckSettings&) { forceOff(p, 1.001); },
            CheckKey::ForceL2, CheckVerdict::Failed },
        RuleCase { "gostGroupOneIsNarrower",
            [](Record& p, CheckSettings& s) {
                forceOff(p, 0.9);
                s = *withTolerance(s, "gost16118-1");
            },
            CheckKey::ForceL2, CheckVerdict::Failed },
        RuleCase { "indexTwelve", [](Record& p, CheckSettings&) { p.D1 = 26; }, CheckKey::Index,
            CheckVerdict::Passed },
        RuleCase { "indexThirteen", [](Record& p, CheckSettings&) { p.D1 = 28; }, CheckKey::Index,
            CheckVerdict::Remark },
        RuleCase { "indexBelowFour", [](Record& p, CheckSettings&) { p.D1 = 9.8; }, CheckKey::Index,
            CheckVerdict::Remark },
        RuleCase { "solidStressBeyond0_56Rm", [](Record& p, CheckSettings&) { p.SIGMA_B = 400; },
            CheckKey::SolidStress, CheckVerdict::Failed },
        RuleCase { "noRmIsARemark",
            [](Record& p, CheckSettings&) {
                p.SIGMA_B = 0;
                p.materialClass = 2;
            },
            CheckKey::Stress, CheckVerdict::Remark },
        RuleCase { "cyclicWithoutFatigueData",
            [](Record& p, CheckSettings&) {
                p.Ni = 1;
                p.NiExp = 5;
            },
            CheckKey::Fatigue, CheckVerdict::Remark },
        RuleCase { "tenThousandCyclesIsStatic",
            [](Record& p, CheckSettings&) {
                p.Ni = 1;
                p.NiExp = 4;
            },
            CheckKey::Stress, CheckVerdict::Passed },
        RuleCase { "freeLengthBelowSolid",
            [](Record& p, CheckSettings&) {
                p.N1 = 40; // Lc = 80 mm above L0 = 60 mm
            },
            CheckKey::LeastLength, CheckVerdict::Failed },
        RuleCase { "endsNotGroundAddToLc",
            [](Record& p, CheckSettings& s) {
                p.N1 = 20; // Ln = 40 + 3 + 3,6 = 46,6 below L2 = 44,7 only with ground ends
                s.ends = EndType::NotGround;
            },
            CheckKey::LeastLength, CheckVerdict::Failed },
        RuleCase { "deflectionAtSK",
            [](Record& p, CheckSettings& s) { // four times as long as wide, one end free
                s.nu = 2;
                p.L0calc = 400;
                MadeSpring spring = verifySpring(p, kNoFiles).spring;
                spring.L0 = 400;
                p.L2 = 400 - *bucklingDeflection(spring, 2);
                p.L1 = p.L2 + 1;
            },
            CheckKey::Buckling, CheckVerdict::Failed }),
    [](const auto& info) { return std::string(info.param.name); });

// Cyclic load with the material's fatigue table: τkH at τkU = τk1, on the
// line from (0, τkO) to (τkOmax, τkOmax), interpolated between two wires.
TEST(Verify, FatigueRowFromTheMaterialsTable)
{
    const FatigueTable table = *parseFatigue({ "1", "1", "400", "800", "3", "300", "700" });
    EXPECT_DOUBLE_EQ(*table.strokeStrength(2, 0), 350);
    EXPECT_DOUBLE_EQ(*table.strokeStrength(2, 375), 350 + 375 * 400.0 / 750 - 375);
    EXPECT_EQ(*table.strokeStrength(2, 750), 0);
    EXPECT_FALSE(table.strokeStrength(4, 0));
    ScratchDataDir dir;
    Record p = passing();
    p.Ni = 1;
    p.NiExp = 7;
    for (const auto& [tauO, verdict] :
        { std::pair { "400", CheckVerdict::Passed }, { "10", CheckVerdict::Failed } }) {
        dir.writeLines("Проволокаustal.dat", { "0", "1", tauO, "800", "3", tauO, "800" });
        const Verification v = verifySpring(p, FolderFiles(dir.path()));
        EXPECT_EQ(v.row(CheckKey::Fatigue)->verdict, verdict) << checkRowText(*v.row(CheckKey::Fatigue));
    }
}

// Beyond its solid length a spring gives no more force: F(Lc) is clamped at 0.
TEST(Verify, ForceAtSolidLengthClampedAtZero)
{
    Record p = passing();
    p.N1 = 40;
    const Verification v = verifySpring(p, kNoFiles);
    EXPECT_EQ(v.spring.FLc, 0);
    EXPECT_EQ(v.spring.tauc, 0);
}

// An index of 0,75 makes k infinite: the spring cannot be checked, and no
// row or figure stands in for the value ("0" least of all).
TEST(Verify, IndexOfThreeQuartersCannotBeChecked)
{
    Record p = record(4, 3, 10, 12, 60, 1, 2, 2000);
    const Verification v = verifySpring(p, kNoFiles);
    EXPECT_FALSE(v.available);
    EXPECT_NE(v.refusal.find("w = D/d = 0,75"), std::string::npos) << v.refusal;
    EXPECT_TRUE(v.rows.empty());
    p.calcComplete = false;
    EXPECT_FALSE(verifySpring(p, kNoFiles).available);
}

// The trace shows each formula with its numbers, and the newtons of the kgf.
TEST(Verify, TraceHasFormulaAndNumbers)
{
    const Verification v = verifySpring(passing(), kNoFiles, {}, true);
    const auto step = std::find_if(
        v.trace.steps.begin(), v.trace.steps.end(), [](const TraceStep& s) { return s.name == "R"; });
    ASSERT_NE(step, v.trace.steps.end());
    EXPECT_EQ(step->formula, "R = G · d⁴ / (8 · D³ · n)");
    EXPECT_EQ(step->substitution, "R = 78500 · 2⁴ / (8 · 20³ · 10)");
    EXPECT_EQ(step->valueText, "1,9625");
}

// Rm: the material's own file first, else the table's row for the final
// wire, read afresh for each CheckData; a material with neither has none.
TEST(Verify, StrengthFromOwnFileOrTable)
{
    ScratchDataDir dir;
    dir.copyShipped();
    Record p = record(4, 16, 26, 28, 138, 100, 300, 1520);
    p.dpr = 3.5; // the method's σB belongs to the first listed wire
    const FolderFiles files(dir.path());
    std::string bytes;
    for (int line = 1; line <= 132; ++line) // class II, d = 4: block 2, row 19
        bytes += (line == 22 + 19 ? std::string("1234,5") : "1000") + "\r\n";
    dir.writeBytes("sigmab.dat", bytes);
    EXPECT_EQ(verifySpring(p, files).spring.Rm, 1234.5);
    dir.writeLines("Проволокаrm.dat", { "1600" });
    EXPECT_EQ(verifySpring(p, files).spring.Rm, 1600);
    p.materialClass = 4;
    p.materialName = "40Х13";
    const Verification none = verifySpring(p, files);
    EXPECT_FALSE(none.spring.hasRm);
    EXPECT_EQ(none.row(CheckKey::Rm)->verdict, CheckVerdict::Remark);
    // no strength is no data, never a strength of 0
    const std::string row = checkRowText(*none.row(CheckKey::Rm));
    EXPECT_NE(row.find("(нет данных: "), std::string::npos) << row;
    EXPECT_EQ(row.find(" 0"), std::string::npos) << row;
}

} // namespace
