#pragma once
// The spring as its working drawing gives it: every dimension, force,
// tolerance and requirement the sheet shows, taken from a calculation and
// its check so that the drawing and the check cannot disagree. The sheet's
// geometry (engine/features/springdrawing.h) works from this alone.

#include <optional>
#include <string>

struct CalcResult;
struct Verification;

// A value with its symmetric limit deviation; no tolerance: none is set.
struct Toleranced {
    double value = 0;
    std::optional<double> tolerance;
};

enum class SpringGuide {
    Bore, // runs in a bore: the outer diameter D1 is the toleranced one
    Mandrel, // runs over a mandrel: the inner diameter D1 − 2d is
};

struct DrawingSpring {
    double d = 0; // wire, mm
    Toleranced D1; // outer diameter, mm
    Toleranced Dinner; // inner diameter, mm
    double D = 0; // mean diameter, mm
    double n = 0; // active coils
    double n1 = 0; // total coils
    Toleranced L0; // free length, mm
    double Lc = 0; // solid length, mm (a reference dimension)
    Toleranced F1, F2, F3; // N
    double L1 = 0, L2 = 0, L3 = 0; // mm
    bool leftHand = false; // winding direction
    bool groundEnds = true; // end coils closed and ground
    double wireLength = 0; // developed length, mm
    double mass = 0; // kg
    std::string toleranceStandard; // e.g. "ГОСТ 16118-70"; empty: none chosen
    std::string toleranceGrade; // group or grade in that standard
    std::string material; // designation with its standard; empty: typed on the sheet
    SpringGuide guide = SpringGuide::Bore;
};

// The spring of a completed calculation and its check of the spring as
// made, or why there is none (`refusal` in words).
struct DrawingSource {
    std::optional<DrawingSpring> spring;
    std::string refusal;
};

// The spring the workshop makes: the report's spring where it passes the
// check, else the check's spring to order; with the check's force and
// free-length tolerances and end type. The guide is a bore.
DrawingSource drawingSpring(const CalcResult& result, const Verification& check);
