#include "engine/characteristic.h"
#include "engine/peremenn.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

// The record after the complete calculation of examples/wire-class2.rid
// (working stroke given: pressed to F3 the coils just touch).
Peremenn wireClass2()
{
    Peremenn p;
    p.materialName = "Проволока II класса";
    p.F1 = 100;
    p.F2 = 300;
    p.F3 = 375;
    p.D1 = 20;
    p.d = 4;
    p.nCalc = 26;
    p.N1 = 28;
    p.c = 13.2973170194071;
    p.S1 = 7.52030602960019;
    p.S2 = 22.5609180888006;
    p.S3 = 28.2011476110007;
    p.L3 = 110;
    p.L0calc = 138.201147611001;
    p.L1 = 130.680841581401;
    p.L2 = 115.6402295222;
    p.tau = 456;
    p.tau2 = 300.32029532967;
    p.tau3 = 375.400369162088;
    p.calcComplete = true;
    return p;
}

TEST(Characteristic, LabelsEveryPointLengthAndStressOfAKnownSpring)
{
    const Characteristic chart = characteristic(wireClass2());
    ASSERT_EQ(chart.refusal, "");
    EXPECT_EQ(chart.title, "Проволока II класса;  d = 4 мм;  D1 = 20 мм;  n = 26;  c = 13,3 Н/мм");
    ASSERT_EQ(chart.points.size(), 3u);
    const char* const expected[3][3]
        = { { "F1 = 100 Н", "S1 = 7,52 мм", "" }, { "F2 = 300 Н", "S2 = 22,56 мм", "τ2* = 300,3 МПа" },
              { "F3 = 375 Н", "S3 = 28,2 мм", "τ3* = 375,4 МПа" } };
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(chart.points[k].forceLabel, expected[k][0]);
        EXPECT_EQ(chart.points[k].deflectionLabel, expected[k][1]);
        EXPECT_EQ(chart.points[k].stressLabel, expected[k][2]);
    }
    EXPECT_DOUBLE_EQ(chart.points[1].deflection, 22.5609180888006);
    EXPECT_DOUBLE_EQ(chart.points[1].force, 300);

    ASSERT_EQ(chart.lengths.size(), 4u);
    const char* const lengths[4] = { "L0 = 138,2", "L1 = 130,7", "L2 = 115,6", "L3 = Lсж = 110" };
    const double at[4] = { 0, 7.52030602960019, 22.5609180888006, 28.2011476110007 };
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(chart.lengths[k].label, lengths[k]);
        EXPECT_DOUBLE_EQ(chart.lengths[k].deflection, at[k]);
    }
    EXPECT_TRUE(chart.solidOnScale);
    EXPECT_EQ(chart.solid.label, "");

    EXPECT_EQ(chart.allowableLabel, "[τ] = 456 МПа");
    EXPECT_TRUE(chart.allowableOnScale);
    EXPECT_DOUBLE_EQ(chart.stressPerForce, 375.400369162088 / 375);
    EXPECT_DOUBLE_EQ(chart.deflectionScale.top, 30);
    EXPECT_DOUBLE_EQ(chart.deflectionScale.step, 5);
    // room for the allowable stress, 455,5 N on the force scale
    EXPECT_DOUBLE_EQ(chart.forceScale.top, 500);
    EXPECT_DOUBLE_EQ(chart.stressScale.top, 500 * 375.400369162088 / 375);
    EXPECT_DOUBLE_EQ(chart.stressScale.step, 100);
}

struct RefusalCase {
    const char* name;
    std::function<void(Peremenn&)> change;
    const char* startsWith; // empty: a chart is drawn
};

class CharacteristicRefusal : public testing::TestWithParam<RefusalCase> { };

TEST_P(CharacteristicRefusal, OnlyFromACompleteCalculationOfDrawableValues)
{
    Peremenn p = wireClass2();
    GetParam().change(p);
    const Characteristic chart = characteristic(p);
    EXPECT_EQ(chart.refusal.substr(0, std::string(GetParam().startsWith).size()), GetParam().startsWith);
    EXPECT_EQ(chart.points.empty(), !chart.refusal.empty());
}

INSTANTIATE_TEST_SUITE_P(Records, CharacteristicRefusal,
    testing::Values(RefusalCase { "complete", [](Peremenn&) {}, "" },
        RefusalCase { "before_any_calculation", [](Peremenn& p) { p = Peremenn(); },
            "Нет результатов расчета для построения характеристики." },
        RefusalCase { "stopped_or_new_inputs", [](Peremenn& p) { p.calcComplete = false; },
            "Нет результатов расчета для построения характеристики." },
        RefusalCase { "no_deflection", [](Peremenn& p) { p.S3 = 0; },
            "Результаты расчета не позволяют построить характеристику" },
        RefusalCase { "negative_force", [](Peremenn& p) { p.F1 = -100; },
            "Результаты расчета не позволяют построить характеристику" },
        RefusalCase { "not_a_number", [](Peremenn& p) { p.L0calc = std::nan(""); },
            "Результаты расчета не позволяют построить характеристику" }),
    [](const auto& info) { return std::string(info.param.name); });

struct SolidCase {
    const char* name;
    double freeLength; // L0calc; L3 and the other lengths follow it
    const char* l3Label;
    const char* solidLabel;
    bool onScale;
    double deflectionTop;
};

class CharacteristicSolid : public testing::TestWithParam<SolidCase> { };

TEST_P(CharacteristicSolid, MarksTheSolidLengthWhereItFalls)
{
    Peremenn p = wireClass2();
    p.L0calc = GetParam().freeLength;
    p.L3 = p.L0calc - p.S3;
    const Characteristic chart = characteristic(p);
    EXPECT_EQ(chart.lengths.back().label, GetParam().l3Label);
    EXPECT_EQ(chart.solid.label, GetParam().solidLabel);
    EXPECT_EQ(chart.solidOnScale, GetParam().onScale);
    EXPECT_NEAR(chart.solid.deflection, GetParam().freeLength - 110, 1e-9);
    EXPECT_DOUBLE_EQ(chart.deflectionScale.top, GetParam().deflectionTop);
}

INSTANTIATE_TEST_SUITE_P(FreeLengths, CharacteristicSolid,
    testing::Values(SolidCase { "touching_at_F3", 138.201147611001, "L3 = Lсж = 110", "", true, 30 },
        // solid at 35 mm of deflection: the scale reaches it
        SolidCase { "a_little_longer", 145, "L3 = 116,8", "Lсж = 110", true, 40 },
        // solid at 70 mm, far past S3: noted, the scale stays with the loads
        SolidCase { "far_longer", 180, "L3 = 151,8", "Lсж = 110 мм при S = 70 мм", false, 30 }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Characteristic, AllowableStressFarAboveTheLoadsIsNotedOffTheScale)
{
    Peremenn p = wireClass2();
    p.tau = 1200; // 1199 N on the force scale, past 1,6 × F3
    const Characteristic chart = characteristic(p);
    EXPECT_FALSE(chart.allowableOnScale);
    EXPECT_DOUBLE_EQ(chart.forceScale.top, 500); // from 1,2 × F3, the room for F3's label
}

struct ScaleCase {
    double largest;
    int steps;
    double step;
    double top;
};

class ChartScaleTest : public testing::TestWithParam<ScaleCase> { };

TEST_P(ChartScaleTest, StepsOfOneTwoOrFiveTimesAPowerOfTen)
{
    const ChartScale scale = chartScale(GetParam().largest, GetParam().steps);
    EXPECT_DOUBLE_EQ(scale.step, GetParam().step);
    EXPECT_DOUBLE_EQ(scale.top, GetParam().top);
}

INSTANTIATE_TEST_SUITE_P(Ranges, ChartScaleTest,
    testing::Values(ScaleCase { 29.6, 8, 5, 30 }, ScaleCase { 492, 8, 100, 500 }, ScaleCase { 1, 8, 0.2, 1 },
        ScaleCase { 7, 8, 1, 7 }, ScaleCase { 0.3, 3, 0.1, 0.3 }, ScaleCase { 0.0042, 8, 0.001, 0.005 },
        ScaleCase { 12000, 8, 2000, 12000 }, ScaleCase { 0, 8, 0, 0 }));

struct NumberCase {
    double value;
    const char* text;
};

class ChartNumberTest : public testing::TestWithParam<NumberCase> { };

TEST_P(ChartNumberTest, FourSignificantDigitsOrWholeUnits)
{
    EXPECT_EQ(chartNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Figures, ChartNumberTest,
    testing::Values(NumberCase { 7.52030602960019, "7,52" }, NumberCase { 138.201147611001, "138,2" },
        NumberCase { 22.5609180888006, "22,56" }, NumberCase { 12345.4, "12345" },
        NumberCase { 0.0123456, "0,01235" }, NumberCase { 9.99951, "10" }, NumberCase { 0, "0" },
        NumberCase { 110, "110" }, NumberCase { -3.14159, "-3,142" }));

} // namespace
