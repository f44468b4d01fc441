#pragma once
// Where the catalogue (the data directory of the calculation and the
// windows) is, found without regard to the working directory.
//
// Order: the folder given with --data; else the user's catalogue,
// ${XDG_DATA_HOME:-$HOME/.local/share}/pruz. When that folder does not exist
// the first start makes it as a copy of the shipped catalogue, which lies
// beside the executable in <prefix>/share/pruz/data (in the build tree that
// folder links to the repository's data/), so an install under any prefix
// or an unpacked package works. The copy is made in a temporary folder next
// to the user's catalogue and renamed into place, so a half-made catalogue
// is never left. An existing catalogue is used as it is: nothing in it is
// replaced or filled in, so a material the user deleted stays deleted.

#include <functional>
#include <optional>
#include <string>

struct CataloguePlaces {
    std::optional<std::string> chosen; // --data DIR
    std::optional<std::string> user; // nullopt when neither XDG_DATA_HOME nor HOME is usable
    std::optional<std::string> shipped; // nullopt when the executable cannot be located
};

// The places for the given environment values (null when unset) and the
// folder of the executable.
CataloguePlaces cataloguePlaces(std::optional<std::string> chosen, const char* xdgDataHome, const char* home,
    const std::optional<std::string>& exeDir);

// The same for this process: its environment and /proc/self/exe.
CataloguePlaces processCataloguePlaces(std::optional<std::string> chosen);

// The folder of the running executable, symbolic links resolved.
std::optional<std::string> executableDir();

struct Catalogue {
    std::string dir; // ends with "/"; empty when none was found or made
    bool created = false; // made from the shipped catalogue just now
    std::string failure; // one line naming every place looked at
};

// Copies one file; false when it could not. A parameter so that tests can
// make a copy fail half-way.
using FileCopier = std::function<bool(const std::string& from, const std::string& to)>;
bool copyFileBytes(const std::string& from, const std::string& to);

// The catalogue to use, making the user's one first when needed.
Catalogue openCatalogue(const CataloguePlaces& places, const FileCopier& copy = copyFileBytes);

// A paragraph for --help: where the catalogue is and how it is made.
std::string catalogueHelp(const CataloguePlaces& places);
