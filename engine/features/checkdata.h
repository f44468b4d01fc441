#pragma once
// What the check of the made spring reads from the catalogue, read once
// and kept for as long as this object lives (a run over many designs keeps
// one; a window makes one for each check, so a change made in "Настройка"
// is seen at the next check):
// - the tensile-strength table ("sigmdiam.dat", "sigmab.dat") by material class;
// - a material's own tensile strength, N + "rm.dat" (one line, MPa), which
//   comes first where it exists;
// - a material's fatigue table, N + "ustal.dat": a first line "1" for
//   shot-peened wire or "0", then for each wire diameter three lines:
//   d (mm), τkO at τkU = 0 and the upper limit τkOmax (MPa, 10⁷ cycles).
// The method never reads these files; a catalogue without them works as before.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class DataFiles;

// One material's tensile strength for a wire, with where it came from.
struct StrengthOfWire {
    std::optional<double> Rm; // MPa; none when the catalogue has none
    std::string source; // in words: the file and row, or why there is none
    std::string file; // the file read, for the trace; empty when none
    int line = 0;
    std::string lineText;
};

// The fatigue strength of one wire of a material, from its table.
struct FatigueLine {
    double d = 0;
    double tauO = 0; // τkO at τkU = 0
    double tauMax = 0; // upper limit: τkO = τkU = tauMax
};

struct FatigueTable {
    bool peened = false;
    std::vector<FatigueLine> lines; // by d, ascending
    // The fatigue strength τkH = τkO − τkU at the lower stress τkU for
    // wire d, interpolated between the table's wires; none outside them.
    std::optional<double> strokeStrength(double d, double tauU) const;
};

// A table's lines in the order above; nullopt when they do not read as one.
std::optional<FatigueTable> parseFatigue(const std::vector<std::string>& lines);

class CheckData {
public:
    explicit CheckData(const DataFiles& files);
    ~CheckData();

    // The tensile strength of wire d of `material` of class `materialClass`.
    StrengthOfWire strength(const std::string& material, int materialClass, double d) const;
    // The material's fatigue table; nullptr when it has none.
    const FatigueTable* fatigue(const std::string& material) const;

private:
    const DataFiles& files_;
    std::optional<std::vector<std::string>> strengths_;
    std::optional<std::vector<double>> diameters_; // NaN where a line is not a number
    std::string tableError_;
    mutable std::map<std::string, std::optional<std::string>> ownStrength_;
    mutable std::map<std::string, std::optional<FatigueTable>> fatigue_;
};
