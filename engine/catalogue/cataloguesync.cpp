#include "engine/catalogue/cataloguesync.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/textfile.h"
#include "engine/common/encoding.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Files longer than this are not compared line by line in a report.
constexpr size_t kMaxDiffLines = 2000;

std::vector<std::string> catalogueNames(const std::string& dir)
{
    std::vector<std::string> names;
    DIR* d = ::opendir(dir.c_str());
    if (!d)
        return names;
    while (dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        struct stat st { };
        if (name[0] != '.' && ::lstat((dir + name).c_str(), &st) == 0 && S_ISREG(st.st_mode))
            names.push_back(name);
    }
    ::closedir(d);
    std::sort(names.begin(), names.end());
    return names;
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

FileHashes hashCatalogue(const std::string& dir)
{
    FileHashes hashes;
    for (const std::string& name : catalogueNames(dir))
        if (const auto bytes = bytesOf(dir + name))
            hashes[name] = hexHash(fnv1a(*bytes));
    return hashes;
}

std::string catalogueFingerprint(const std::string& dir)
{
    // The files a calculation reads, not whatever else lies in the folder.
    std::vector<std::string> names { kMaterialList, "k3.dat", "tau1.dat", "tau2.dat", "sigmdiam.dat",
        "sigmab.dat" };
    std::optional<std::vector<std::string>> materials;
    try {
        materials = readDataLines(dir, kMaterialList);
    } catch (const std::exception&) {
    }
    for (const std::string& material : materials.value_or(std::vector<std::string> {})) {
        names.push_back(diameterFileName(material));
        names.push_back(propertiesFileName(material));
    }
    std::uint64_t hash = fnv1a("");
    for (const std::string& name : names) {
        const auto path = findDataFile(dir, name);
        const auto bytes = path ? bytesOf(*path) : std::nullopt;
        hash = fnv1a(name + '\0' + (bytes ? hexHash(fnv1a(*bytes)) : std::string("-")) + '\0', hash);
    }
    return hexHash(hash).substr(0, 8);
}

std::optional<FileHashes> readManifest(const std::string& dir)
{
    const auto bytes = bytesOf(dir + kManifestName);
    if (!bytes)
        return std::nullopt;
    FileHashes hashes;
    size_t pos = 0;
    while (pos < bytes->size()) {
        size_t end = bytes->find('\n', pos);
        if (end == std::string::npos)
            end = bytes->size();
        const std::string line = bytes->substr(pos, end - pos);
        pos = end + 1;
        const size_t space = line.find(' ');
        if (space != 16 || space + 1 >= line.size())
            return std::nullopt; // damaged: as if there were none
        hashes[line.substr(space + 1)] = line.substr(0, space);
    }
    return hashes;
}

bool writeManifest(const std::string& dir, const FileHashes& hashes)
{
    std::string text;
    for (const auto& [name, hash] : hashes)
        text += hash + " " + name + "\n";
    return writeFileBytes(dir + kManifestName, text);
}

bool writeCatalogueFile(const std::string& path, const std::string& bytes)
{
    return writeFileBytes(path, bytes);
}

CatalogueUpdate followUpstream(
    const std::string& user, const std::string& upstream, const CatalogueWriter& write)
{
    CatalogueUpdate update;
    const FileHashes shipped = hashCatalogue(upstream);
    const std::optional<FileHashes> recorded = readManifest(user);
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
            kept.difference = lineDifference(linesOf(*before), linesOf(*after));
        update.kept.push_back(std::move(kept));
    }

    struct stat st { };
    if (!toWrite.empty() && ::lstat((user + kPreviousName).c_str(), &st) != 0) {
        const std::string error = makePreviousCopy(user);
        if (!error.empty()) {
            update.error = "копия каталога до обновления не создана: " + error;
            update.replaced.clear();
            update.added.clear();
            return update;
        }
        update.previous = user + kPreviousName + "/";
    } else if (!toWrite.empty()) {
        update.previous = user + kPreviousName + "/"; // an earlier one not yet offered: older still
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
        const std::string earlier = bytesOf(note).value_or("");
        writeFileBytes(note, earlier + updateReport(update, user, upstream));
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
    return PreviousCatalogue { dir, bytesOf(dir + kUpdateNoteName).value_or("") };
}

void dropPreviousCatalogue(const std::string& user)
{
    std::error_code ignored;
    fs::remove_all(user + kPreviousName, ignored);
}

std::string lineDifference(const std::vector<std::string>& a, const std::vector<std::string>& b)
{
    if (a.size() > kMaxDiffLines || b.size() > kMaxDiffLines)
        return "(файлы слишком длинны для построчного сравнения)\n";
    // Longest common subsequence, table from the ends.
    std::vector<std::vector<unsigned>> common(a.size() + 1, std::vector<unsigned>(b.size() + 1, 0));
    for (size_t i = a.size(); i-- > 0;)
        for (size_t j = b.size(); j-- > 0;)
            common[i][j]
                = a[i] == b[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
    std::string out;
    size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        if (i < a.size() && j < b.size() && a[i] == b[j]) {
            ++i, ++j;
        } else if (j >= b.size() || (i < a.size() && common[i + 1][j] >= common[i][j + 1])) {
            out += "- " + a[i++] + "\n";
        } else {
            out += "+ " + b[j++] + "\n";
        }
    }
    return out;
}
