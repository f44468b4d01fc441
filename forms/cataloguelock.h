#pragma once
// One settings window at a time may change the material catalogue of a data
// folder: while it is open for editing it holds a lock file in that folder.
// The lock of a program that died is taken over; a second program's window
// can only look. The calculation only reads and takes no lock.

#include <QString>

#include <memory>
#include <string>

class QLockFile;

// The lock file in the data folder. It begins with ".", which a material
// name may not hold, so it is never a material's file.
inline constexpr const char* kCatalogueLockName = ".pruz-catalogue.lock";

class CatalogueLock {
public:
    CatalogueLock();
    ~CatalogueLock();
    CatalogueLock(const CatalogueLock&) = delete;
    CatalogueLock& operator=(const CatalogueLock&) = delete;

    // Tries once, without waiting, to lock the folder (dataDir ends with
    // "/"). False only when another program holds the lock. Where no lock
    // file can be made (a folder the user may not write), nothing is locked,
    // and the writes there fail with their own message.
    bool take(const std::string& dataDir);
    void release();

    // Who holds the lock take() could not get, for instance
    // "процесс 4711 на компьютере pc1"; empty when the lock file says nothing.
    const QString& holder() const { return holder_; }

private:
    std::unique_ptr<QLockFile> file_;
    QString holder_;
};

// Once, when the program starts on a data folder: removes the temporary
// files the atomic writer left there when a program was killed in the middle
// of a write, unless another program holds the folder's lock and so may be
// writing them.
void cleanUpStaleWrites(const std::string& dataDir);
