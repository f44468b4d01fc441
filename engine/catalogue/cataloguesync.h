#pragma once
// The user's catalogue follows the one it was made from (the shipped
// catalogue, or a site-wide one), the way packaged configuration files do.
//
// The user's folder keeps a manifest, `.pruz-shipped`: the name and hash of
// every file of the upstream catalogue as it was when the user's copy last
// took it. When the upstream differs from the manifest, a file the user
// never changed (its hash is the manifest's) takes the new version, a new
// upstream file is added, a file the user changed is kept and reported
// (once: the manifest then records the new version), and a file the user
// deleted stays deleted. Each file is replaced atomically and the manifest
// is written last, so a crash between files leaves every file old or new,
// and the next start finishes the work.
//
// Before the first file is replaced, the catalogue as it was is copied to
// `.pruz-previous` in the folder, with a note of what the update did, so
// that saved designs can be checked against it; it stays until the program
// has offered that check (or the user removes it).

#include "engine/catalogue/notenames.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// 64-bit FNV-1a: enough to tell versions of small text files apart.
std::uint64_t fnv1a(std::string_view bytes, std::uint64_t seed = 0xcbf29ce484222325ULL);
std::string hexHash(std::uint64_t hash);

// Name -> hash (hexHash of fnv1a) of a catalogue's files: the files of
// `dir` (ending with "/") whose names do not begin with ".", as the readers
// find them (a link out of the folder is none). An upstream catalogue's
// links are followed wherever they lead, by its first copy and its updates
// alike: an office may switch its lists by a link.
enum class UpstreamLinks { Inside, Followed };
using FileHashes = std::map<std::string, std::string>;
FileHashes hashCatalogue(const std::string& dir, UpstreamLinks links = UpstreamLinks::Inside);

// A short hash of the files a calculation reads (material.dat, each listed
// material's two files, the standard's tables: names and bytes), so that
// two printouts made with different catalogues can be told apart.
std::string catalogueFingerprint(const std::string& dir);

// The manifest in `dir`; nullopt when there is none (a catalogue made by an
// older version), it is no file of its own (a link) or it cannot be read.
std::optional<FileHashes> readManifest(const std::string& dir);
// A manifest's text; nullopt when a line is not "<16 hex> <name>".
std::optional<FileHashes> parseManifest(std::string_view text);
// What the first release shipped, which a catalogue without a manifest
// was made as a copy of.
FileHashes firstReleaseManifest();
// The upstream differs from what the user's catalogue last took.
bool upstreamChanged(const std::string& user, const std::string& upstream);
bool writeManifest(const std::string& dir, const FileHashes& hashes);

struct KeptFile {
    std::string name;
    std::string difference; // the user's lines against the new ones ("- " / "+ ")
};

struct CatalogueUpdate {
    std::vector<std::string> replaced; // took the new upstream version
    std::vector<std::string> added; // new in the upstream
    std::vector<KeptFile> kept; // changed by the user, kept
    std::vector<std::string> unlinked; // links in the folder that files of the program replaced
    std::string previous; // the copy as it was (ending with "/"); empty when none was made
    std::string error; // why the update stopped; the files done so far are whole

    bool touched() const { return !replaced.empty() || !added.empty(); }
    bool any() const { return touched() || !kept.empty() || !unlinked.empty() || !error.empty(); }
};

// Writes one file whole, atomically; false when it could not. A parameter
// so that tests can fail or kill the update between files.
using CatalogueWriter = std::function<bool(const std::string& path, const std::string& bytes)>;
bool writeCatalogueFile(const std::string& path, const std::string& bytes);

// Brings `user` up to `upstream` (both ending with "/"). The caller holds
// the catalogue lock.
CatalogueUpdate followUpstream(
    const std::string& user, const std::string& upstream, const CatalogueWriter& write = writeCatalogueFile);

// What an update did, in words: which files followed, which were kept with
// how to see the difference, and how to check saved designs.
std::string updateReport(const CatalogueUpdate& update, const std::string& user, const std::string& upstream);

// The previous copy of `user` left by an update, with its note; nullopt
// when there is none.
struct PreviousCatalogue {
    std::string dir; // ending with "/"
    std::string note;
};
std::optional<PreviousCatalogue> previousCatalogue(const std::string& user);
// Removes it, once the user has been offered the check.
void dropPreviousCatalogue(const std::string& user);

// Lines of `before` against `after`: the lines only in one of them, each
// with "- " or "+ ", in file order; text in UTF-8.
std::string lineDifference(const std::vector<std::string>& before, const std::vector<std::string>& after);
