#include "general/GuardedFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace STD {

GuardedFile::GuardedFile(const QString& fileName)
    : fileName_(QFileInfo(fileName).absoluteFilePath()), lock_(fileName_ + QStringLiteral(".lock"))
{
    // The lock is held for the whole session: only a dead holder makes it stale.
    lock_.setStaleLockTime(0);
}

GuardedFile::LockState GuardedFile::Lock()
{
    if (lock_.isLocked() || lock_.tryLock(0))
        return LockState::Taken;
    if (lock_.error() != QLockFile::LockFailedError)
        return LockState::Unavailable;
    // Windows of one process (a test's) share the list: only another
    // program is kept out.
    return HolderProcess() == QCoreApplication::applicationPid() ? LockState::Taken
                                                                 : LockState::HeldElsewhere;
}

qint64 GuardedFile::HolderProcess() const
{
    qint64 process = 0;
    QString host;
    QString application;
    return lock_.getLockInfo(&process, &host, &application) ? process : 0;
}

GuardedFile::Fingerprint GuardedFile::FingerprintOf(QByteArrayView bytes)
{
    // BLAKE2b: as sure as SHA-256 to tell a change, and several times
    // faster, which the start-up feels at 32767 courses.
    return {bytes.size(), QCryptographicHash::hash(bytes, QCryptographicHash::Blake2b_256)};
}

void GuardedFile::Remember(Fingerprint read)
{
    const std::lock_guard guard(mutex_);
    known_ = std::move(read);
}

bool GuardedFile::ChangedOutside() const
{
    std::optional<Fingerprint> known;
    {
        const std::lock_guard guard(mutex_);
        known = known_;
    }
    struct stat status = {};
    if (!known || ::stat(QFile::encodeName(fileName_).constData(), &status) != 0 ||
        !S_ISREG(status.st_mode))
        return false;
    // The size tells most changes without reading; the content the rest,
    // whatever the modification time says (copies keep it, and it may not
    // tick between two writes).
    if (status.st_size != known->size)
        return true;
    // Hashed as it is read: a huge list is not held a second time.
    QFile file(fileName_);
    QCryptographicHash hash(QCryptographicHash::Blake2b_256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return false; // Unreadable now: the write will tell why, if it fails too.
    return hash.result() != known->hash;
}

void GuardedFile::Write(QByteArrayView bytes, SaveSteps& steps)
{
    ReplaceFile(fileName_, bytes, steps);
    Remember(bytes);
    RemoveLeftoverReplacements(fileName_);
}

bool GuardedFile::WriteUnlessChangedOutside(QByteArrayView bytes, SaveSteps& steps)
{
    if (ChangedOutside())
        return false;
    Write(bytes, steps);
    return true;
}

} // namespace STD
