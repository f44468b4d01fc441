#include "forms/widgets/sketchfields.h"

#include "engine/method/calcvalues.h"

double pitchOf(const CalcValues& p)
{
    return p.t;
}

const std::array<SketchField, 18> kSketchFields { {
    { "Edit1", QRect(64, 18, 81, 21), [](const CalcValues& p) { return p.tau3; } },
    { "Edit2", QRect(66, 50, 81, 23), [](const CalcValues& p) { return p.tau; } },
    { "Edit3", QRect(170, 16, 41, 21), [](const CalcValues& p) { return p.F3; } },
    { "Edit4", QRect(222, 40, 43, 21), [](const CalcValues& p) { return p.F2; } },
    { "Edit5", QRect(290, 74, 41, 23), [](const CalcValues& p) { return p.F1; } },
    { "Edit6", QRect(378, 230, 47, 21), [](const CalcValues& p) { return p.D1; } },
    // Mean diameter and the thickness of the ground end are not kept in
    // the record; they are derived from the wire diameter on the spot.
    { "Edit7", QRect(346, 276, 43, 21), [](const CalcValues& p) { return p.D1 - p.d; } },
    { "Edit8", QRect(342, 314, 41, 21), [](const CalcValues& p) { return 0.25 * p.d; } },
    { "Edit9", QRect(134, 194, 43, 21), [](const CalcValues& p) { return p.L0calc; } },
    { "Edit10", QRect(248, 388, 47, 21), [](const CalcValues& p) { return p.d; } },
    { "Edit11", QRect(84, 218, 43, 21), pitchOf },
    { "Edit12", QRect(228, 146, 41, 21), [](const CalcValues& p) { return p.S2; } },
    { "Edit13", QRect(222, 120, 39, 21), [](const CalcValues& p) { return p.S3; } },
    { "Edit14", QRect(92, 146, 49, 21), [](const CalcValues& p) { return p.L2; } },
    { "Edit15", QRect(74, 120, 51, 21), [](const CalcValues& p) { return p.L3; } },
    { "Edit16", QRect(114, 170, 41, 21), [](const CalcValues& p) { return p.L1; } },
    { "Edit17", QRect(340, 170, 55, 21), [](const CalcValues& p) { return p.S1; } },
    { "Edit18", QRect(322, 38, 81, 21), [](const CalcValues& p) { return p.tau2; } },
} };
