#include "engine/features/checkdata.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/datafiles.h"
#include "engine/catalogue/materialclass.h"
#include "engine/common/errortext.h"
#include "engine/common/numtext.h"

#include <algorithm>
#include <cmath>

namespace {

std::optional<std::vector<std::string>> linesOf(const DataFiles& files, const std::string& name)
{
    try {
        return files.lines(name);
    } catch (...) { // refused as too big, say: read as missing
        return std::nullopt;
    }
}

} // namespace

std::optional<FatigueTable> parseFatigue(const std::vector<std::string>& lines)
{
    if (lines.size() < 4 || (lines[0] != "0" && lines[0] != "1"))
        return std::nullopt;
    FatigueTable t;
    t.peened = lines[0] == "1";
    for (size_t k = 1; k + 2 < lines.size(); k += 3) {
        FatigueLine l;
        if (!tryStrToFloat(lines[k], l.d) || !tryStrToFloat(lines[k + 1], l.tauO)
            || !tryStrToFloat(lines[k + 2], l.tauMax) || l.d <= 0 || l.tauO <= 0 || l.tauMax <= l.tauO)
            return std::nullopt;
        t.lines.push_back(l);
    }
    std::sort(
        t.lines.begin(), t.lines.end(), [](const FatigueLine& a, const FatigueLine& b) { return a.d < b.d; });
    return t;
}

std::optional<double> FatigueTable::strokeStrength(double d, double tauU) const
{
    if (lines.empty() || d < lines.front().d || d > lines.back().d)
        return std::nullopt;
    auto upper = std::lower_bound(
        lines.begin(), lines.end(), d, [](const FatigueLine& l, double v) { return l.d < v; });
    FatigueLine at = *upper;
    if (upper->d != d) { // between two wires: straight between them
        const FatigueLine& lower = *(upper - 1);
        const double share = (d - lower.d) / (upper->d - lower.d);
        at.tauO = lower.tauO + share * (upper->tauO - lower.tauO);
        at.tauMax = lower.tauMax + share * (upper->tauMax - lower.tauMax);
    }
    if (tauU >= at.tauMax)
        return 0.0;
    // The line from (0, τkO) to the upper limit (τkOmax, τkOmax).
    const double tauO = at.tauO + tauU * (at.tauMax - at.tauO) / at.tauMax;
    return tauO - std::max(tauU, 0.0);
}

CheckData::CheckData(const DataFiles& files)
    : files_(files)
{
    if (const auto lines = linesOf(files, "sigmdiam.dat")) {
        diameters_.emplace();
        for (const std::string& line : *lines) {
            double v = 0;
            diameters_->push_back(tryStrToFloat(line, v) ? v : std::nan(""));
        }
    }
    strengths_ = diameters_ ? linesOf(files, "sigmab.dat") : std::nullopt;
    if (!strengths_)
        tableError_ = "нет файла " + std::string(diameters_ ? "sigmab.dat" : "sigmdiam.dat");
}

CheckData::~CheckData() = default;

StrengthOfWire CheckData::strength(const std::string& material, int materialClass, double d) const
{
    StrengthOfWire s;
    auto own = ownStrength_.find(material);
    if (own == ownStrength_.end()) {
        const auto lines = linesOf(files_, strengthFileName(material));
        own = ownStrength_
                  .emplace(material, lines && !lines->empty() ? std::optional((*lines)[0]) : std::nullopt)
                  .first;
    }
    double value = 0;
    if (own->second && tryStrToFloat(*own->second, value) && value > 0) {
        s.Rm = value;
        s.source = strengthFileName(material) + ": предел прочности материала";
        s.file = strengthFileName(material);
        s.line = 1;
        s.lineText = *own->second;
        return s;
    }
    const MaterialClass* cls = findMaterialClass(materialClass);
    if (!cls || cls->sigmaBlock < 0) {
        s.source = "нет данных: в каталоге нет предела прочности материала " + material;
        return s;
    }
    if (!strengths_) {
        s.source = "нет данных: " + tableError_;
        return s;
    }
    int best = -1;
    double bestD = 0;
    for (size_t row = 0; row < diameters_->size(); ++row) {
        const double v = (*diameters_)[row];
        if (v >= d && (best < 0 || v < bestD)) { // NaN is never at or above d
            best = static_cast<int>(row);
            bestD = v;
        }
    }
    const size_t line = static_cast<size_t>(best + cls->sigmaBlock * kSigmaBlockRows);
    if (best < 0 || line >= strengths_->size() || !tryStrToFloat((*strengths_)[line], value) || value <= 0) {
        s.source = "нет данных: в каталоге нет предела прочности для d = " + numText(d) + " мм";
        return s;
    }
    s.Rm = value;
    s.source = "sigmab.dat, " + std::string(kSigmaBlockCaptions[static_cast<size_t>(cls->sigmaBlock)])
        + ", d = " + numText(bestD) + " мм";
    s.file = "sigmab.dat";
    s.line = static_cast<int>(line) + 1;
    s.lineText = (*strengths_)[line];
    return s;
}

const FatigueTable* CheckData::fatigue(const std::string& material) const
{
    auto it = fatigue_.find(material);
    if (it == fatigue_.end()) {
        const auto lines = linesOf(files_, fatigueFileName(material));
        it = fatigue_.emplace(material, lines ? parseFatigue(*lines) : std::nullopt).first;
    }
    return it->second ? &*it->second : nullptr;
}
