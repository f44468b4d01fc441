#include "engine/features/characteristic.h"
#include "example_design.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

// The result of the complete calculation of examples/wire-class2.rid
// (working stroke given: pressed to F3 the coils just touch).
CalcResult wireClass2()
{
    CalcResult r;
    r.inputs = wireClass2CalcInputs("");
    r.outcome = Outcome::Complete;
    CalcValues& p = r.values;
    p.F1 = r.inputs.F1;
    p.F2 = r.inputs.F2;
    p.D1 = r.inputs.D1;
    p.F3 = 375;
    p.tau = 456;
    p.tau3 = 375.400369162088;
    p.tau2 = 300.32029532967;
    p.nCalc = 26;
    p.d = 4;
    p.c = 13.2973170194071;
    p.S1 = 7.52030602960019;
    p.S2 = 22.5609180888006;
    p.S3 = 28.2011476110007;
    p.N1 = 28;
    p.L3 = 110;
    p.L0calc = 138.201147611001;
    p.L1 = 130.680841581401;
    p.L2 = 115.6402295222;
    return r;
}

std::vector<std::string> labels(const Characteristic& chart)
{
    std::vector<std::string> texts { chart.title, chart.allowableLabel, chart.solid.label };
    for (const LoadPoint& point : chart.points)
        texts.insert(texts.end(), { point.forceLabel, point.deflectionLabel, point.stressLabel });
    for (const LengthMark& mark : chart.lengths)
        texts.push_back(mark.label);
    return texts;
}

TEST(Characteristic, LabelsAndScalesOfAKnownSpring)
{
    const Characteristic chart = characteristic(wireClass2());
    EXPECT_EQ(chart.refusal, "");
    EXPECT_EQ(labels(chart),
        (std::vector<std::string> { "Проволока II класса;  d = 4 мм;  D1 = 20 мм;  n = 26;  c = 13,3 Н/мм",
            "[τ] = 456 МПа", "Lc = 112", "F1 = 100 Н", "S1 = 7,52 мм", "", "F2 = 300 Н", "S2 = 22,56 мм",
            "τ2* = 300,3 МПа", "F3 = 375 Н", "S3 = 28,2 мм", "τ3* = 375,4 МПа", "L0 = 138,2", "L1 = 130,7",
            "L2 = 115,6", "L3 = 110" }));
    EXPECT_TRUE(chart.solidOnScale && chart.allowableOnScale);
    EXPECT_DOUBLE_EQ(chart.stressPerForce, 375.400369162088 / 375);
    EXPECT_DOUBLE_EQ(chart.deflectionScale.top, 30);
    EXPECT_DOUBLE_EQ(chart.deflectionScale.step, 5);
    // room for the allowable stress, 455,5 N on the force scale
    EXPECT_DOUBLE_EQ(chart.forceScale.top, 500);
    EXPECT_DOUBLE_EQ(chart.stressScale.top, 500 * 375.400369162088 / 375);
    EXPECT_DOUBLE_EQ(chart.stressScale.step, 100);
}

// The spring as it will be made (rate from G, d, D1 − d and n) is drawn
// beside the method's line: 23,59 Н/мм against the report's 13,3, so its
// forces at L1 and L2 set the force scale.
TEST(Characteristic, MadeSpringLineBesideTheMethods)
{
    CalcResult r = wireClass2();
    CalcValues& p = r.values;
    EXPECT_TRUE(characteristic(r).made.empty()); // no modulus: no made spring
    p.G = 78.5;
    const Characteristic chart = characteristic(r);
    ASSERT_EQ(chart.made.size(), 2u);
    EXPECT_EQ(chart.made[0].forceLabel, "F(L1) = 177,4 Н");
    EXPECT_EQ(chart.made[1].forceLabel, "F(L2) = 532,2 Н");
    EXPECT_DOUBLE_EQ(chart.made[1].deflection, p.S2);
    EXPECT_EQ(chart.madeLabel, "изготовленная пружина: R = 23,59 Н/мм");
    EXPECT_GE(chart.forceScale.top, 1.2 * chart.made[1].force);
}

TEST(Characteristic, RefusesValuesItCannotDraw)
{
    const std::pair<const char*, std::function<void(CalcValues&)>> cases[]
        = { { "no deflection", [](CalcValues& p) { p.S3 = 0; } },
              { "negative force", [](CalcValues& p) { p.F1 = -100; } },
              { "not a number", [](CalcValues& p) { p.L0calc = std::nan(""); } } };
    for (const auto& [name, change] : cases) {
        CalcResult r = wireClass2();
        CalcValues& p = r.values;
        change(p);
        const Characteristic chart = characteristic(r);
        EXPECT_EQ(chart.refusal.rfind("Результаты расчета не позволяют построить характеристику", 0), 0u)
            << name;
        EXPECT_TRUE(chart.points.empty()) << name;
    }
}

TEST(Characteristic, MarksTheSolidLengthWhereItFalls)
{
    struct {
        double freeLength; // L0calc; L3 follows it
        const char* l3Label;
        const char* solidLabel;
        bool onScale;
        double deflectionTop;
    } const cases[] = { // Lc = N1·d = 112, its own mark: the method's L3 is no solid length
        { 138.201147611001, "L3 = 110", "Lc = 112", true, 30 },
        { 145, "L3 = 116,8", "Lc = 112", true, 35 }, // solid at 33 mm: the scale reaches it
        // solid at 68 mm, far past S3: noted, the scale stays with the loads
        { 180, "L3 = 151,8", "Lc = 112 мм при S = 68 мм", false, 30 }
    };
    for (const auto& c : cases) {
        CalcResult r = wireClass2();
        CalcValues& p = r.values;
        p.L0calc = c.freeLength;
        p.L3 = p.L0calc - p.S3;
        const Characteristic chart = characteristic(r);
        EXPECT_EQ(chart.lengths.back().label, c.l3Label);
        EXPECT_EQ(chart.solid.label, c.solidLabel);
        EXPECT_EQ(chart.solidOnScale, c.onScale) << c.freeLength;
        EXPECT_NEAR(chart.solid.deflection, c.freeLength - 112, 1e-9);
        EXPECT_DOUBLE_EQ(chart.deflectionScale.top, c.deflectionTop) << c.freeLength;
    }
}

TEST(Characteristic, AllowableStressFarAboveTheLoadsIsNotedOffTheScale)
{
    CalcResult r = wireClass2();
    CalcValues& p = r.values;
    p.tau = 1200; // 1199 N on the force scale, past 1,6 × F3
    const Characteristic chart = characteristic(r);
    EXPECT_FALSE(chart.allowableOnScale);
    EXPECT_DOUBLE_EQ(chart.forceScale.top, 500); // from 1,2 × F3, the room for F3's label
}

TEST(ChartScale, StepsOfOneTwoOrFiveTimesAPowerOfTen)
{
    // largest, most steps, step, top
    const double cases[][4] = { { 29.6, 8, 5, 30 }, { 492, 8, 100, 500 }, { 1, 8, 0.2, 1 }, { 7, 8, 1, 7 },
        { 0.3, 3, 0.1, 0.3 }, { 0.0042, 8, 0.001, 0.005 }, { 12000, 8, 2000, 12000 }, { 0, 8, 0, 0 } };
    for (const auto& c : cases) {
        const ChartScale scale = chartScale(c[0], static_cast<int>(c[1]));
        EXPECT_DOUBLE_EQ(scale.step, c[2]) << c[0];
        EXPECT_DOUBLE_EQ(scale.top, c[3]) << c[0];
    }
}

TEST(ChartNumber, FourSignificantDigitsOrWholeUnits)
{
    const std::pair<double, const char*> cases[] = { { 7.52030602960019, "7,52" },
        { 138.201147611001, "138,2" }, { 22.5609180888006, "22,56" }, { 12345.4, "12345" },
        { 0.0123456, "0,01235" }, { 9.99951, "10" }, { 0, "0" }, { 110, "110" }, { -3.14159, "-3,142" } };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(chartNumber(value), text) << value;
}

} // namespace
