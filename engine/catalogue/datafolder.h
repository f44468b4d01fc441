#pragma once
// Where the catalogue (the data directory of the calculation and the
// windows) is, found without regard to the working directory.
//
// Order: the folder given with --data, used as it is; else the user's
// catalogue, ${XDG_DATA_HOME:-$HOME/.local/share}/pruz. That one is made
// from, and follows (engine/catalogue/cataloguesync.h), its upstream: a site-wide
// catalogue <dir>/pruz/site for the first dir of XDG_DATA_DIRS that has one
// (a design office's, read-only), else the shipped catalogue beside the
// executable in <prefix>/share/pruz/data (in the build tree that folder
// links to the repository's data/), so an install under any prefix or an
// unpacked package works. A missing user folder is made as a copy in a
// temporary folder next to it and renamed into place, so a half-made
// catalogue is never left; an empty one is filled.

#include "engine/catalogue/cataloguesync.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct CataloguePlaces {
    std::optional<std::string> chosen; // --data DIR
    std::optional<std::string> user; // nullopt when neither XDG_DATA_HOME nor HOME is usable
    std::optional<std::string> shipped; // nullopt when the executable cannot be located
    std::vector<std::string> site; // <dir>/pruz/site for each dir of XDG_DATA_DIRS, in order

    // Where the user's catalogue comes from: the first site catalogue that
    // holds a material list, else the shipped one.
    std::optional<std::string> upstream() const;
};

// The site-wide catalogue below one dir of XDG_DATA_DIRS.
inline constexpr const char* kSiteFolder = "pruz/site";

// The places for the given environment values (null when unset) and the
// folder of the executable.
CataloguePlaces cataloguePlaces(std::optional<std::string> chosen, const char* xdgDataHome, const char* home,
    const std::optional<std::string>& exeDir, const char* xdgDataDirs = nullptr);

// The same for this process: its environment and /proc/self/exe.
CataloguePlaces processCataloguePlaces(std::optional<std::string> chosen);

// The folder of the running executable, symbolic links resolved.
std::optional<std::string> executableDir();

struct Catalogue {
    std::string dir; // ends with "/"; empty when none was found or made
    bool created = false; // made from the shipped catalogue just now
    std::string failure; // one line naming every place looked at
    CatalogueUpdate update; // what following the upstream did at this start
    std::string upstream; // where the user's catalogue comes from; empty for --data
};

// Copies one file; false when it could not. A parameter so that tests can
// make a copy fail half-way.
using FileCopier = std::function<bool(const std::string& from, const std::string& to)>;
bool copyFileBytes(const std::string& from, const std::string& to);

// The catalogue to use, making the user's one first when needed, and
// bringing it up to its upstream under the catalogue lock. A folder that
// holds no material list, or cannot be read, is no catalogue.
Catalogue openCatalogue(const CataloguePlaces& places, const FileCopier& copy = copyFileBytes);

// Start-up clean-up of a data folder, under its lock (skipped when another
// program holds it): the temporary files the atomic writer left when it was
// killed, a temporary previous copy an update left, and the files of a
// material addition that never got into the material list
// (removeUncommittedAddition). Only those names.
void cleanUpStaleWrites(const std::string& dataDir);

// Temporary folders a first start that was killed left beside the user's
// catalogue (.<name>.tmp-XXXXXX) and older than a minute, so that one
// being made by another start is left alone. How many were removed.
int removeStaleCopies(const std::string& user);

// A paragraph for --help: where the catalogue is and how it is made.
std::string catalogueHelp(const CataloguePlaces& places);
