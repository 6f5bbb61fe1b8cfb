#include "general/FileTable.h"

#include "general/StdError.h"
#include "general/SystemError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace STD {

namespace {

void RefuseDirectory(const QString& fileName)
{
    if (QFileInfo(fileName).isDir())
        Raise(PathFileAccessError, u"%1 ist ein Ordner"_s.arg(QDir::toNativeSeparators(fileName)));
}

void CreateEmptyFile(const QString& fileName, bool truncate = false)
{
    // Not blocking: the name may stand for a FIFO by now.
    const int fd = ::open(
        QFile::encodeName(fileName).constData(),
        O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (truncate ? O_TRUNC : 0), 0666);
    if (fd < 0)
        RaiseSystemError(errno, fileName);
    ::close(fd);
}

} // namespace

FileTable::~FileTable()
{
    // Whoever needs to know whether the bytes reached the disk closes the
    // file first; here a failure can no longer be told to anyone. A
    // replacement that was not closed is incomplete and replaces nothing.
    for (const auto& [number, file] : files_) {
        try {
            if (file.changed && !file.replacement)
                WriteBack(file);
        } catch (const Error&) {
        }
    }
}

void FileTable::CheckFileNumber(int fileNumber)
{
    if (fileNumber < 1 || fileNumber > MaxFileNumber)
        Raise(BadFileNumber);
}

void FileTable::Open(const QString& fileName, int fileNumber, FileMode mode, int recordLength)
{
    CheckFileNumber(fileNumber);
    if (files_.contains(fileNumber))
        Raise(FileAlreadyOpen);
    if (mode == FileMode::Random && recordLength < 1)
        Raise(InvalidArgument);
    RefuseDirectory(fileName);

    OpenFile file;
    file.fileName = fileName;
    file.mode = mode;
    const bool exists = QFileInfo::exists(fileName);
    if (mode == FileMode::Input && !exists)
        Raise(FileNotFound, QDir::toNativeSeparators(fileName));
    if (mode == FileMode::Output)
        CreateEmptyFile(fileName, true);
    else if (exists)
        file.content = ReadRegularFile(fileName);
    else
        CreateEmptyFile(fileName);
    if (mode == FileMode::Append)
        file.position = file.content.size() + 1;
    files_.emplace(fileNumber, std::move(file));
}

void FileTable::OpenReplacement(const QString& fileName, int fileNumber)
{
    CheckFileNumber(fileNumber);
    if (files_.contains(fileNumber))
        Raise(FileAlreadyOpen);
    RefuseDirectory(fileName);

    OpenFile file;
    file.fileName = fileName;
    file.replacement = true;
    file.changed = true; // even an empty replacement replaces the old content
    files_.emplace(fileNumber, std::move(file));
}

void FileTable::WriteBack(const OpenFile& file) const
{
    RefuseDirectory(file.fileName);
    ReplaceFile(file.fileName, file.content, steps_);
}

void FileTable::Close(int fileNumber)
{
    CheckFileNumber(fileNumber);
    auto entry = files_.find(fileNumber);
    if (entry == files_.end())
        return;
    const OpenFile file = std::move(entry->second);
    files_.erase(entry);
    if (file.changed)
        WriteBack(file);
}

bool FileTable::IsOpen(int fileNumber) const
{
    return files_.contains(fileNumber);
}

const FileTable::OpenFile& FileTable::FileAt(int fileNumber) const
{
    CheckFileNumber(fileNumber);
    const auto entry = files_.find(fileNumber);
    if (entry == files_.end())
        Raise(BadFileNumber);
    return entry->second;
}

FileTable::OpenFile& FileTable::FileAt(int fileNumber)
{
    // The table is not const here, so neither is the file it holds.
    return const_cast<OpenFile&>(std::as_const(*this).FileAt(fileNumber));
}

qint64 FileTable::Position(int fileNumber) const
{
    return FileAt(fileNumber).position;
}

qint64 FileTable::Length(int fileNumber) const
{
    return FileAt(fileNumber).content.size();
}

QByteArrayView FileTable::ReadThrough(int fileNumber, char stop)
{
    OpenFile& file = FileAt(fileNumber);
    if (file.mode == FileMode::Output || file.mode == FileMode::Append)
        Raise(BadFileMode);
    const qint64 from = file.position - 1;
    if (from >= file.content.size()) {
        file.position = file.content.size() + 1;
        return {};
    }
    const qint64 found = file.content.indexOf(stop, from);
    const qint64 end = found < 0 ? file.content.size() : found + 1;
    file.position = end + 1;
    return QByteArrayView(file.content).sliced(from, end - from);
}

void FileTable::Write(int fileNumber, QByteArrayView bytes)
{
    OpenFile& file = FileAt(fileNumber);
    if (file.mode == FileMode::Input)
        Raise(BadFileMode);
    if (bytes.isEmpty())
        return;
    const qint64 from = file.position - 1;
    const qint64 end = from + bytes.size();
    if (end > file.content.size())
        file.content.resize(end, '\0');
    std::copy(bytes.begin(), bytes.end(), file.content.begin() + from);
    file.position = end + 1;
    file.changed = true;
}

void FileTable::AddReplacedCharacters(int fileNumber, qsizetype count)
{
    FileAt(fileNumber).replacedCharacters += count;
}

qsizetype FileTable::ReplacedCharacters(int fileNumber) const
{
    return FileAt(fileNumber).replacedCharacters;
}

} // namespace STD
