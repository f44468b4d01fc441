#pragma once
// What the diameter choice offers: the non-empty lines of the material's
// diameter file, as written, in file order. Shared by the dialog and the
// command-line report.

#include <optional>
#include <string>
#include <vector>

class DataFiles;
struct CalcInputs;

// nullopt when the diameter file cannot be opened.
std::optional<std::vector<std::string>> diameterChoices(const CalcInputs& inputs); // in their data directory
std::optional<std::vector<std::string>> diameterChoices(const DataFiles& files, const std::string& material);

// The wire diameter the stress asks for when k3 lies beyond the tables: the
// d of d = √(2,55 · i · k1 · F3 / τ), with i = D1 / d − 1 and k1 = (4i + 2) /
// (4i − 3) as the method takes them, and τ = F3 · (k3 / D1)² the stress k3
// was worked out with. Sought for indexes of 4 and above (a spring that
// slender); nullopt when there is no such d.
std::optional<double> neededDiameter(double D1, double F3, double k3);

// The item to preselect: the smallest listed diameter not below `needed`,
// else the largest one; 0 when none is a number.
size_t preselectedChoice(const std::vector<std::string>& items, double needed);

// Shown when the file holds no diameter at all; the choice then ends as cancel.
std::string noDiametersMessage(const std::string& material);

// Takes the chosen item into `chosenD`. When the item is not a number,
// returns the conversion message to show (the choice then ends as cancel);
// an empty string on success.
std::string takeChosenDiameter(double& chosenD, const std::string& item);
