#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>

namespace STD {

// 256 MiB: a list of the most courses the window holds, each with about
// 8 KB of notes. Real lists stay below a megabyte; a larger file is not a
// course list, and reading it would take memory without bound.
constexpr qint64 MaxReadableFileSize = qint64(256) * 1024 * 1024;

// The whole content of an existing regular file (after following symbolic
// links). Anything else (a folder, FIFO, socket or device) and a file larger
// than maxSize raise the reason without being opened or read, so that
// nothing blocks and memory stays bounded.
QByteArray ReadRegularFile(const QString& fileName, qint64 maxSize = MaxReadableFileSize);

// The steps that put new bytes on disk, each returning 0 or the system's
// error number. Tests derive from it to make a step fail.
class SaveSteps
{
public:
    virtual ~SaveSteps() = default;
    virtual int Write(std::FILE* file, QByteArrayView bytes);
    virtual int Flush(std::FILE* file);
    virtual int Sync(std::FILE* file);
    // Gives the new file the old one's name, in one step.
    virtual int Commit(const QByteArray& newFile, const QByteArray& fileName);
};

// The steps of the system itself.
SaveSteps& SystemSaveSteps();

// Replaces fileName's content by bytes. They go to a new file beside it,
// which takes the name only when every byte is written, flushed and synced;
// a failed step raises the reason and leaves the old file as it was. A
// symbolic link to a regular file stays a link, and its target is replaced.
void ReplaceFile(const QString& fileName, QByteArrayView bytes,
                 SaveSteps& steps = SystemSaveSteps());

// Raises why ReplaceFile could not write fileName (read-only file system,
// no permission on the file or its folder), so the user knows before
// editing; returns when nothing stands in the way.
void CheckReplaceable(const QString& fileName);

// Removes the new files that ReplaceFile left beside fileName when it was
// stopped before the rename (a killed program); nothing else of that name.
void RemoveLeftoverReplacements(const QString& fileName);

} // namespace STD
