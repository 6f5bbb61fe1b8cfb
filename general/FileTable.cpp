#include "general/FileTable.h"

#include "general/StdError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace STD {

namespace {

[[noreturn]] void RaiseFileError(const QFileDevice& device, const QString& fileName)
{
    const QString reason =
        u"%1: %2"_s.arg(QDir::toNativeSeparators(fileName), device.errorString());
    switch (device.error()) {
    case QFileDevice::ResourceError:
        Raise(DiskFull, reason);
    case QFileDevice::ReadError:
    case QFileDevice::WriteError:
        Raise(DeviceIoError, reason);
    default:
        break;
    }
    const QFileInfo info(fileName);
    if (!info.absoluteDir().exists())
        Raise(PathNotFound, reason);
    if (info.exists() && !(info.isReadable() && info.isWritable()))
        Raise(PermissionDenied, reason);
    Raise(PathFileAccessError, reason);
}

void RefuseDirectory(const QString& fileName)
{
    if (QFileInfo(fileName).isDir())
        Raise(PathFileAccessError,
              u"%1 ist ein Verzeichnis"_s.arg(QDir::toNativeSeparators(fileName)));
}

QByteArray ReadWholeFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        RaiseFileError(file, fileName);
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        RaiseFileError(file, fileName);
    return content;
}

void CreateEmptyFile(const QString& fileName, QIODevice::OpenMode extra = {})
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | extra))
        RaiseFileError(file, fileName);
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
        CreateEmptyFile(fileName, QIODevice::Truncate);
    else if (exists)
        file.content = ReadWholeFile(fileName);
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

void FileTable::WriteBack(const OpenFile& file)
{
    RefuseDirectory(file.fileName);
    QSaveFile target(file.fileName);
    if (!target.open(QIODevice::WriteOnly))
        RaiseFileError(target, file.fileName);
    if (target.write(file.content) != file.content.size())
        RaiseFileError(target, file.fileName);
    if (!target.commit())
        RaiseFileError(target, file.fileName);
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

QByteArray FileTable::ReadThrough(int fileNumber, char stop)
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
    return file.content.sliced(from, end - from);
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
