#pragma once
// The material catalogue in the data directory: "material.dat" lists the
// names; each material N has a diameter file N + ".dat" and a properties
// file N + "mat.dat" (density, E, G, material class code), and may have a
// description N + "opis.dat" (free text typed in the settings window), a
// tensile strength of its own N + "rm.dat" and a fatigue table N + "ustal.dat"
// (both read by the check of the made spring only, never by the method).

#include <optional>
#include <string>
#include <vector>

inline const char* const kMaterialList = "material.dat";

// The standard's tables: with the material list, the files of the data
// directory that belong to no material.
inline const char* const kTableFiles[] = { "k3.dat", "tau1.dat", "tau2.dat", "sigmab.dat", "sigmdiam.dat" };

inline std::string diameterFileName(const std::string& material)
{
    return material + ".dat";
}
inline std::string propertiesFileName(const std::string& material)
{
    return material + "mat.dat";
}

inline std::string descriptionFileName(const std::string& material)
{
    return material + "opis.dat";
}

inline std::string strengthFileName(const std::string& material)
{
    return material + "rm.dat";
}

inline std::string fatigueFileName(const std::string& material)
{
    return material + "ustal.dat";
}

inline std::string noFileMessage(const std::string& name)
{
    return "no " + name;
}
inline std::string writeErrorMessage(const std::string& name)
{
    return "Ошибка при записи в " + name;
}

struct MaterialProperties {
    double ro = 0;
    double E = 0;
    double G = 0;
    int materialClass = 0;
};

// The four lines of N + "mat.dat" converted: nullopt when the file cannot be
// opened; ConversionError for a value that is not a number, or naming the
// file when it has fewer than four lines or a fourth line that is not an
// integer.
std::optional<MaterialProperties> readProperties(const std::string& dataDir, const std::string& material);

// The same from the file's lines.
MaterialProperties parseProperties(const std::vector<std::string>& lines, const std::string& material);

// The message for a properties file that does not hold four lines ending
// with an integer class code.
std::string badPropertiesMessage(const std::string& material);
