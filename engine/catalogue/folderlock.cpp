#include "engine/catalogue/folderlock.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>

namespace {

// A lock file whose content cannot be read (a crash between making and
// writing it) stops counting after this long.
constexpr std::time_t kUnreadableStaleSeconds = 5;

std::string hostName()
{
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0)
        return {};
    return name;
}

// The program's file name, which Qt compares with the holder's when it
// decides whether a lock is stale.
std::string programName()
{
    char exe[4096];
    const ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0)
        return "pruz";
    const std::string path(exe, static_cast<size_t>(n));
    return path.substr(path.rfind('/') + 1);
}

struct Holder {
    bool readable = false; // three lines, the first a number
    long long pid = 0;
    std::string host;
};

// The lock file's three lines: pid, program, host. Read through the open
// descriptor, so that it is the file that was locked.
Holder readHolder(int fd)
{
    char text[1024];
    const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
    Holder h;
    if (n <= 0)
        return h;
    const std::string content(text, static_cast<size_t>(n));
    const size_t first = content.find('\n');
    const size_t second = first == std::string::npos ? first : content.find('\n', first + 1);
    const size_t third = second == std::string::npos ? second : content.find('\n', second + 1);
    if (third == std::string::npos)
        return h;
    const auto [end, error] = std::from_chars(content.data(), content.data() + first, h.pid);
    h.readable = error == std::errc() && end == content.data() + first;
    h.host = content.substr(second + 1, third - second - 1);
    return h;
}

// A holder that died on this host, a process id no process can have, or a
// file that never got its content.
bool isStale(const Holder& h, std::time_t modified)
{
    if (!h.readable)
        return std::time(nullptr) - modified > kUnreadableStaleSeconds;
    if (h.pid <= 0 || h.pid > INT_MAX)
        return true;
    return h.host == hostName() && ::kill(static_cast<pid_t>(h.pid), 0) != 0 && errno == ESRCH;
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Something at the lock's name that no program made as its lock (a link, a
// folder): removed while the folder itself is locked, so that two programs
// that both saw it cannot take turns removing each other's new lock.
bool removeForeignEntry(const std::string& dir, const std::string& path, const struct stat& seen)
{
    const int folder = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return false;
    bool removed = false;
    struct stat now { };
    if (::flock(folder, LOCK_EX) == 0 && ::lstat(path.c_str(), &now) == 0 && sameFile(now, seen)
        && !S_ISREG(now.st_mode)) {
        std::error_code error;
        removed = std::filesystem::remove_all(path, error) > 0 && !error;
    } else {
        removed = true; // gone or changed meanwhile: look again
    }
    ::close(folder); // drops the folder's lock
    return removed;
}

} // namespace

FolderLock::~FolderLock()
{
    release();
}

// The lock is the file made with O_EXCL together with an flock on its open
// descriptor, held as long as the lock is (QLockFile holds the same). Who
// takes over a stale file must get its flock first and find the same file
// still under the name before removing it: of several programs that saw it
// stale, one removes it and the others find it gone or replaced.
FolderLock::Outcome FolderLock::takeOver(const std::string& dir, const std::string& path)
{
    struct stat seen { };
    if (::lstat(path.c_str(), &seen) != 0)
        return errno == ENOENT ? Outcome::Retry : Outcome::Refused;
    if (!S_ISREG(seen.st_mode))
        return removeForeignEntry(dir, path, seen) ? Outcome::Retry : Outcome::Refused;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? Outcome::Retry : Outcome::Refused;
    struct stat opened { };
    const Holder h = readHolder(fd);
    Outcome outcome = Outcome::Held;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0) {
        struct stat now { };
        if (::lstat(path.c_str(), &now) != 0 || !sameFile(now, opened))
            outcome = Outcome::Retry; // removed or replaced meanwhile
        else if (isStale(readHolder(fd), opened.st_mtime))
            outcome = ::unlink(path.c_str()) == 0 ? Outcome::Retry : Outcome::Refused;
    }
    if (outcome == Outcome::Held && h.readable)
        holder_ = "процесс " + std::to_string(h.pid) + " на компьютере " + h.host;
    ::close(fd);
    return outcome;
}

bool FolderLock::take(const std::string& dir)
{
    release();
    holder_.clear();
    problem_ = "файл блокировки занят";
    const std::string path = dir + kCatalogueLockName;
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0) {
            const std::string text
                = std::to_string(::getpid()) + "\n" + programName() + "\n" + hostName() + "\n";
            // Waits only while another program looks whether it is stale.
            if (::flock(fd, LOCK_EX) != 0
                || ::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
                problem_ = std::strerror(errno);
                ::unlink(path.c_str());
                ::close(fd);
                return false;
            }
            fd_ = fd;
            path_ = path;
            return true;
        }
        if (errno != EEXIST) {
            problem_ = std::strerror(errno);
            return false;
        }
        if (takeOver(dir, path) != Outcome::Retry)
            return false;
    }
    return false;
}

void FolderLock::release()
{
    if (!path_.empty())
        ::unlink(path_.c_str()); // still under our flock: nobody took it meanwhile
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    path_.clear();
}
