#include "engine/catalogue/textfile.h"

#include "engine/catalogue/notenames.h"
#include "engine/common/encoding.h"
#include "engine/common/errors.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kCtrlZ = 0x1A;

std::function<bool(WriteStage)>& faultInjector()
{
    static std::function<bool(WriteStage)> injector;
    return injector;
}

std::function<void(int)>& descriptorHook()
{
    static std::function<void(int)> hook;
    return hook;
}

bool injectedFault(WriteStage stage)
{
    auto& f = faultInjector();
    return f && f(stage);
}

bool isRegularFile(const std::string& path)
{
    struct stat st { };
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string realPath(const std::string& path)
{
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real)
        return {};
    std::string resolved = real;
    std::free(real);
    return resolved;
}

bool folderFile(const std::string& dir, const std::string& path)
{
    struct stat st { };
    if (::lstat(path.c_str(), &st) != 0)
        return false;
    if (!S_ISLNK(st.st_mode))
        return S_ISREG(st.st_mode);
    const std::string target = realPath(path);
    std::string folder = realPath(dir.empty() ? "." : dir);
    if (target.empty() || folder.empty() || !isRegularFile(target))
        return false;
    if (folder.back() != '/')
        folder += '/';
    return target.compare(0, folder.size(), folder) == 0;
}

std::optional<std::string> findCaseInsensitive(const std::string& dir, const std::string& name)
{
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d)
        return std::nullopt;
    const std::string want = foldCase(name);
    std::optional<std::string> found;
    while (dirent* e = ::readdir(d)) {
        std::string entry = e->d_name;
        if (foldCase(entry) == want && folderFile(dir, dir + entry)) {
            found = dir + entry;
            break;
        }
    }
    ::closedir(d);
    return found;
}

struct FdCloser {
    void operator()(const int* fd) const { ::close(*fd); }
};

std::string tooBigMessage(const std::string& path)
{
    return "Файл " + path + " слишком велик (больше 16 МБ)";
}

std::string longLineMessage(const std::string& path)
{
    return "В файле " + path + " есть строка длиннее 64 КБ";
}

// The lines a reader would return, up to the end of the file or a Ctrl-Z
// where a line begins, each no longer than kMaxLineBytes.
bool linesFit(const std::string& bytes)
{
    size_t pos = 0;
    while (pos < bytes.size() && bytes[pos] != kCtrlZ) {
        const size_t end = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
        if (end - pos > kMaxLineBytes)
            return false;
        pos = end + 1;
        if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n')
            ++pos;
    }
    return true;
}

// The folder that holds `path`.
std::string folderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Gives the temporary file the permissions of the file it replaces, or for
// a new file the usual ones for the user's umask. A file system that keeps
// no permissions (FAT on a memory stick) refuses, and that is no failure.
bool setPermissions(int fd, bool replacing, mode_t existingMode)
{
    mode_t mode = existingMode & 07777;
    if (!replacing) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    return ::fchmod(fd, mode) == 0 || errno == EPERM || errno == EOPNOTSUPP;
}

// Makes a rename in `folder` survive a power cut, as far as the file system
// allows (one that cannot sync a folder says EINVAL).
void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// A file name the program writes: a data file, an input data file, an
// exported PDF or SVG (their extension in any letter case), or the
// catalogue's manifest and update note, or the note of a material addition.
bool isWrittenName(std::string_view name)
{
    for (const char* note : kNoteFiles)
        if (name == note)
            return true;
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return false;
    std::string extension(name.substr(dot + 1));
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* written : { "dat", "rid", "pdf", "svg" })
        if (extension == written)
            return true;
    return false;
}

// <name> + kTempSuffix with its Xs filled in by letters or digits, as
// mkstemp does, for a name the program writes there: nobody else's
// "notes.tmp-backup".
bool isStaleTemporaryName(const std::string& name)
{
    const std::string_view suffix = kTempSuffix;
    const size_t fixed = suffix.find('X');
    if (name.size() <= suffix.size())
        return false;
    const size_t at = name.size() - suffix.size();
    if (name.compare(at, fixed, suffix.substr(0, fixed)) != 0
        || !isWrittenName(std::string_view(name).substr(0, at)))
        return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(at + fixed), name.end(),
        [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

bool writeAll(int fd, const std::string& data)
{
    size_t done = 0;
    while (done < data.size()) {
        ssize_t w = ::write(fd, data.data() + done, data.size() - done);
        if (w < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<size_t>(w);
    }
    return true;
}

} // namespace

bool isFolderFile(const std::string& dir, const std::string& path)
{
    return folderFile(dir, path);
}

bool fileNameFits(const std::string& name)
{
    return name.size() + std::string_view(kTempSuffix).size() <= kMaxFileNameBytes;
}

bool breaksLine(char32_t c)
{
    return c == U'\r' || c == U'\n' || c == 0x1A || c == 0;
}

bool fitsOneLine(const std::string& text)
{
    return std::none_of(
        text.begin(), text.end(), [](char c) { return breaksLine(static_cast<unsigned char>(c)); });
}

bool isPlainFileName(const std::string& name)
{
    return !name.empty() && name != "." && name.find('/') == std::string::npos
        && name.find('\\') == std::string::npos && name.find("..") == std::string::npos
        && name.find('\0') == std::string::npos;
}

std::optional<std::string> findDataFile(const std::string& dir, const std::string& name)
{
    if (!isPlainFileName(name))
        return std::nullopt;
    std::string exact = dir + name;
    if (isFolderFile(dir, exact))
        return exact;
    return findCaseInsensitive(dir, name);
}

std::optional<std::string> dataFileForWrite(const std::string& dir, const std::string& name)
{
    if (!isPlainFileName(name))
        return std::nullopt;
    if (auto existing = findDataFile(dir, name))
        return existing;
    struct stat st { };
    if (::lstat((dir + name).c_str(), &st) == 0) // a link out of the folder, a folder, a device
        return std::nullopt;
    return dir + name;
}

std::optional<std::string> readFileBytes(const std::string& path)
{
    // Opened without waiting (a FIFO would block) and checked once open, so
    // what is read is what was checked; plain reads, as every start reads
    // some thirty small files.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    const std::unique_ptr<const int, FdCloser> closer(&fd);
    struct stat st { };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    if (static_cast<unsigned long long>(st.st_size) > kMaxFileBytes)
        throw IoError(tooBigMessage(path));
    // Read into place; one byte more, so that the end is seen by a short read.
    std::string bytes(static_cast<size_t>(st.st_size) + 1, '\0');
    size_t got = 0;
    for (;;) {
        if (got == bytes.size()) { // grew while being read
            if (got > kMaxFileBytes)
                throw IoError(tooBigMessage(path));
            bytes.resize(got + 8192);
        }
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        got += static_cast<size_t>(n);
    }
    bytes.resize(got);
    if (got > kMaxFileBytes)
        throw IoError(tooBigMessage(path));
    if (!linesFit(bytes))
        throw IoError(longLineMessage(path));
    return bytes;
}

bool TextReader::open(const std::string& path)
{
    bytes_.clear();
    pos_ = 0;
    auto bytes = readFileBytes(path);
    openBytes(bytes ? std::move(*bytes) : std::string());
    return bytes.has_value();
}

void TextReader::openBytes(std::string bytes)
{
    bytes_ = std::move(bytes);
    lines_.reset();
    pos_ = 0;
}

void TextReader::openLines(std::shared_ptr<const TextLines> lines)
{
    bytes_.clear();
    lines_ = std::move(lines);
    pos_ = 0;
}

bool TextReader::eof() const
{
    if (lines_)
        return pos_ >= lines_->end();
    return pos_ >= bytes_.size() || bytes_[pos_] == kCtrlZ;
}

std::string TextReader::readLine()
{
    if (eof())
        return {};
    if (lines_)
        return std::string(lines_->next(pos_));
    size_t start = pos_;
    while (pos_ < bytes_.size() && bytes_[pos_] != '\r' && bytes_[pos_] != '\n')
        ++pos_;
    std::string line = bytes_.substr(start, pos_ - start);
    if (pos_ < bytes_.size()) {
        if (bytes_[pos_] == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n')
            pos_ += 2;
        else
            ++pos_;
    }
    return cp1251ToUtf8(std::move(line));
}

std::optional<std::vector<std::string>> readTextLines(const std::string& path)
{
    return readTextLines(path, static_cast<size_t>(-1));
}

std::optional<std::vector<std::string>> readTextLines(const std::string& path, size_t most)
{
    TextReader r;
    if (!r.open(path))
        return std::nullopt;
    std::vector<std::string> lines;
    while (!r.eof() && lines.size() < most)
        lines.push_back(r.readLine());
    return lines;
}

std::optional<std::vector<std::string>> readDataLines(const std::string& dir, const std::string& name)
{
    auto path = findDataFile(dir, name);
    if (!path)
        return std::nullopt;
    return readTextLines(*path);
}

namespace {

bool writeReplacing(const std::string& target, const std::string& data, bool followLink)
{
    std::string path = target;
    struct stat existing { };
    bool replacing = ::lstat(path.c_str(), &existing) == 0;
    if (replacing && S_ISLNK(existing.st_mode) && !followLink) {
        replacing = false; // the link goes, a file of its own takes its name
    } else if (replacing) {
        if (S_ISLNK(existing.st_mode)) {
            char* real = ::realpath(path.c_str(), nullptr);
            if (!real)
                return false;
            path = real;
            std::free(real);
            if (::stat(path.c_str(), &existing) != 0)
                return false;
        }
        if (!S_ISREG(existing.st_mode))
            return false;
    }

    std::string tmp = path + kTempSuffix;
    int fd = injectedFault(WriteStage::CreateTemp) ? -1 : ::mkstemp(tmp.data());
    if (fd < 0)
        return false;
    auto fail = [&]() {
        ::close(fd);
        ::unlink(tmp.c_str());
        return false;
    };
    if (injectedFault(WriteStage::Permissions) || !setPermissions(fd, replacing, existing.st_mode))
        return fail();
    if (descriptorHook())
        descriptorHook()(fd);
    if (injectedFault(WriteStage::Write) || !writeAll(fd, data))
        return fail();
    if (injectedFault(WriteStage::Flush) || ::fsync(fd) != 0)
        return fail();
    if (::close(fd) != 0) {
        ::unlink(tmp.c_str());
        return false;
    }
    if (injectedFault(WriteStage::Rename) || ::rename(tmp.c_str(), path.c_str()) != 0) {
        ::unlink(tmp.c_str());
        return false;
    }
    // The new text is in place for every reader now. A folder that cannot be
    // synced leaves only the rename at risk of a power cut; reporting the
    // write as failed would make callers undo work around a file that did
    // change (a listed material's files erased), so it counts as written.
    syncFolder(folderOf(path));
    return true;
}

} // namespace

bool writeFileBytes(const std::string& path, const std::string& bytes)
{
    return writeReplacing(path, bytes, true);
}

bool writeOwnFile(const std::string& path, const std::string& bytes)
{
    return writeReplacing(path, bytes, false);
}

std::optional<std::string> readOwnFile(const std::string& path)
{
    struct stat st { };
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    try {
        return readFileBytes(path);
    } catch (const IoError&) {
        return std::nullopt;
    }
}

bool writeTextLines(const std::string& path, const std::vector<std::string>& lines)
{
    if (!std::all_of(lines.begin(), lines.end(), fitsOneLine))
        return false;
    std::string data;
    for (const auto& line : lines) {
        data += utf8ToCp1251(line);
        data += "\r\n";
    }
    return writeFileBytes(path, data);
}

bool writeDataLines(const std::string& dir, const std::string& name, const std::vector<std::string>& lines)
{
    auto path = dataFileForWrite(dir, name);
    return path && writeTextLines(*path, lines);
}

int removeStaleTemporaryFiles(const std::string& dir)
{
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d)
        return 0;
    int removed = 0;
    while (dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        struct stat st { };
        if (isStaleTemporaryName(name) && ::lstat((dir + name).c_str(), &st) == 0 && S_ISREG(st.st_mode)
            && ::unlink((dir + name).c_str()) == 0)
            ++removed;
    }
    ::closedir(d);
    return removed;
}

void setWriteFaultInjector(std::function<bool(WriteStage)> injector)
{
    faultInjector() = std::move(injector);
}

void setWriteDescriptorHook(std::function<void(int)> hook)
{
    descriptorHook() = std::move(hook);
}
