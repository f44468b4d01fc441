#include "engine/catalogue/cataloguesync.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/firstrelease.h"
#include "engine/catalogue/textfile.h"
#include "engine/common/encoding.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Files longer than this are not compared line by line in a report, nor
// differing parts whose table would take more cells than this.
constexpr size_t kMaxDiffLines = 2000;
constexpr size_t kMaxDiffCells = 1 << 20;
constexpr const char* kTooLongToCompare = "(файлы слишком длинны для построчного сравнения)\n";

// The catalogue's files: the names not beginning with "." of regular files,
// of links to them inside the folder and, with `links`, of links to them
// anywhere (an upstream catalogue switches its lists by links).
std::vector<std::string> catalogueNames(const std::string& dir, UpstreamLinks links = UpstreamLinks::Inside)
{
    std::vector<std::string> names;
    DIR* d = ::opendir(dir.c_str());
    if (!d)
        return names;
    while (dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        struct stat st { };
        if (name[0] == '.')
            continue;
        if (links == UpstreamLinks::Followed ? ::stat((dir + name).c_str(), &st) == 0 && S_ISREG(st.st_mode)
                                             : isFolderFile(dir, dir + name))
            names.push_back(name);
    }
    ::closedir(d);
    std::sort(names.begin(), names.end());
    return names;
}

bool isLink(const std::string& path)
{
    struct stat st { };
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

// How many lines a reader finds in `bytes`, counting no further than `most`.
size_t lineCount(const std::string& bytes, size_t most)
{
    size_t lines = 0;
    for (size_t pos = 0; pos < bytes.size() && bytes[pos] != 0x1A && lines <= most; ++lines) {
        pos = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
        pos += pos + 1 < bytes.size() && bytes[pos] == '\r' && bytes[pos + 1] == '\n' ? 2 : 1;
    }
    return lines;
}

std::optional<std::string> bytesOf(const std::string& path)
{
    try {
        return readFileBytes(path);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::vector<std::string> linesOf(const std::string& bytes)
{
    TextReader reader;
    reader.openBytes(bytes);
    std::vector<std::string> lines;
    while (!reader.eof())
        lines.push_back(reader.readLine());
    return lines;
}

bool syncPath(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

// Copies the user's catalogue files into `.pruz-previous` through a
// temporary folder, so that the copy is whole or absent.
std::string makePreviousCopy(const std::string& user)
{
    std::string temp = user + kPreviousName + kTempSuffix;
    if (!::mkdtemp(temp.data()))
        return std::strerror(errno);
    std::string error;
    for (const std::string& name : catalogueNames(user)) {
        const auto bytes = bytesOf(user + name);
        if (!bytes || !writeCatalogueFile(temp + "/" + name, *bytes)) {
            error = "не скопирован " + name;
            break;
        }
    }
    if (error.empty() && (!syncPath(temp) || ::rename(temp.c_str(), (user + kPreviousName).c_str()) != 0))
        error = std::strerror(errno);
    if (!error.empty()) {
        std::error_code ignored;
        fs::remove_all(temp, ignored);
    }
    return error;
}

} // namespace

std::uint64_t fnv1a(std::string_view bytes, std::uint64_t hash)
{
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

std::string hexHash(std::uint64_t hash)
{
    static const char digits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int k = 15; k >= 0; --k, hash >>= 4)
        text[static_cast<size_t>(k)] = digits[hash & 0xF];
    return text;
}

FileHashes hashCatalogue(const std::string& dir, UpstreamLinks links)
{
    FileHashes hashes;
    for (const std::string& name : catalogueNames(dir, links))
        if (const auto bytes = bytesOf(dir + name))
            hashes[name] = hexHash(fnv1a(*bytes));
    return hashes;
}

namespace {

// The files of a folder as findDataFile finds them: by exact name, else by
// the first name equal without regard to case.
class FolderIndex {
public:
    explicit FolderIndex(const std::string& dir)
        : dir_(dir)
    {
        DIR* d = ::opendir(dir.c_str());
        if (!d)
            return;
        while (dirent* e = ::readdir(d)) {
            const std::string name = e->d_name;
            if (!isFolderFile(dir, dir + name))
                continue;
            struct stat st { };
            ::stat((dir + name).c_str(), &st);
            state_ += name + '\0' + std::to_string(st.st_ino) + ' ' + std::to_string(st.st_size) + ' '
                + std::to_string(st.st_mtim.tv_sec) + '.' + std::to_string(st.st_mtim.tv_nsec) + '\0';
            exact_.insert(name);
            folded_.emplace(foldCase(name), name);
        }
        ::closedir(d);
    }

    // What a change of any of its files changes.
    const std::string& state() const { return state_; }

    // The hash of the file `name` stands for, "-" when there is none.
    const std::string& hashOf(const std::string& name)
    {
        static const std::string none = "-";
        if (!isPlainFileName(name))
            return none;
        auto found = exact_.count(name) ? name : std::string();
        if (found.empty()) {
            const auto f = folded_.find(foldCase(name));
            if (f == folded_.end())
                return none;
            found = f->second;
        }
        auto [known, fresh] = hashes_.try_emplace(found);
        if (fresh) {
            const auto bytes = bytesOf(dir_ + found);
            known->second = bytes ? hexHash(fnv1a(*bytes)) : none;
        }
        return known->second;
    }

private:
    std::string dir_;
    std::string state_;
    std::set<std::string> exact_;
    std::map<std::string, std::string> folded_; // the first of each folded name, in folder order
    std::map<std::string, std::string> hashes_;
};

std::string workOutFingerprint(const std::string& dir, FolderIndex& folder)
{
    std::uint64_t hash = fnv1a("");
    auto add = [&](const std::string& name) { hash = fnv1a(name + '\0' + folder.hashOf(name) + '\0', hash); };
    // The files a calculation reads, not whatever else lies in the folder;
    // the list is gone through line by line, never held whole.
    for (const char* name : { kMaterialList, "k3.dat", "tau1.dat", "tau2.dat", "sigmdiam.dat", "sigmab.dat" })
        add(name);
    std::optional<std::string> list;
    try {
        if (const auto path = findDataFile(dir, kMaterialList))
            list = readFileBytes(*path);
    } catch (const std::exception&) {
    }
    if (list) {
        TextReader reader;
        reader.openBytes(std::move(*list));
        std::string last;
        std::string lastSteps; // what the last name added, for a run of equal lines
        while (!reader.eof()) {
            const std::string material = reader.readLine();
            if (material != last || lastSteps.empty()) {
                last = material;
                const std::string diameters = diameterFileName(material),
                                  properties = propertiesFileName(material);
                lastSteps = diameters + '\0' + folder.hashOf(diameters) + '\0' + properties + '\0'
                    + folder.hashOf(properties) + '\0';
            }
            hash = fnv1a(lastSteps, hash);
        }
    }
    return hexHash(hash).substr(0, 8);
}

} // namespace

std::string catalogueFingerprint(const std::string& dir)
{
    // Worked out once for each state of the folder's files: a report, a
    // design of a batch and each "Расчет" ask for it again.
    static std::mutex guard;
    static std::map<std::string, std::pair<std::string, std::string>> known; // dir -> state, fingerprint
    FolderIndex folder(dir);
    const std::lock_guard<std::mutex> lock(guard);
    auto& [state, fingerprint] = known[dir];
    if (fingerprint.empty() || state != folder.state()) {
        fingerprint = workOutFingerprint(dir, folder);
        state = folder.state();
    }
    return fingerprint;
}

std::optional<FileHashes> parseManifest(std::string_view text)
{
    FileHashes hashes;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end = std::min(text.find('\n', pos), text.size());
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        const size_t space = line.find(' ');
        if (space != 16 || space + 1 >= line.size())
            return std::nullopt; // damaged: as if there were none
        hashes[std::string(line.substr(space + 1))] = std::string(line.substr(0, space));
    }
    return hashes;
}

std::optional<FileHashes> readManifest(const std::string& dir)
{
    const auto bytes = readOwnFile(dir + kManifestName);
    if (!bytes)
        return std::nullopt;
    return parseManifest(*bytes);
}

FileHashes firstReleaseManifest()
{
    return parseManifest(kFirstReleaseFiles).value_or(FileHashes {});
}

bool writeManifest(const std::string& dir, const FileHashes& hashes)
{
    std::string text;
    for (const auto& [name, hash] : hashes)
        text += hash + " " + name + "\n";
    return writeOwnFile(dir + kManifestName, text);
}

bool upstreamChanged(const std::string& user, const std::string& upstream)
{
    const FileHashes shipped = hashCatalogue(upstream, UpstreamLinks::Followed);
    return !shipped.empty() && readManifest(user).value_or(firstReleaseManifest()) != shipped;
}

bool writeCatalogueFile(const std::string& path, const std::string& bytes)
{
    return writeOwnFile(path, bytes);
}

CatalogueUpdate followUpstream(
    const std::string& user, const std::string& upstream, const CatalogueWriter& write)
{
    CatalogueUpdate update;
    const FileHashes shipped = hashCatalogue(upstream, UpstreamLinks::Followed);
    // No manifest: a catalogue made by the first release, a copy of what it
    // shipped; what it shipped and is gone now was deleted by the user.
    const std::optional<FileHashes> recorded = readManifest(user).value_or(firstReleaseManifest());
    if (shipped.empty() || recorded == shipped)
        return update;
    const FileHashes mine = hashCatalogue(user);
    // material.dat last: it lists the materials, so a new material's
    // files are in place before it is listed.
    std::vector<std::string> order;
    for (const auto& entry : shipped)
        if (entry.first != kMaterialList)
            order.push_back(entry.first);
    if (shipped.count(kMaterialList))
        order.push_back(kMaterialList);

    std::vector<std::string> toWrite;
    for (const std::string& name : order) {
        const std::string& now = shipped.at(name);
        const auto was = recorded ? recorded->find(name) : FileHashes::const_iterator();
        const bool known = recorded && was != recorded->end();
        const auto have = mine.find(name);
        if (have != mine.end() && have->second == now)
            continue; // already the new version
        if (known && was->second == now)
            continue; // the upstream kept this file; the user's copy is theirs
        if (have == mine.end()) {
            if (!known) { // new in the upstream
                update.added.push_back(name);
                toWrite.push_back(name);
            } // else deleted by the user: stays deleted
            continue;
        }
        if (known && have->second == was->second) {
            update.replaced.push_back(name);
            toWrite.push_back(name);
            continue;
        }
        KeptFile kept { name, {} };
        const auto before = bytesOf(user + name);
        const auto after = bytesOf(upstream + name);
        if (before && after)
            kept.difference = lineCount(*before, kMaxDiffLines) > kMaxDiffLines
                    || lineCount(*after, kMaxDiffLines) > kMaxDiffLines
                ? kTooLongToCompare
                : lineDifference(linesOf(*before), linesOf(*after));
        update.kept.push_back(std::move(kept));
    }

    // Links among the names about to be written are replaced, not followed.
    for (const std::string& name : toWrite)
        if (isLink(user + name))
            update.unlinked.push_back(name);
    if (isLink(user + kManifestName))
        update.unlinked.push_back(kManifestName);

    const std::string previous = user + kPreviousName;
    struct stat st { };
    if (::lstat(previous.c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) {
        ::unlink(previous.c_str()); // not a copy the program made
        update.unlinked.push_back(kPreviousName);
    }
    if (toWrite.empty() || catalogueNames(user).empty()) {
        // Nothing replaced, or nothing there to keep: no copy from before.
    } else if (::lstat(previous.c_str(), &st) != 0) {
        const std::string error = makePreviousCopy(user);
        if (!error.empty()) {
            update.error = "копия каталога до обновления не создана: " + error;
            update.replaced.clear();
            update.added.clear();
            return update;
        }
        update.previous = previous + "/";
    } else {
        update.previous = previous + "/"; // an earlier one not yet offered: older still
    }
    for (const std::string& name : toWrite) {
        const auto bytes = bytesOf(upstream + name);
        if (!bytes || !write(user + name, *bytes)) {
            update.error = "не записан " + user + name;
            return update; // the manifest stays old: the next start goes on
        }
    }
    if (!writeManifest(user, shipped))
        update.error = "не записан " + user + kManifestName;
    if (!update.previous.empty()) {
        const std::string note = update.previous + kUpdateNoteName;
        const std::string earlier = readOwnFile(note).value_or("");
        writeOwnFile(note, earlier + updateReport(update, user, upstream));
    }
    return update;
}

std::string updateReport(const CatalogueUpdate& update, const std::string& user, const std::string& upstream)
{
    std::string text;
    auto list = [](const std::vector<std::string>& names) {
        std::string out;
        for (const auto& n : names)
            out += (out.empty() ? "" : ", ") + n;
        return out;
    };
    if (!update.replaced.empty())
        text += "Каталог " + user + " обновлен из " + upstream + ": " + list(update.replaced) + ".\n";
    if (!update.added.empty())
        text += "Добавлены из " + upstream + ": " + list(update.added) + ".\n";
    for (const KeptFile& kept : update.kept) {
        text += "Файл " + user + kept.name + " изменен вами и оставлен как есть; новая версия: " + upstream
            + kept.name + ".\n";
        if (!kept.difference.empty())
            text += "Разница (- ваш, + новый):\n" + kept.difference;
    }
    if (!update.unlinked.empty())
        text += "В каталоге " + user + " ссылки заменены файлами программы: " + list(update.unlinked) + ".\n";
    if (!update.previous.empty())
        text += "Каталог до обновления сохранен в " + update.previous
            + "; сравнить расчеты: pruzcalc --compare-data " + update.previous + " ПАПКА_С_RID\n";
    if (!update.error.empty())
        text += "Обновление каталога не закончено: " + update.error + "\n";
    return text;
}

std::optional<PreviousCatalogue> previousCatalogue(const std::string& user)
{
    const std::string dir = user + kPreviousName + "/";
    struct stat st { };
    if (::lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return std::nullopt;
    return PreviousCatalogue { dir, readOwnFile(dir + kUpdateNoteName).value_or("") };
}

void dropPreviousCatalogue(const std::string& user)
{
    std::error_code ignored;
    fs::remove_all(user + kPreviousName, ignored);
}

std::string lineDifference(const std::vector<std::string>& before, const std::vector<std::string>& after)
{
    // Common first and last lines need no table; the rest is compared by
    // the longest common subsequence, table from the ends.
    size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head])
        ++head;
    size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head
        && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const std::vector<std::string> a(
        before.begin() + static_cast<std::ptrdiff_t>(head), before.end() - static_cast<std::ptrdiff_t>(tail));
    const std::vector<std::string> b(
        after.begin() + static_cast<std::ptrdiff_t>(head), after.end() - static_cast<std::ptrdiff_t>(tail));
    if (a.size() > kMaxDiffLines || b.size() > kMaxDiffLines
        || (a.size() + 1) * (b.size() + 1) > kMaxDiffCells)
        return kTooLongToCompare;
    std::vector<unsigned> common((a.size() + 1) * (b.size() + 1), 0);
    const size_t width = b.size() + 1;
    auto at = [&](size_t i, size_t j) -> unsigned& { return common[i * width + j]; };
    for (size_t i = a.size(); i-- > 0;)
        for (size_t j = b.size(); j-- > 0;)
            at(i, j) = a[i] == b[j] ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
    std::string out;
    size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        if (i < a.size() && j < b.size() && a[i] == b[j]) {
            ++i, ++j;
        } else if (j >= b.size() || (i < a.size() && at(i + 1, j) >= at(i, j + 1))) {
            out += "- " + a[i++] + "\n";
        } else {
            out += "+ " + b[j++] + "\n";
        }
    }
    return out;
}
