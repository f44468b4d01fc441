#include "engine/errors.h"
#include "engine/inputform.h"
#include "engine/peremenn.h"

#include <gtest/gtest.h>

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
    f.grupIndex = -1;
    f.navivkaIndex = -1;
    applyCalcInputs(p, f);
    EXPECT_EQ(p.group, 0);
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

} // namespace
