#pragma once

#include "general/DiskFile.h"

#include <QByteArray>
#include <QString>

#include <map>

namespace STD {

enum class FileMode
{
    Random,
    Input,
    Output,
    Binary,
    Append
};

// Open files addressed by small numbers, with a 1-based current position.
// A file's bytes are held in memory while it is open and written back when
// it is closed, so reading and writing byte by byte costs no system call.
class FileTable
{
public:
    static constexpr int MaxFileNumber = 511;

    // steps: how changed files reach the disk (tests make them fail).
    explicit FileTable(SaveSteps& steps = SystemSaveSteps()) : steps_(steps) {}
    FileTable(const FileTable&) = delete;
    FileTable& operator=(const FileTable&) = delete;
    ~FileTable();

    // A missing file is created, except for FileMode::Input (error 53).
    void Open(const QString& fileName, int fileNumber, FileMode mode, int recordLength = 1);
    // An empty random-access file whose content replaces fileName when it is
    // closed, in one step: until then the old file stays as it was, and a
    // replacement never closed replaces nothing.
    void OpenReplacement(const QString& fileName, int fileNumber);
    // Writes back what was changed; raises the reason when that fails.
    void Close(int fileNumber);
    bool IsOpen(int fileNumber) const;

    qint64 Position(int fileNumber) const;
    qint64 Length(int fileNumber) const;

    // The bytes from the current position up to and including the first
    // `stop`, or to the end of the file; the position moves past them. The
    // view is valid until the file is written to or closed.
    QByteArrayView ReadThrough(int fileNumber, char stop);
    // All bytes of an open file, as they stand in memory.
    QByteArrayView Content(int fileNumber) const { return FileAt(fileNumber).content; }
    // Overwrites from the current position on, growing the file as needed.
    void Write(int fileNumber, QByteArrayView bytes);

    // Characters that had to be written as "?" since the file was opened.
    void AddReplacedCharacters(int fileNumber, qsizetype count);
    qsizetype ReplacedCharacters(int fileNumber) const;

private:
    struct OpenFile
    {
        QString fileName;
        FileMode mode = FileMode::Random;
        QByteArray content;
        qint64 position = 1;
        qsizetype replacedCharacters = 0;
        bool changed = false;
        bool replacement = false;
    };

    OpenFile& FileAt(int fileNumber);
    const OpenFile& FileAt(int fileNumber) const;
    static void CheckFileNumber(int fileNumber);
    void WriteBack(const OpenFile& file) const;

    SaveSteps& steps_;
    std::map<int, OpenFile> files_;
};

} // namespace STD
