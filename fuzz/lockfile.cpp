// The catalogue's lock over whatever lies at its name: a file of any bytes
// (holder lines true or not), a link, a folder. Taking it either succeeds,
// leaving a lock file of this process, or fails leaving what was there; a
// release leaves nothing.
#include "engine/catalogue/folderlock.h"
#include "fuzzdir.h"

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    namespace fs = std::filesystem;
    const std::string lock = scratchDir() + kCatalogueLockName;
    std::error_code ignored;
    fs::remove_all(lock, ignored);
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const char kind = bytes.empty() ? 'f' : bytes[0];
    if (kind == 'l')
        fs::create_symlink(scratchDir() + bytes.substr(1, 40), lock, ignored);
    else if (kind == 'd')
        fs::create_directory(lock, ignored);
    else
        std::ofstream(lock, std::ios::binary) << bytes;
    FolderLock mine;
    if (mine.take(scratchDir())) {
        std::ifstream in(lock);
        long long pid = 0;
        if (!(in >> pid) || pid != ::getpid())
            std::abort();
        mine.release();
        if (fs::exists(fs::symlink_status(lock)))
            std::abort();
    }
    return 0;
}
