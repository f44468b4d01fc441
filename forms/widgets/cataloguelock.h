#pragma once
// One settings window at a time may change the material catalogue of a data
// folder: while it is open for editing it holds a lock file in that folder.
// The lock of a program that died is taken over; a second program's window
// can only look. The calculation only reads and takes no lock.

#include "engine/catalogue/datafolder.h" // cleanUpStaleWrites, run once at start-up
#include "engine/catalogue/folderlock.h" // kCatalogueLockName, the same file for code without Qt

#include <QString>

#include <memory>
#include <string>

class QLockFile;

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

    // What to tell the user when take() took over a lock file that named no
    // holder (empty or garbage, left by a crash or a power cut between
    // making it and writing it): such a file is stale once it is older
    // than kUnreadableLockSeconds. Empty otherwise.
    const QString& takeOverNote() const { return takeOverNote_; }

private:
    std::unique_ptr<QLockFile> file_;
    QString holder_;
    QString takeOverNote_;
};

// A program writes its lock file at once; one that still says nothing
// after this long never will.
inline constexpr int kUnreadableLockSeconds = 5;
