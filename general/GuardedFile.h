#pragma once

#include "general/DiskFile.h"

#include <QByteArray>
#include <QLockFile>
#include <QString>

#include <mutex>
#include <optional>

namespace STD {

// A file the program keeps open for editing. A lock beside it lets one
// program at a time edit it, and what it held when the program last read or
// wrote it shows whether someone else changed it since, so that nobody's
// change is written over unseen. Writing may happen on another thread than
// the rest.
class GuardedFile
{
public:
    enum class LockState
    {
        Taken,
        HeldElsewhere,
        // No lock can be made here (a read-only folder): editing goes on
        // without one.
        Unavailable
    };

    // fileName is resolved to an absolute path once, so that a folder made
    // again under the same path still takes the writes.
    explicit GuardedFile(const QString& fileName);
    GuardedFile(const GuardedFile&) = delete;
    GuardedFile& operator=(const GuardedFile&) = delete;

    const QString& FileName() const { return fileName_; }

    // A lock left by a program that has ended is taken over; one held by
    // this process counts as taken.
    LockState Lock();
    // The process that holds the lock, 0 when unknown.
    qint64 HolderProcess() const;

    // What tells one content of the file from another.
    struct Fingerprint
    {
        qint64 size = 0;
        QByteArray hash;
    };
    static Fingerprint FingerprintOf(QByteArrayView content);

    // What the program read from the file: its own from now on.
    void Remember(QByteArrayView content) { Remember(FingerprintOf(content)); }
    void Remember(Fingerprint read);
    // The file is a regular file whose content is not what the program
    // last read or wrote. A missing file is no change: writing it loses
    // nothing. Before Remember, nothing counts as a change.
    bool ChangedOutside() const;

    // Replaces the content (ReplaceFile), remembers it and removes the
    // program's leftover new files; raises the reason when that fails.
    void Write(QByteArrayView bytes, SaveSteps& steps = SystemSaveSteps());
    // Writes only if nobody else changed the file; false leaves it alone.
    bool WriteUnlessChangedOutside(QByteArrayView bytes, SaveSteps& steps = SystemSaveSteps());

private:
    const QString fileName_;
    QLockFile lock_;
    mutable std::mutex mutex_;
    std::optional<Fingerprint> known_;
};

} // namespace STD
