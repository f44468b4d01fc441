#pragma once
// pruzcalc's catalogue: the folder given with --data, else the user's own,
// made on first use from the shipped one (engine/datafolder.h).

#include <optional>
#include <string>

// The data directory to use, or nullopt after saying why there is none on
// stderr (one line starting "error: ").
std::optional<std::string> cliDataDir(const std::optional<std::string>& dataOption);

// The paragraph that ends --help: where the catalogue is.
std::string cliCatalogueHelp();
