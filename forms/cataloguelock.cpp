#include "forms/cataloguelock.h"

#include "forms/qtext.h"

#include <QLockFile>

CatalogueLock::CatalogueLock() = default;
CatalogueLock::~CatalogueLock() = default;

bool CatalogueLock::take(const std::string& dataDir)
{
    release();
    holder_.clear();
    auto file = std::make_unique<QLockFile>(qs(dataDir + kCatalogueLockName));
    // Only a dead holder makes a lock stale, never its age: a settings
    // window may stay open for days.
    file->setStaleLockTime(0);
    if (file->tryLock(0)) {
        file_ = std::move(file);
        return true;
    }
    if (file->error() != QLockFile::LockFailedError)
        return true;
    qint64 pid = 0;
    QString host;
    QString application;
    if (file->getLockInfo(&pid, &host, &application))
        holder_ = QStringLiteral("процесс %1 на компьютере %2").arg(pid).arg(host);
    return false;
}

void CatalogueLock::release()
{
    file_.reset();
}
