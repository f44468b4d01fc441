#pragma once
// The check of the spring as it will be made, by EN 13906-1 (cylindrical
// helical compression springs of round wire), beside the method's report.
//
// The method works some values out with an index or a diameter that is not
// the final wire's, so the spring its report specifies (final wire d,
// Dср = D1 − d, nCalc active and N1 total coils, the free length and the
// installed lengths L1, L2) need not give the report's forces. This check
// takes that spring as made and works it through by the European standard:
// index and stress correction, rate, forces at L1 and L2, stresses, solid
// length and coil gaps, buckling, natural frequency, wire length and mass,
// each with its limit and verdict. It reads nothing but the completed
// calculation's record and the catalogue's tensile-strength table.

#include "engine/method/trace.h"

#include <optional>
#include <string>
#include <vector>

class DataFiles;
struct Peremenn;

// How the spring's ends are held: the seating coefficient ν of the buckling
// formula, the four cases of the standard.
struct SeatingCase {
    double nu;
    const char* caption;
};

inline constexpr SeatingCase kSeatingCases[] = {
    { 2.0, "один конец закреплен, другой свободен" },
    { 1.0, "оба конца шарнирно оперты" },
    { 0.7, "один конец закреплен, другой шарнирно оперт" },
    { 0.5, "оба конца закреплены и направляются параллельно" },
};
inline constexpr double kDefaultSeating = 0.5;

// The seating case of ν; nullptr when none has it.
const SeatingCase* seatingCase(double nu);

// Inputs and results of the check, in N, mm, MPa, Hz, kg.
struct MadeSpring {
    // The spring as the report specifies it.
    double d = 0, D = 0, n = 0, N1 = 0;
    double L0 = 0, L1 = 0, L2 = 0, L3 = 0;
    double F1 = 0, F2 = 0, F3 = 0, s2 = 0;
    double G = 0, E = 0, rho = 0; // MPa, MPa, g/cm³
    double Rm = 0; // tensile strength for the final d; 0 when the catalogue has none
    double nu = kDefaultSeating;
    // Worked out.
    double w = 0, k = 0, R = 0;
    double FL1 = 0, FL2 = 0; // forces the made spring gives at L1, L2
    double dev1 = 0, dev2 = 0; // their deviation from F1, F2, %
    double tauk2 = 0, tauk3 = 0, tauzul = 0;
    double Lc = 0, Sa = 0, Ln = 0;
    double FLc = 0, tauc = 0, taucZul = 0;
    double sK = 0; // critical deflection; 0 when the spring cannot buckle
    bool bucklingFree = false; // the root of the formula is imaginary: no buckling at any deflection
    double fe = 0, wireLength = 0, mass = 0;
};

enum class CheckVerdict {
    Info, // a value without a limit
    Passed,
    Remark, // outside a recommended range, or a length the method gives below Ln: worth a look, not a failure
    Failed,
};

// "справочно", "выполнено", "замечание", "не выполнено"; and the machine names.
const char* checkVerdictWords(CheckVerdict verdict);
const char* checkVerdictName(CheckVerdict verdict);

// One row of the check. Its texts are the program's own constants; the
// figures stay numbers, and engine/features/verificationtext.h makes the words.
struct CheckRow {
    const char* key = ""; // machine name: "R", "F1", "tauk2", ...
    const char* caption = ""; // in words, with the symbol
    const char* unit = "";
    std::optional<double> method; // the method's value, where it has one
    std::optional<double> made; // the made spring's value
    std::optional<double> limit; // the limit's value, where it is a number
    const char* limitRule = ""; // "±5 %", "≤ 0,5·Rm", "Ln ≤ L2", "s2 < sK", "4…12"; empty for none
    bool limitShown = false; // the text gives the limit's value after the rule
    CheckVerdict verdict = CheckVerdict::Info;
    double severity = 0; // how far beyond its limit a failed row lies (1 at the limit)
};

struct Verification {
    bool available = false;
    std::string refusal; // why there is no check; empty when available
    MadeSpring spring;
    std::string rmSource; // where Rm came from, in words
    std::vector<CheckRow> rows;
    bool passed = false;
    int worstRow = -1; // the failed row that lies farthest beyond its limit; -1 when passed
    Trace trace; // the check's steps, when asked for

    const CheckRow* row(const char* key) const;
};

// The check of a completed calculation (done.calcComplete); the tensile
// strength of the final wire comes from "sigmdiam.dat"/"sigmab.dat" read
// through `files` (not read when the method looked it up for that wire).
// `trace` asks for the check's steps as the calculation's trace has them.
Verification verifySpring(
    const Peremenn& done, const DataFiles& files, double nu = kDefaultSeating, bool trace = false);

// The solid length of the spring as made, Lc = N1·d (EN 13906-1).
inline double madeSolidLength(double N1, double d)
{
    return N1 * d;
}

// The rate of the spring the report specifies as it will be made,
// G·d⁴/(8·D³·n) with D = D1 − d and n the design coils, N/mm; 0 when the
// record has no such spring.
double madeSpringRate(const Peremenn& done);

// The symbols of MadeSpring as formulas and the machine-readable output
// name them, with unit and words.
struct SpringSymbol {
    const char* name; // machine name
    const char* symbol; // in formulas
    double MadeSpring::*field;
    const char* unit;
    const char* what;
};
const std::vector<SpringSymbol>& springSymbols();

inline constexpr const char* kCheckHeading
    = "----------Проверка изготовленной пружины по EN 13906-1----------";
