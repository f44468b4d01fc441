#include "engine/catalogue/datafolder.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/catalogueedit.h"
#include "engine/catalogue/folderlock.h"
#include "engine/catalogue/textfile.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* kUserFolder = "pruz";
// The shipped catalogue seen from the executable's folder; the build sets it
// from the install layout.
#ifndef PRUZ_SHIPPED_DATA_FROM_BIN
#define PRUZ_SHIPPED_DATA_FROM_BIN "../share/pruz/data"
#endif

struct Looked {
    std::string place;
    std::string finding;
};

Catalogue failed(const std::vector<Looked>& looked)
{
    std::string text = "Каталог материалов не найден и не создан. Просмотрено: ";
    for (size_t k = 0; k < looked.size(); ++k)
        text += (k ? "; «" : "«") + looked[k].place + "» — " + looked[k].finding;
    return { .failure = text };
}

std::string withSlash(std::string dir)
{
    return dir.empty() || dir.back() == '/' ? dir : dir + '/';
}

std::string withoutSlash(std::string dir)
{
    while (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    return dir;
}

bool statIs(const std::string& path, mode_t kind)
{
    struct stat st { };
    return ::stat(path.c_str(), &st) == 0 && (st.st_mode & S_IFMT) == kind;
}

bool exists(const std::string& path)
{
    struct stat st { };
    return ::lstat(path.c_str(), &st) == 0;
}

std::string lastError()
{
    return std::strerror(errno);
}

// fsync of one file or folder: only what was written, never the whole
// file system (which may hold much unrelated unwritten data).
bool syncPath(const std::string& path)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

bool readableFolder(const std::string& dir)
{
    DIR* d = ::opendir(dir.c_str());
    if (!d)
        return false;
    ::closedir(d);
    return true;
}

// No catalogue file at all (only the program's own dot files, if any): no
// regular file that can be opened. Asked at every start, so it stops at the
// first such file and reads none.
bool holdsNoFiles(const std::string& dir)
{
    const std::string folder = withSlash(dir);
    DIR* d = ::opendir(folder.c_str());
    if (!d)
        return true;
    bool found = false;
    while (!found) {
        const dirent* e = ::readdir(d);
        if (!e)
            break;
        const std::string path = folder + e->d_name;
        struct stat st { };
        if (e->d_name[0] == '.' || ::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        found = fd >= 0;
        if (found)
            ::close(fd);
    }
    ::closedir(d);
    return !found;
}

// "a" + ".tmp-" + six letters or digits, as mkdtemp makes it.
bool isTempName(const std::string& name, const std::string& base)
{
    const std::string fixed = base + ".tmp-";
    if (name.size() != fixed.size() + 6 || name.compare(0, fixed.size(), fixed) != 0)
        return false;
    for (size_t k = fixed.size(); k < name.size(); ++k)
        if (!std::isalnum(static_cast<unsigned char>(name[k])))
            return false;
    return true;
}

// Makes the missing folders above `dir` and `dir` itself (private, as the
// XDG rules ask), recording each one made so that a failure can take them
// away again.
bool makeFolders(const fs::path& dir, std::vector<std::string>& made)
{
    if (dir.empty() || exists(dir.string()))
        return true;
    if (!makeFolders(dir.parent_path(), made))
        return false;
    if (::mkdir(dir.c_str(), 0700) != 0)
        return false;
    made.push_back(dir.string());
    return true;
}

void removeFolders(const std::vector<std::string>& made)
{
    for (auto k = made.rbegin(); k != made.rend(); ++k)
        ::rmdir(k->c_str());
}

// Copies the catalogue files of `from` into `to`, the ones its hashes name
// (links followed as the updates follow them); the error text, or empty.
std::string copyFiles(
    const std::string& from, const FileHashes& files, const std::string& to, const FileCopier& copy)
{
    for (const auto& entry : files)
        if (!copy(withSlash(from) + entry.first, withSlash(to) + entry.first))
            return "не скопирован " + entry.first;
    return {};
}

// The temporary previous copies an update left when it was killed.
void removeStalePreviousCopies(const std::string& dataDir)
{
    DIR* d = ::opendir(dataDir.c_str());
    if (!d)
        return;
    while (dirent* e = ::readdir(d))
        if (isTempName(e->d_name, kPreviousName)) {
            std::error_code ignored;
            fs::remove_all(dataDir + e->d_name, ignored);
        }
    ::closedir(d);
}

// Makes `target` as a copy of `shipped` through a temporary folder beside
// it; the error text, or empty. On failure nothing is left behind.
std::string makeCopy(const std::string& shipped, const std::string& target, const FileCopier& copy)
{
    const fs::path path = fs::path(withoutSlash(target));
    std::vector<std::string> made;
    if (!makeFolders(path.parent_path(), made)) {
        std::string error = lastError();
        removeFolders(made);
        return error;
    }
    std::string temp = (path.parent_path() / ("." + path.filename().string() + ".tmp-XXXXXX")).string();
    if (!::mkdtemp(temp.data())) {
        std::string error = lastError();
        removeFolders(made);
        return error;
    }
    const FileHashes files = hashCatalogue(withSlash(shipped), UpstreamLinks::Followed);
    std::string error = copyFiles(shipped, files, temp, copy);
    if (error.empty() && !writeManifest(withSlash(temp), files))
        error = std::string("не записан ") + kManifestName;
    // The files reach the disk (each synced by its copy) before the folder
    // gets its name, so a crash cannot leave a catalogue of empty files.
    if (error.empty() && !syncPath(temp))
        error = lastError();
    if (error.empty() && ::rename(temp.c_str(), path.c_str()) != 0)
        error = lastError();
    if (!error.empty()) {
        std::error_code ignored;
        fs::remove_all(temp, ignored);
        removeFolders(made);
        return error;
    }
    syncPath(path.parent_path().string());
    return {};
}

} // namespace

CataloguePlaces cataloguePlaces(std::optional<std::string> chosen, const char* xdgDataHome, const char* home,
    const std::optional<std::string>& exeDir, const char* xdgDataDirs)
{
    CataloguePlaces places;
    places.chosen = std::move(chosen);
    // XDG: an unset, empty or relative XDG_DATA_HOME means $HOME/.local/share.
    fs::path base;
    if (xdgDataHome && xdgDataHome[0] == '/')
        base = xdgDataHome;
    else if (home && home[0])
        base = fs::path(home) / ".local/share";
    if (!base.empty())
        places.user = withoutSlash((base / kUserFolder).lexically_normal().string());
    if (exeDir)
        places.shipped
            = withoutSlash((fs::path(*exeDir) / PRUZ_SHIPPED_DATA_FROM_BIN).lexically_normal().string());
    // XDG: unset or empty means /usr/local/share:/usr/share; relative
    // entries are ignored.
    const std::string dirs = xdgDataDirs && *xdgDataDirs ? xdgDataDirs : "/usr/local/share:/usr/share";
    for (size_t pos = 0; pos <= dirs.size();) {
        const size_t end = std::min(dirs.find(':', pos), dirs.size());
        const std::string dir = dirs.substr(pos, end - pos);
        if (!dir.empty() && dir[0] == '/')
            places.site.push_back(withoutSlash((fs::path(dir) / kSiteFolder).lexically_normal().string()));
        pos = end + 1;
    }
    return places;
}

std::optional<std::string> CataloguePlaces::upstream() const
{
    for (const std::string& dir : site)
        if (statIs(withSlash(dir) + kMaterialList, S_IFREG))
            return dir;
    return shipped;
}

std::optional<std::string> executableDir()
{
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error || exe.empty())
        return std::nullopt;
    return exe.parent_path().string();
}

CataloguePlaces processCataloguePlaces(std::optional<std::string> chosen)
{
    return cataloguePlaces(std::move(chosen), std::getenv("XDG_DATA_HOME"), std::getenv("HOME"),
        executableDir(), std::getenv("XDG_DATA_DIRS"));
}

bool copyFileBytes(const std::string& from, const std::string& to)
{
    int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (out < 0) {
        ::close(in);
        return false;
    }
    bool ok = true;
    char buf[16384];
    for (;;) {
        ssize_t got = ::read(in, buf, sizeof buf);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        for (ssize_t done = 0; ok && done < got;) {
            ssize_t w = ::write(out, buf + done, static_cast<size_t>(got - done));
            if (w < 0 && errno != EINTR)
                ok = false;
            else if (w > 0)
                done += w;
        }
        if (!ok)
            break;
    }
    ok = ok && ::fsync(out) == 0;
    ok = ::close(out) == 0 && ok;
    ::close(in);
    if (!ok)
        ::unlink(to.c_str());
    return ok;
}

Catalogue openCatalogue(const CataloguePlaces& places, const FileCopier& copy)
{
    if (places.chosen) {
        const std::string& chosen = *places.chosen;
        if (!statIs(chosen, S_IFDIR))
            return failed({ { chosen, "нет такой папки" } });
        if (!readableFolder(chosen))
            return failed({ { chosen, "папка не читается: " + lastError() } });
        if (!findDataFile(withSlash(chosen), kMaterialList))
            return failed({ { chosen, std::string("в папке нет каталога (") + kMaterialList + ")" } });
        return { .dir = withSlash(chosen) };
    }
    if (!places.user)
        return failed({ { "папка пользователя", "не заданы ни XDG_DATA_HOME, ни HOME" } });
    const std::string& user = *places.user;
    removeStaleCopies(user);
    const std::optional<std::string> upstream = places.upstream();
    if (exists(user)) {
        if (!statIs(user, S_IFDIR))
            return failed({ { user, "не папка" } });
        if (!readableFolder(user))
            return failed({ { user, "папка не читается: " + lastError() } });
        Catalogue found { .dir = withSlash(user), .upstream = upstream ? withSlash(*upstream) : "" };
        const bool empty = holdsNoFiles(user);
        if (upstream && statIs(withSlash(*upstream) + kMaterialList, S_IFREG)) {
            FolderLock lock;
            if (lock.take(found.dir)) {
                removeStaleTemporaryFiles(found.dir);
                removeStalePreviousCopies(found.dir);
                // Made again whole: what the manifest says was deleted comes back.
                if (empty && !writeManifest(found.dir, {}))
                    found.update.error = std::string("не записан ") + found.dir + kManifestName;
                else
                    found.update = followUpstream(found.dir, found.upstream);
                found.created = empty && found.update.error.empty();
            } else if (upstreamChanged(found.dir, found.upstream)) {
                found.update.error = "каталог не обновлен, он заблокирован: "
                    + (lock.holder().empty() ? lock.problem() : lock.holder());
            }
        }
        if (holdsNoFiles(user))
            return failed({ { user,
                std::string("папка пуста, каталог из «") + upstream.value_or("") + "» не записан"
                    + (found.update.error.empty() ? "" : ": " + found.update.error) } });
        if (empty)
            found.update = {}; // filled, not updated: nothing to report
        return found;
    }
    if (!upstream)
        return failed({ { user, "нет такой папки" }, { "каталог программы", "не найдена папка программы" } });
    const std::string& shipped = *upstream;
    if (!statIs(withSlash(shipped) + kMaterialList, S_IFREG))
        return failed({ { user, "нет такой папки" },
            { shipped,
                statIs(shipped, S_IFDIR) ? std::string("нет ") + kMaterialList : "нет такой папки" } });
    const std::string error = makeCopy(shipped, user, copy);
    if (error.empty())
        return { .dir = withSlash(user), .created = true, .upstream = withSlash(shipped) };
    // Another start of the program may have made it in the meantime.
    if (statIs(user, S_IFDIR))
        return { .dir = withSlash(user), .upstream = withSlash(shipped) };
    return failed({ { user, "нет такой папки, копия из «" + shipped + "» не создана: " + error } });
}

void cleanUpStaleWrites(const std::string& dataDir)
{
    FolderLock lock;
    if (!lock.take(dataDir))
        return;
    removeStaleTemporaryFiles(dataDir);
    removeUncommittedAddition(dataDir);
    removeStalePreviousCopies(dataDir);
}

int removeStaleCopies(const std::string& user)
{
    const fs::path path(withoutSlash(user));
    const std::string home = path.parent_path().string();
    const std::string base = "." + path.filename().string();
    DIR* d = ::opendir(home.c_str());
    if (!d)
        return 0;
    int removed = 0;
    const std::time_t now = std::time(nullptr);
    while (dirent* e = ::readdir(d)) {
        const std::string full = home + "/" + e->d_name;
        struct stat st { };
        if (isTempName(e->d_name, base) && ::lstat(full.c_str(), &st) == 0 && S_ISDIR(st.st_mode)
            && now - st.st_mtime > 60) {
            std::error_code ignored;
            removed += fs::remove_all(full, ignored) > 0;
        }
    }
    ::closedir(d);
    return removed;
}

std::string catalogueHelp(const CataloguePlaces& places)
{
    std::string text = "Catalogue (materials, stocked wire diameters, the standard's tables): the\n"
                       "folder given with --data, else the user's catalogue\n  ";
    text += places.user ? *places.user : std::string("(none: neither XDG_DATA_HOME nor HOME is set)");
    text += "\n(${XDG_DATA_HOME:-~/.local/share}/pruz). When that folder is missing or\n"
            "empty, the start makes it as a copy of the catalogue shipped with the\n"
            "program (";
    text += PRUZ_SHIPPED_DATA_FROM_BIN;
    text += " from the program's folder, /usr/share/pruz/data\n"
            "for the package), or of a site-wide one, <dir>/pruz/site for a dir of\n"
            "XDG_DATA_DIRS. Files you never changed follow a new version of it; files\n"
            "you changed are kept, and the start says so once.\n";
    return text;
}
