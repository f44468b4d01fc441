#pragma once
// The check of the spring as it will be made, by EN 13906-1 (cylindrical
// helical compression springs of round wire), beside the method's report,
// and the spring to order when the made one does not give the asked forces.
//
// The method works some values out with an index or a diameter that is not
// the final wire's, so the spring its report specifies (final wire d,
// D = D1 − d, nCalc active and N1 total coils, the free length and the
// installed lengths L1, L2) need not give the asked forces. This check
// takes that spring as made and works it through by the European standard:
// index and stress correction, rate, forces at L1 and L2 judged by the
// manufacturing tolerance (EN 15800 or ГОСТ 16118-70), the free length's
// tolerance, stresses (static up to 10⁴ cycles, else cyclic with a fatigue
// row), solid length and coil gaps, buckling, natural frequency, wire
// length and mass. Forces are newtons: the form's kilograms-force times
// kGravity (the method itself works with 10·F and calls it "Н").
//
// The spring to order keeps d and D and takes the active coils that give
// the asked rate (to a quarter coil) and the free length that gives F1 at
// L1; it is checked by the same rules.

#include "engine/features/checkdata.h"
#include "engine/features/checksettings.h"
#include "engine/features/tolerances.h"
#include "engine/method/trace.h"

#include <optional>
#include <string>
#include <vector>

class DataFiles;
struct CalcResult;

// Newtons in one kilogram-force (standard gravity).
inline constexpr double kGravity = 9.80665;
// Up to this many cycles the spring is loaded statically.
inline constexpr double kStaticCycles = 1e4;

// One spring as checked, in N, mm, MPa, Hz, kg.
struct MadeSpring {
    // The spring.
    double d = 0, D = 0, n = 0, nt = 0; // nt: total coils
    double L0 = 0, L1 = 0, L2 = 0, L3 = 0;
    double F1 = 0, F2 = 0, F3 = 0; // the asked forces, N
    double s2 = 0; // deflection at L2
    double G = 0, E = 0, rho = 0; // MPa, MPa, g/cm³
    double Rm = 0; // tensile strength for d; hasRm tells whether there is one
    bool hasRm = false;
    double nu = kDefaultSeating;
    double cycles = 0; // required endurance; 0 when not given
    // Worked out.
    double w = 0, k = 0, R = 0, Rasked = 0; // Rasked: (F2 − F1)/(L1 − L2)
    double FL1 = 0, FL2 = 0; // forces the spring gives at L1, L2
    double dev1 = 0, dev2 = 0; // their deviation from F1, F2, %
    double AF1 = 0, AF2 = 0, AL0 = 0; // tolerances; AL0 0 when the standard has none
    double L0asked = 0; // free length that gives F1 at L1
    double tau2 = 0; // uncorrected stress at F(L2) (static load)
    double tauk1 = 0, tauk2 = 0, tauk3 = 0, taukh = 0; // corrected, at F(L1), F(L2), F3; stroke
    double tauzul = 0, tauKH = 0; // allowed: 0,5·Rm; fatigue strength at τkU = τk1
    double Lc = 0, Sa = 0, Ln = 0;
    double FLc = 0, tauc = 0, taucZul = 0;
    double sK = 0; // critical deflection; 0 when the spring cannot buckle
    bool bucklingFree = false; // the root of the formula is imaginary: no buckling at any deflection
    double fe = 0, wireLength = 0, mass = 0;
};

enum class CheckVerdict {
    Info, // a value without a limit
    Passed,
    Remark, // outside a recommended range, or data missing: worth a look, not a failure
    Failed,
};

// "справочно", "выполнено", "замечание", "не выполнено"; and the machine names.
const char* checkVerdictWords(CheckVerdict verdict);
const char* checkVerdictName(CheckVerdict verdict);

// The rows of the check, in their order.
enum class CheckKey {
    Rm,
    Index,
    StressFactor,
    Rate,
    ForceL1,
    ForceL2,
    FreeLength,
    Stress,
    StressF3,
    Fatigue,
    SolidLength,
    Gaps,
    LeastLength,
    MethodL3,
    SolidStress,
    Buckling,
    Frequency,
    WireLength,
    Mass,
};

// One row of the check, its texts made when the row was judged.
struct CheckRow {
    CheckKey key = CheckKey::Rm;
    const char* name = ""; // machine name: "R", "F1", "tauk2", ...
    const char* caption = ""; // in words, with the symbol
    const char* unit = "";
    std::optional<double> method; // the method's (or the asked) value, where it has one
    std::optional<double> made; // the spring's value
    std::optional<double> limit; // the limit's value, where it is one number
    std::string limitText; // "≤ 0,5·Rm = 740", "196,1 ± 9,8", "s2 < sK"; empty for none
    CheckVerdict verdict = CheckVerdict::Info;
    std::optional<double> utilisation; // value ÷ limit (1 at the limit); rows with a limit
    std::string note; // the deviation, where a value came from, why it passes
};

// The spring to order: the made spring's d and D with n′ and L0′ that give
// the asked forces, checked by the same rules.
struct OrderSpring {
    MadeSpring spring; // n = n′ (a quarter coil), nt, L0 = L0′, L1, L2, Lc, Sa, R, forces, mass, wire length
    Tolerances tolerances;
    std::vector<CheckRow> rows;
    bool passed = false;
    std::string stop; // the rule that stops it being made as it is; empty when it passes

    const CheckRow* row(CheckKey key) const;
};

struct Verification {
    bool available = false;
    std::string refusal; // why there is no check; empty when available
    CheckSettings settings;
    MadeSpring spring;
    Tolerances tolerances;
    std::string rmSource; // where Rm came from, in words
    std::string fatigueSource; // where the fatigue strength came from; empty when static
    bool cyclic = false;
    std::vector<CheckRow> rows;
    bool passed = false;
    // The failed row with the highest utilisation; when none failed, the
    // row with the highest utilisation; -1 when no row has one.
    int worstRow = -1;
    std::optional<OrderSpring> order; // when the check is available
    Trace trace; // the check's steps, when asked for

    const CheckRow* row(CheckKey key) const;
};

// The check of a completed calculation (its refusal says so otherwise), with
// the catalogue's data read once in `data`. `trace` asks for the check's
// steps as the calculation's trace has them.
Verification verifySpring(
    const CalcResult& done, const CheckData& data, const CheckSettings& settings = {}, bool trace = false);
// The same, reading the catalogue's data through `files` for this check only.
Verification verifySpring(
    const CalcResult& done, const DataFiles& files, const CheckSettings& settings = {}, bool trace = false);

// The solid length of the spring as made (EN 13906-1): Lc = nt·d with
// ground ends, (nt + 1,5)·d with ends not ground; nt the total coils.
double madeSolidLength(double nt, double d, EndType ends);

// The rate of the spring the report specifies as it will be made,
// G·d⁴/(8·D³·n) with D = D1 − d and n the design coils, N/mm; 0 when the
// record has no such spring.
double madeSpringRate(const CalcResult& done);

// The critical deflection sK of a spring for seating ν; nullopt when it
// cannot buckle at any deflection (or E ≤ G).
std::optional<double> bucklingDeflection(const MadeSpring& s, double nu);

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
inline constexpr const char* kOrderHeading = "----------Пружина к заказу----------";
