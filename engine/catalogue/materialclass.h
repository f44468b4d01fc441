#pragma once
// The material classes: the choice "Группа материала" of the settings
// window, stored as the fourth line of a material's properties file. Each
// class decides which torsion-stress table the calculation reads and where
// its lines stand there, which block of the tensile-strength table it
// takes, and which share of that strength it may carry as torsion stress.
// Everything the program knows about a class is its row below: a new class
// is one more row (and its lines in the data files).

#include <array>
#include <string>

// The torsion-stress table a class takes.
enum class StressTable {
    None, // the class has no table
    FirstApproximation, // "tau1.dat": a first stress; the allowable one is a share of σB
    Final, // "tau2.dat": the allowable stress itself
};

struct MaterialClass {
    const char* caption; // the settings window's choice
    const char* stressRowName; // the row's name in the torsion-stress viewer
    StressTable table;
    int tableSkip; // lines of the table before the class's group lines
    int sigmaBlock; // block of "sigmab.dat"; -1 when the class has none
    std::array<double, 4> share; // of σB, groups I..IV, first-table classes only; -1: not used in that group
};

// Indexed by the class code.
inline constexpr std::array<MaterialClass, 10> kMaterialClasses { {
    { "Класс1", "        I", StressTable::FirstApproximation, 1, 0, { 0.3, 0.6, 0.5, -1.0 } },
    { "Класс2", "        II", StressTable::FirstApproximation, 6, 1, { 0.3, 0.6, 0.5, 0.6 } },
    { "60С2А", " 60С2А ", StressTable::Final, 1, -1, {} },
    { "50ХФА,51ХФА", " 50(51)ХФА", StressTable::Final, 6, -1, {} },
    { "40Х13", " 40Х13", StressTable::Final, 11, -1, {} },
    { "12Х18Н10Т", " 12Х18Н10Т", StressTable::FirstApproximation, 11, 2, { 0.2, 0.3, 0.35, 0.4 } },
    { "ХН77ТЮР", " ХН77ТЮР", StressTable::FirstApproximation, 16, 3, { 0.3, 0.6, 0.7, -1.0 } },
    { "БрКМц3-1", "БрКМц3-1", StressTable::FirstApproximation, 21, 4, { 0.3, 0.6, 0.5, -1.0 } },
    { "БрОЦ4-3", "БрОЦ4-3", StressTable::FirstApproximation, 26, 4, { 0.2, 0.5, 0.4, -1.0 } },
    { "БрБ2", "  БрБ2", StressTable::FirstApproximation, 31, 5, { 0.3, 0.6, 0.5, -1.0 } },
} };

// The row of a class code; nullptr for a code no class has.
const MaterialClass* findMaterialClass(int code);

// The share of σB allowed for the class in spring group 1..4; 0 when the
// class or the group has none.
double allowableShare(int code, int group);

// The table's file as the calculation opens it ("tau1.dat"), as the viewer
// names it ("TAU1.DAT"), and as the shared record names the table the
// viewer shows ("PREDVARIT", "OKONCAT"). Empty texts for None.
const char* stressTableFile(StressTable table);
const char* stressTableViewerFile(StressTable table);
const char* stressTableKind(StressTable table);
StressTable stressTableOfKind(const std::string& kind);

// "sigmab.dat" holds one block of this many lines per column of the
// tensile-strength viewer, row by row beside the diameters of "sigmdiam.dat".
constexpr int kSigmaBlockRows = 22;
inline constexpr std::array<const char*, 6> kSigmaBlockCaptions {
    "Класс I",
    "Класс II",
    "12Х18Н10Т",
    "ХН77ТЮР",
    "БрКМц3-1БрОц4-3",
    "БрБ2",
};
// The same blocks as a sentence names them.
inline constexpr std::array<const char*, kSigmaBlockCaptions.size()> kSigmaBlockNames {
    "Класс I",
    "Класс II",
    "12Х18Н10Т",
    "ХН77ТЮР",
    "БрКМц3-1 и БрОЦ4-3",
    "БрБ2",
};
