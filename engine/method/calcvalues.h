#pragma once
// The numbers of one calculation as its result holds them: the numeric
// inputs as the calculation used them, every value it worked out and the
// material's properties it read. A value the calculation did not reach is
// 0 (the material class -1). engine/method/quantities.h names each value,
// its symbol, caption and unit.

struct CalcValues {
    double F1 = 0; // N, force at preliminary deflection
    double F2 = 0; // N, force at working deflection
    double D1 = 0; // mm, outer diameter
    double H = 0; // mm, working stroke (mode 1)
    double Vmax = 0; // m/s, largest compression speed
    double L0 = 0; // mm, free length given by the user
    double n = 0; // active coils given by the user (worked out from the stroke when not given)
    double chosenD = 0; // mm, diameter picked in the diameter choice dialog
    double F3 = 0; // N, force at maximum deflection
    double taupr = 0; // MPa, allowable stress, first approximation
    double tau = 0; // MPa, allowable torsion stress
    double tau3 = 0; // MPa, stress at F3
    double tau2 = 0; // MPa, stress at F2
    double nCalc = 0; // design number of active coils
    double k3 = 0;
    double ipr = 0; // spring index, first approximation
    double k1pr = 0; // factor k1, first approximation
    double dpr = 0; // mm, wire diameter, first approximation
    double SIGMA_B = 0; // MPa, tensile strength for dpr
    double tauFactor = 0; // share of SIGMA_B allowed as torsion stress
    double i = 0; // spring index
    double k1 = 0; // stress correction factor
    double d = 0; // mm, wire diameter (a listed one)
    double Dcp = 0; // mm, mean diameter
    double k2 = 0;
    double C1 = 0; // N/mm, stiffness of one coil
    double ro = 0; // g/cm3, density
    double G = 0; // 10^3 MPa, shear modulus
    double E = 0; // 10^4 MPa, Young's modulus
    double S3coil = 0; // mm, deflection of one coil at F3
    double t = 0; // mm, pitch (see isPitch)
    double c = 0; // N/mm, spring stiffness
    double Vkr = 0; // m/s, critical speed
    double S1 = 0; // mm, preliminary deflection
    double S2 = 0; // mm, working deflection
    double S3 = 0; // mm, maximum deflection
    double N1 = 0; // total number of coils
    double L3 = 0; // mm, length at maximum deflection
    double L0calc = 0; // mm, free length, result
    double L1 = 0; // mm, length at preliminary deflection
    double L2 = 0; // mm, length at working deflection
    double L = 0; // mm, developed length of the wire
    double M = 0; // kg, mass
    int materialClass = -1; // 0..9 from the properties file, selects tables and their rows
};

// Whether the method's formula gave a pitch: a coil's pitch is positive; the
// formula with the free length not yet given gives a negative value.
inline bool isPitch(double t)
{
    return t > 0;
}
// Said in the trace and the sketch where t is no pitch.
inline constexpr const char* kNoPitch = "t ≤ 0 — не шаг: формула методики здесь не дает шага пружины";
