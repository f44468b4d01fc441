#include "engine/errors.h"
#include "engine/inputform.h"
#include "engine/peremenn.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using Lines = std::vector<std::string>;

TEST(Rid, FreshFormSavesTheStartUpLines)
{
    InputForm f;
    f.materialName = "Проволока I класса";
    EXPECT_EQ(ridLines(f), (Lines{"1", "0", "1", "0", "0", "1", "0", "0", "0", "0", "0", "0", "0", "5", "0", "0", "0",
                               "1", "1", "1", "1", "Проволока I класса"}));
}

TEST(Rid, SaveThenLoadGivesTheSameForm)
{
    InputForm f;
    f.rbh = false;
    f.rbl0 = true;
    f.mode = 2;
    f.l0Enabled = f.nEnabled = true;
    f.hEnabled = false;
    f.materialIndex = 3;
    f.f1 = "1,5";
    f.f2 = "abc"; // texts are kept whatever they hold
    f.d1 = "20,";
    f.h = "";
    f.vmax = "0,0";
    f.ni = "7";
    f.stepni = "6";
    f.l0 = "60";
    f.n = "8";
    f.grupIndex = 2;
    f.navivkaIndex = 0;
    f.niEnabled = false;
    f.materialName = "50ХФА";
    EXPECT_EQ(ridLines(parseRid(ridLines(f))), ridLines(f));
}

TEST(Rid, ShortFileFailsOnTheFirstMissingIntegerLine)
{
    Lines lines = ridLines(InputForm{});
    lines.resize(16);
    try {
        parseRid(lines);
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid integer value");
    }
}

TEST(Rid, IntegerLinesAreChecked)
{
    for (size_t line : {3u, 7u, 17u, 18u}) {
        Lines lines = ridLines(InputForm{});
        lines[line - 1] = "x1";
        EXPECT_THROW(parseRid(lines), ConversionError) << "line " << line;
    }
}

struct IndexCase {
    size_t line;
    const char* text;
    bool accepted;
};

void PrintTo(const IndexCase& c, std::ostream* os) { *os << "line " << c.line << ": " << c.text; }

class RidIndex : public testing::TestWithParam<IndexCase> {};

// An index is checked before it is used, so no later "+ 1" can overflow.
TEST_P(RidIndex, OutOfRangeIsRefusedLikeABadLine)
{
    const auto& c = GetParam();
    Lines lines = ridLines(InputForm{});
    lines[c.line - 1] = c.text;
    if (c.accepted) {
        EXPECT_NO_THROW(parseRid(lines));
        return;
    }
    try {
        parseRid(lines);
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.what(),
            "Строка " + std::to_string(c.line) + " файла исходных данных: значение " + c.text + " вне допустимых пределов");
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, RidIndex,
    testing::Values(IndexCase{3, "0", false}, IndexCase{3, "1", true}, IndexCase{3, "2", true},
        IndexCase{3, "3", false}, IndexCase{7, "-2", false}, IndexCase{7, "-1", true},
        IndexCase{7, "2147483647", true}, IndexCase{17, "-2", false}, IndexCase{17, "-1", true},
        IndexCase{17, "3", true}, IndexCase{17, "4", false}, IndexCase{17, "2147483647", false},
        IndexCase{17, "-2147483648", false}, IndexCase{18, "2147483647", true},
        IndexCase{18, "-2147483648", true}));

TEST(Rid, IndexBeyondTheIntegersIsNotAnInteger)
{
    Lines lines = ridLines(InputForm{});
    lines[16] = "2147483648";
    try {
        parseRid(lines);
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'2147483648' is not a valid integer value");
    }
}

TEST(Rid, FlagsAreOnlyTheCharacterOneAndWindingIsLimited)
{
    Lines lines = ridLines(InputForm{});
    lines[0] = "true";
    lines[17] = "5";
    lines.push_back("ignored");
    InputForm f = parseRid(lines);
    EXPECT_FALSE(f.rbh);
    EXPECT_EQ(f.navivkaIndex, 1);
    lines[17] = "-3";
    EXPECT_EQ(parseRid(lines).navivkaIndex, -1);
}

TEST(Rid, MaterialIsChosenByNameThenByIndex)
{
    const Lines list{"A", "B", "C", "B"};
    InputForm f;
    f.materialName = "B";
    f.materialIndex = 2;
    EXPECT_EQ(ridMaterialIndex(f, list), 1);
    f.materialName = "gone";
    EXPECT_EQ(ridMaterialIndex(f, list), 2);
    f.materialIndex = 4;
    EXPECT_EQ(ridMaterialIndex(f, list), -1);
    f.materialIndex = -1;
    EXPECT_EQ(ridMaterialIndex(f, list), -1);
}

class CalcInputs : public testing::Test {
protected:
    Peremenn p;
    InputForm f;

    void SetUp() override
    {
        p.mode = 1;
        p.userChoice = true;
        f.materialName = "M";
        f.f1 = "10";
        f.f2 = "30";
        f.d1 = "20";
        f.h = "15";
    }
};

TEST_F(CalcInputs, StoresForcesInNewtonsAndAppliesTheReplacements)
{
    EXPECT_EQ(applyCalcInputs(p, f), InputOutcome::Proceed);
    EXPECT_EQ(p.F1, 100);
    EXPECT_EQ(p.F2, 300);
    EXPECT_EQ(f.vmax, "3");
    EXPECT_EQ(p.Vmax, 3);
    EXPECT_EQ(f.ni, "1");
    EXPECT_EQ(p.Ni, 1);
    EXPECT_EQ(p.NiExp, 5);
    EXPECT_EQ(p.group, 1);
    EXPECT_EQ(p.winding, 2);
    EXPECT_FALSE(p.userChoice);
}

TEST_F(CalcInputs, OnlyTheExactTextZeroIsReplaced)
{
    f.vmax = "0,0";
    f.stepni = "0";
    EXPECT_EQ(applyCalcInputs(p, f), InputOutcome::Proceed);
    EXPECT_EQ(p.Vmax, 0);
    EXPECT_EQ(f.vmax, "0,0");
    EXPECT_EQ(p.NiExp, 0);
}

TEST_F(CalcInputs, StopsSilentlyOnAZeroValueKeepingWhatWasStored)
{
    f.f2 = "0";
    EXPECT_EQ(applyCalcInputs(p, f), InputOutcome::Stopped);
    EXPECT_EQ(p.F1, 100);
    EXPECT_EQ(p.F2, 0);
    EXPECT_EQ(p.D1, 0);
    EXPECT_TRUE(p.userChoice);

    f.f2 = "30";
    f.h = "0";
    EXPECT_EQ(applyCalcInputs(p, f), InputOutcome::Stopped);
    p.mode = 2; // the stroke does not matter now, the free length does
    EXPECT_EQ(applyCalcInputs(p, f), InputOutcome::Stopped);
    EXPECT_EQ(p.group, 1);
    f.l0 = "60";
    EXPECT_EQ(applyCalcInputs(p, f), InputOutcome::Stopped);
    f.n = "8";
    EXPECT_EQ(applyCalcInputs(p, f), InputOutcome::Proceed);
}

TEST_F(CalcInputs, NoGroupAndNoWindingGiveZero)
{
    for (int index : {-1, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
        f.grupIndex = index;
        f.navivkaIndex = index == -1 ? -1 : 0;
        applyCalcInputs(p, f);
        EXPECT_EQ(p.group, 0) << index;
    }
    EXPECT_EQ(p.winding, 0 + 1);
    f.navivkaIndex = -1;
    applyCalcInputs(p, f);
    EXPECT_EQ(p.winding, 0);
}

TEST_F(CalcInputs, TextsThatAreNotNumbersFail)
{
    f.d1 = "2O";
    try {
        applyCalcInputs(p, f);
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'2O' is not a valid floating point value");
    }
    EXPECT_EQ(p.F2, 300);
    f.d1 = "20";
    f.ni = "1,5";
    EXPECT_THROW(applyCalcInputs(p, f), ConversionError);
}

struct RefusalCase {
    const char* name;
    void (*edit)(Peremenn&, InputForm&);
    InputOutcome outcome;
    const char* message;
};

class Refusals : public CalcInputs, public testing::WithParamInterface<RefusalCase> {};

// Each row makes negative its own value and every one checked after it, so
// the message shows which comes first; the zero stops come before any.
TEST_P(Refusals, FirstRefusedValueInOrderIsNamed)
{
    GetParam().edit(p, f);
    const InputCheck check = applyCalcInputs(p, f);
    EXPECT_EQ(check.outcome, GetParam().outcome);
    EXPECT_EQ(check.message, GetParam().message);
    EXPECT_EQ(p.userChoice, GetParam().outcome != InputOutcome::Proceed); // cleared only to go on
}

void negativeFrom(InputForm& f, int first)
{
    std::string* fields[] = {&f.f1, &f.f2, &f.d1, &f.h, &f.l0, &f.n, &f.vmax};
    for (int k = first; k < 7; ++k)
        *fields[k] = "-" + std::to_string(k + 1);
}

void freeLength(Peremenn& p, InputForm& f)
{
    p.mode = 2;
    f.l0 = "60";
    f.n = "8";
}

INSTANTIATE_TEST_SUITE_P(InOrder, Refusals,
    testing::Values(
        RefusalCase{"F1", [](Peremenn&, InputForm& f) { negativeFrom(f, 0); }, InputOutcome::Refused,
            "Значение F1 не может быть отрицательным"},
        RefusalCase{"F2", [](Peremenn&, InputForm& f) { negativeFrom(f, 1); }, InputOutcome::Refused,
            "Значение F2 не может быть отрицательным"},
        RefusalCase{"D1", [](Peremenn&, InputForm& f) { negativeFrom(f, 2); }, InputOutcome::Refused,
            "Значение D1 не может быть отрицательным"},
        RefusalCase{"HWithTheStroke", [](Peremenn&, InputForm& f) { negativeFrom(f, 3); }, InputOutcome::Refused,
            "Значение H не может быть отрицательным"},
        RefusalCase{"L0WithTheFreeLength",
            [](Peremenn& p, InputForm& f) {
                freeLength(p, f);
                negativeFrom(f, 3);
            },
            InputOutcome::Refused, "Значение L0 не может быть отрицательным"},
        RefusalCase{"NWithTheFreeLength",
            [](Peremenn& p, InputForm& f) {
                freeLength(p, f);
                negativeFrom(f, 5);
            },
            InputOutcome::Refused, "Значение n не может быть отрицательным"},
        RefusalCase{"VmaxWithTheStroke", [](Peremenn&, InputForm& f) { negativeFrom(f, 4); }, InputOutcome::Refused,
            "Значение Vmax не может быть отрицательным"},
        RefusalCase{"VmaxWithTheFreeLength",
            [](Peremenn& p, InputForm& f) {
                freeLength(p, f);
                f.h = "-15";
                f.vmax = "-2";
            },
            InputOutcome::Refused, "Значение Vmax не может быть отрицательным"},
        RefusalCase{"EqualForces", [](Peremenn&, InputForm& f) { f.f2 = "10"; }, InputOutcome::Refused,
            "Сила F2 должна быть больше силы F1"},
        RefusalCase{"F2BelowF1", [](Peremenn&, InputForm& f) { f.f2 = "9,99"; }, InputOutcome::Refused,
            "Сила F2 должна быть больше силы F1"},
        RefusalCase{"ZeroStopsFirst",
            [](Peremenn&, InputForm& f) {
                negativeFrom(f, 0);
                f.d1 = "0";
            },
            InputOutcome::Stopped, ""},
        RefusalCase{"LaterZeroStopsFirst",
            [](Peremenn& p, InputForm& f) {
                negativeFrom(f, 0);
                p.mode = 2;
                f.l0 = "0";
            },
            InputOutcome::Stopped, ""},
        RefusalCase{"FreeLengthIsNotCheckedWithTheStroke",
            [](Peremenn&, InputForm& f) {
                f.l0 = "-60";
                f.n = "-8";
            },
            InputOutcome::Proceed, ""},
        RefusalCase{"StrokeIsNotCheckedWithTheFreeLength",
            [](Peremenn& p, InputForm& f) {
                freeLength(p, f);
                f.h = "-15";
            },
            InputOutcome::Proceed, ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
