#pragma once
// One candidate of the search (engine/features/search.h) worked through:
// the method run exactly as "Расчет" would with that material, group and
// outer diameter (no report text is made: only the values are kept), then
// the check of the spring, then the space it must fit. Everything the
// search judges a candidate by is decided here and nowhere else.

#include "engine/features/verification.h"
#include "engine/method/calc.h"
#include "engine/method/calcinputs.h"

#include <cstdint>
#include <optional>
#include <string>

class DataFiles;

// Why a candidate was not kept. Each is counted once, under the first rule
// it breaks in this order.
enum class Rejection {
    None, // kept
    MethodStopped, // the method did not run to its end
    OuterTooLarge, // D1 above the largest outer diameter
    InnerTooSmall, // D1 − 2·d below the smallest inner diameter
    FreeLength, // L0 above the largest free length
    SolidLength, // Lc = N1·d above the largest solid length
    Mass, // above the largest mass
    CheckFailed, // the spring fails the check
};
inline constexpr int kRejectionCount = 8;

// In words, and the machine name; None: "подходит", "kept".
const char* rejectionWords(Rejection r);
const char* rejectionName(Rejection r);

// The space the spring must fit; 0 for a limit not given.
struct SearchSpace {
    double outerMax = 0; // mm, the bore less its clearance
    double innerMin = 0; // mm, the rod plus its clearance
    double lengthMax = 0; // mm, free length
    double solidMax = 0; // mm, solid length
    double massMax = 0; // kg
    // False: a spring that fails the check is kept all the same, its
    // verdict showing it (what the method alone would give).
    bool checkRequired = true;
};

// A kept candidate's line of the table: what it was made from, and its
// figures.
struct SearchRow {
    std::string material;
    int group = 0; // 1..4
    double D1 = 0; // mm
    double givenL0 = 0, givenN = 0; // mode 2: the free length and coils tried; 0 otherwise
    std::optional<double> wire; // the stocked wire that answered the diameter question
    double d = 0, n = 0, N1 = 0; // wire, active and total coils
    double L0 = 0; // mm, free length
    double Lc = 0; // mm, solid length
    double mass = 0; // kg
    double utilisation = 0; // of the check row nearest its limit (1 at the limit)
    const char* worstRow = ""; // that row's key; empty when no row has a limit
    bool passed = false; // the check's verdict
    std::uint64_t order = 0; // place in the search's enumeration: the last tie-break
};

struct CandidateOutcome {
    Rejection rule = Rejection::MethodStopped;
    bool unanswered = false; // the diameter question came and had no answer
    Outcome outcome = Outcome::Refused; // how the method ended
    std::optional<double> wire; // its listed wire, when it got that far
    CalcValues record; // every value the method reached
    Verification check; // when the method ran to its end
    SearchRow row; // the figures, when the method ran to its end
};

// The candidate `inputs` (material, group, D1 and the rest as "Расчет"
// gives them; chosenD answers the diameter question, none leaves it
// unanswered) through the method and the check, judged against `space`.
CandidateOutcome evaluateCandidate(
    const CalcInputs& inputs, const SearchSpace& space, const DataFiles& files);
