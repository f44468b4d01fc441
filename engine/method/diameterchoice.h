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

// Shown when the file holds no diameter at all; the choice then ends as cancel.
std::string noDiametersMessage(const std::string& material);

// Takes the chosen item into `chosenD`. When the item is not a number,
// returns the conversion message to show (the choice then ends as cancel);
// an empty string on success.
std::string takeChosenDiameter(double& chosenD, const std::string& item);
