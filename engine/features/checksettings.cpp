#include "engine/features/checksettings.h"

#include "engine/common/numtext.h"

const SeatingCase* seatingCase(double nu)
{
    for (const SeatingCase& c : kSeatingCases)
        if (c.nu == nu)
            return &c;
    return nullptr;
}

std::string seatingChoices()
{
    std::string text;
    for (const SeatingCase& c : kSeatingCases)
        text += (text.empty() ? "" : "; ") + numText(c.nu);
    return text;
}

std::string toleranceCaption(ToleranceStandard standard, int grade)
{
    return standard == ToleranceStandard::En15800 ? "EN 15800, класс " + std::to_string(grade)
                                                  : "ГОСТ 16118-70, группа точности " + std::to_string(grade);
}

const char* endTypeCaption(EndType ends)
{
    return ends == EndType::Ground ? "поджаты и сошлифованы" : "поджаты, не шлифованы";
}

std::string toleranceName(ToleranceStandard standard, int grade)
{
    return (standard == ToleranceStandard::En15800 ? "en15800-" : "gost16118-") + std::to_string(grade);
}

const char* endTypeName(EndType ends)
{
    return ends == EndType::Ground ? "ground" : "not-ground";
}

std::optional<CheckSettings> withTolerance(CheckSettings settings, const std::string& name)
{
    for (ToleranceStandard standard : { ToleranceStandard::En15800, ToleranceStandard::Gost16118 })
        for (int grade = 1; grade <= kToleranceGrades; ++grade)
            if (name == toleranceName(standard, grade)) {
                settings.standard = standard;
                settings.grade = grade;
                return settings;
            }
    return std::nullopt;
}

std::optional<CheckSettings> withEnds(CheckSettings settings, const std::string& name)
{
    for (EndType ends : { EndType::Ground, EndType::NotGround })
        if (name == endTypeName(ends)) {
            settings.ends = ends;
            return settings;
        }
    return std::nullopt;
}
