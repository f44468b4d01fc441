#include "engine/catalogue/folderlock.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

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
    bool readable = false;
    long long pid = 0;
    std::string program;
    std::string host;
};

Holder readHolder(const std::string& path)
{
    std::ifstream in(path);
    Holder h;
    std::string pid;
    if (std::getline(in, pid) && std::getline(in, h.program) && std::getline(in, h.host)) {
        std::istringstream number(pid);
        h.readable = static_cast<bool>(number >> h.pid) && h.pid > 0;
    }
    return h;
}

// A holder that died on this host, or a file that never got its content.
bool isStale(const std::string& path, const Holder& h)
{
    if (!h.readable) {
        struct stat st { };
        return ::stat(path.c_str(), &st) == 0 && std::time(nullptr) - st.st_mtime > kUnreadableStaleSeconds;
    }
    return h.host == hostName() && ::kill(static_cast<pid_t>(h.pid), 0) != 0 && errno == ESRCH;
}

bool makeLockFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const std::string text = std::to_string(::getpid()) + "\n" + programName() + "\n" + hostName() + "\n";
    const bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    if (::close(fd) != 0 || !ok) {
        ::unlink(path.c_str());
        return false;
    }
    return true;
}

} // namespace

FolderLock::~FolderLock()
{
    release();
}

bool FolderLock::take(const std::string& dir)
{
    release();
    holder_.clear();
    const std::string path = dir + kCatalogueLockName;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (makeLockFile(path)) {
            path_ = path;
            return true;
        }
        if (errno != EEXIST)
            return false;
        const Holder h = readHolder(path);
        if (!isStale(path, h)) {
            if (h.readable)
                holder_ = "процесс " + std::to_string(h.pid) + " на компьютере " + h.host;
            return false;
        }
        ::unlink(path.c_str());
    }
    return false;
}

void FolderLock::release()
{
    if (!path_.empty())
        ::unlink(path_.c_str());
    path_.clear();
}
