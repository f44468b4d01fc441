#pragma once
// The catalogue's lock file, taken by code that has no Qt (pruzcalc, and
// the catalogue's update at start-up). It is the same file the settings
// window holds (QLockFile, forms/widgets/cataloguelock.h) and written the way Qt
// writes it: the holder's process id, program name and host name, one a
// line. A file made with O_EXCL, with an flock held on it, is the lock, so
// the two kinds exclude each other. A lock whose holder died on this host,
// whose process id no process can have, or that is not a lock file at all
// (a link, a folder) is stale and taken over, by one program only.

#include <string>

// In the data folder. It begins with ".", which a material name may not
// hold, so it is never a material's file.
inline constexpr const char* kCatalogueLockName = ".pruz-catalogue.lock";

class FolderLock {
public:
    FolderLock() = default;
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Tries once, without waiting, to lock the folder `dir` (ending with
    // "/"). False when another living program holds it, or the lock file
    // cannot be made there (a folder the user may not write).
    bool take(const std::string& dir);
    void release();
    bool held() const { return !path_.empty(); }

    // Who holds the lock take() could not get ("процесс 4711 на компьютере
    // pc1"); empty when the lock file says nothing readable.
    const std::string& holder() const { return holder_; }
    // Why take() failed when no holder is known ("No space left on device").
    const std::string& problem() const { return problem_; }

private:
    enum class Outcome { Retry, Held, Refused };
    Outcome takeOver(const std::string& dir, const std::string& path);

    int fd_ = -1;
    std::string path_;
    std::string holder_;
    std::string problem_;
};
