#include "forms/widgets/cataloguelock.h"

#include "forms/widgets/qtext.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLockFile>

CatalogueLock::CatalogueLock() = default;
CatalogueLock::~CatalogueLock() = default;

bool CatalogueLock::take(const std::string& dataDir)
{
    release();
    holder_.clear();
    takeOverNote_.clear();
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
    if (file->getLockInfo(&pid, &host, &application)) {
        holder_ = QStringLiteral("процесс %1 на компьютере %2").arg(pid).arg(host);
        return false;
    }
    // Nobody can be named to wait for: a lock file that still says nothing
    // after a few seconds was left by a program that died making it.
    const QFileInfo lockFile(file->fileName());
    if (!lockFile.exists()
        || lockFile.lastModified().secsTo(QDateTime::currentDateTime()) < kUnreadableLockSeconds
        || !file->removeStaleLockFile() || !file->tryLock(0))
        return false;
    file_ = std::move(file);
    takeOverNote_ = QStringLiteral("Файл блокировки каталога %1 был пуст или испорчен (программа, "
                                   "создававшая его, была прервана). Блокировка снята и взята этим окном.")
                        .arg(QString::fromLatin1(kCatalogueLockName));
    return true;
}

void CatalogueLock::release()
{
    file_.reset();
}
