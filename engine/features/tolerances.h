#pragma once
// The manufacturing tolerances of a compression spring's forces and free
// length, by the standard the design office names on its drawing.
//
// EN 15800:2008 (helical compression springs of round wire, tolerances),
// clause 6: AF = ±(αF·kF + 1,5·F/100)·Q and AL0 = ±αF·kF·Q/R with
//   αF = 65,92·d^3,3/D^1,6·(−0,84·x³ + 3,781·x² − 4,244·x + 2,274), x = w/10,
//   kF = 1/(3n²) + 8/(5n) + 0,803, Q = 0,63 / 1 / 1,6 for grades 1 / 2 / 3.
// The term 1/(3n²) is added, as the standard prints it for compression
// springs; the minus sign seen in some reproductions belongs to the body
// length formula of torsion springs (DIN 2194), not to this one.
// Valid for 0,07 ≤ d ≤ 16 mm, 0,63 ≤ D ≤ 200 mm, L0 ≤ 630 mm, n ≥ 2, 4 ≤ w ≤ 20.
//
// ГОСТ 16118-70 (cylindrical helical compression and extension springs of
// round steel, specifications), section 1: the force of a spring of
// accuracy group 1, 2, 3 may deviate by ±5, ±10, ±20 %; the standard gives
// the free length no tolerance of its own when the forces are controlled.

#include "engine/features/checksettings.h"

#include <optional>
#include <string>

struct Tolerances {
    ToleranceStandard standard = ToleranceStandard::En15800;
    int grade = 2;
    double AF1 = 0, AF2 = 0; // N, half the band: F ± AF
    std::optional<double> AL0; // mm, half the band of the free length; none by ГОСТ 16118-70
    double alphaF = 0, kF = 0, Q = 0; // EN 15800's factors; 0 by ГОСТ 16118-70
    std::string outOfRange; // why the standard does not cover this spring; empty when it does
};

// The tolerances of a spring of wire d, mean diameter D, n active coils,
// free length L0 and rate R (N/mm) at the forces F1, F2 (N).
Tolerances tolerancesOf(
    const CheckSettings& settings, double d, double D, double n, double L0, double R, double F1, double F2);

// The grade factor Q of EN 15800 and the share of ГОСТ 16118-70, by grade 1..3.
double en15800GradeFactor(int grade);
double gost16118Share(int grade);
