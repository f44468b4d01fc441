#include "engine/textfile.h"

#include "engine/encoding.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
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
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
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
        if (foldCase(entry) == want && isRegularFile(dir + entry)) {
            found = dir + entry;
            break;
        }
    }
    ::closedir(d);
    return found;
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
    if (isRegularFile(exact))
        return exact;
    return findCaseInsensitive(dir, name);
}

std::optional<std::string> dataFileForWrite(const std::string& dir, const std::string& name)
{
    if (!isPlainFileName(name))
        return std::nullopt;
    if (auto existing = findDataFile(dir, name))
        return existing;
    return dir + name;
}

bool TextReader::open(const std::string& path)
{
    bytes_.clear();
    pos_ = 0;
    if (!isRegularFile(path))
        return false;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    char buf[8192];
    size_t got;
    while ((got = std::fread(buf, 1, sizeof buf, f)) > 0)
        bytes_.append(buf, got);
    bool ok = !std::ferror(f);
    std::fclose(f);
    if (!ok)
        bytes_.clear();
    return ok;
}

void TextReader::openBytes(std::string bytes)
{
    bytes_ = std::move(bytes);
    pos_ = 0;
}

bool TextReader::eof() const { return pos_ >= bytes_.size() || bytes_[pos_] == kCtrlZ; }

std::string TextReader::readLine()
{
    if (eof())
        return {};
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
    return cp1251ToUtf8(line);
}

std::optional<std::vector<std::string>> readTextLines(const std::string& path)
{
    TextReader r;
    if (!r.open(path))
        return std::nullopt;
    std::vector<std::string> lines;
    while (!r.eof())
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

bool writeTextLines(const std::string& target, const std::vector<std::string>& lines)
{
    std::string data;
    for (const auto& line : lines) {
        data += utf8ToCp1251(line);
        data += "\r\n";
    }
    return writeFileBytes(target, data);
}

bool writeFileBytes(const std::string& target, const std::string& data)
{
    std::string path = target;
    struct stat existing {};
    const bool replacing = ::lstat(path.c_str(), &existing) == 0;
    if (replacing) {
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

    std::string tmp = path + ".tmp-XXXXXX";
    int fd = injectedFault(WriteStage::CreateTemp) ? -1 : ::mkstemp(tmp.data());
    if (fd < 0)
        return false;
    auto fail = [&]() {
        ::close(fd);
        ::unlink(tmp.c_str());
        return false;
    };
    // Keep the permissions of the file being replaced; a new file gets the
    // usual ones for the user's umask.
    if (replacing) {
        ::fchmod(fd, existing.st_mode & 07777);
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
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
    return true;
}

bool writeDataLines(const std::string& dir, const std::string& name, const std::vector<std::string>& lines)
{
    auto path = dataFileForWrite(dir, name);
    return path && writeTextLines(*path, lines);
}

void setWriteFaultInjector(std::function<bool(WriteStage)> injector)
{
    faultInjector() = std::move(injector);
}

void setWriteDescriptorHook(std::function<void(int)> hook)
{
    descriptorHook() = std::move(hook);
}
