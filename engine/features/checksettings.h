#pragma once
// How the made spring is checked: which tolerance standard and grade judge
// its forces, how its ends are finished, and how they are seated (ν of the
// buckling formula). The same settings serve the report window's tab, the
// "Варианты" window and pruzcalc; a design keeps its own (per input file),
// and a new design starts from the defaults below.

#include <optional>
#include <string>

enum class ToleranceStandard {
    En15800, // EN 15800, grades 1..3
    Gost16118, // ГОСТ 16118-70, groups of accuracy 1..3
};

enum class EndType {
    Ground, // "поджаты и сошлифованы": Lc = nt·d
    NotGround, // "поджаты, не шлифованы": Lc = (nt + 1,5)·d
};

// How the spring's ends are held: the seating coefficient ν of the
// buckling formula, the four cases of the standard.
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
inline constexpr int kToleranceGrades = 3;

// The seating case of ν; nullptr when none has it.
const SeatingCase* seatingCase(double nu);
// "2; 1; 0,7; 0,5": the allowed ν, as a message names them.
std::string seatingChoices();

struct CheckSettings {
    ToleranceStandard standard = ToleranceStandard::En15800;
    int grade = 2; // 1..kToleranceGrades
    EndType ends = EndType::Ground;
    double nu = kDefaultSeating;

    bool operator==(const CheckSettings&) const = default;
};

// "EN 15800, класс 2", "ГОСТ 16118-70, группа точности 1".
std::string toleranceCaption(ToleranceStandard standard, int grade);
// "поджаты и сошлифованы", "поджаты, не шлифованы".
const char* endTypeCaption(EndType ends);
// The machine names: "en15800-2", "gost16118-1"; "ground", "not-ground".
std::string toleranceName(ToleranceStandard standard, int grade);
const char* endTypeName(EndType ends);
// Read back from the machine names; nullopt when the text is none of them.
std::optional<CheckSettings> withTolerance(CheckSettings settings, const std::string& name);
std::optional<CheckSettings> withEnds(CheckSettings settings, const std::string& name);
