#pragma once
// The spring's characteristic, force against deflection, as the chart
// window draws it: the three load points with their labels, the spring's
// lengths along the deflection scale, the solid length, the stresses at F2
// and F3 against the allowable one, and the scales. It is taken from the
// shared record only when the last calculation ran to its end with the
// inputs the record holds; otherwise `refusal` says, in the user's words,
// why there is no chart.
//
// The stress grows with the force (tau = 2,55·i·k1·F / d²), so one stress
// scale beside the force scale serves every point. Figures in labels are
// rounded to four significant digits, never coarser than whole units: a
// chart is read to that precision, the report keeps the full figures.

#include <string>
#include <vector>

struct CalcResult;

// A scale from 0 to `top` with a tick every `step`.
struct ChartScale {
    double top = 0;
    double step = 0;
};

struct LoadPoint {
    double deflection = 0; // mm
    double force = 0; // N
    std::string forceLabel; // "F1 = 100 Н"
    std::string deflectionLabel; // "S1 = 7,52 мм"
    std::string stressLabel; // "τ2* = 300,3 МПа"; empty at F1
};

// A length of the spring, placed at the deflection where it has it.
struct LengthMark {
    double deflection = 0;
    std::string label; // "L1 = 130,7"
};

struct Characteristic {
    std::string refusal; // empty when there is a chart to draw
    std::string title; // material, wire, outer diameter, stiffness
    std::vector<LoadPoint> points; // (S1, F1), (S2, F2), (S3, F3)
    // The spring as it will be made (EN 13906-1, engine/features/verification.h): the
    // forces its rate R gives at L1 and L2, drawn beside the method's line.
    std::vector<LoadPoint> made; // (S1, R·S1), (S2, R·S2); empty when it has no rate
    std::string madeLabel; // "изготовленная пружина: R = 23,59 Н/мм"
    std::vector<LengthMark> lengths; // L0 at no deflection, L1, L2, L3
    // The solid length (N1 − 0,5)·d. Where it is L3 itself, L3's label says
    // so and this label is empty. Off the deflection scale (a free length
    // given far longer than needed) its label is a note to print beside it.
    LengthMark solid;
    bool solidOnScale = false;
    double stressPerForce = 0; // MPa per N
    double allowableStress = 0; // MPa
    std::string allowableLabel; // "[τ] = 456 МПа"
    bool allowableOnScale = false;
    ChartScale deflectionScale; // mm
    ChartScale forceScale; // N
    ChartScale stressScale; // MPa; its top stands level with forceScale.top
    std::string footnote; // what the marks mean
};

// The chart of a complete calculation; its refusal says why there is none.
Characteristic characteristic(const CalcResult& result);

// The smallest step of 1, 2 or 5 times a power of ten that cuts [0, largest]
// into at most `mostSteps` parts, and the first multiple of it at or above
// `largest`.
ChartScale chartScale(double largest, int mostSteps);

// A figure as the chart prints it: number text of the value rounded to four
// significant digits, or to whole units when it has more than four.
std::string chartNumber(double value);
