#include "general/FileRoutines.h"

#include "general/StdError.h"
#include "general/TextRoutines.h"
#include "general/Windows1252.h"

#include <QDir>
#include <QFile>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace STD {

QString ReadLine(FileTable& files, quint8 fileNumber)
{
    if (files.Position(fileNumber) > files.Length(fileNumber))
        return u"\r"_s;
    QByteArrayView line = files.ReadThrough(fileNumber, '\n');
    if (line.endsWith('\n')) {
        line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return Windows1252::Decode(line);
}

namespace {

std::optional<FileMode> ModeNamed(const QString& word)
{
    const QString mode = word.toLower();
    if (mode.isEmpty() || mode == u"random")
        return FileMode::Random;
    if (mode == u"input")
        return FileMode::Input;
    if (mode == u"output")
        return FileMode::Output;
    if (mode == u"binary")
        return FileMode::Binary;
    if (mode == u"append")
        return FileMode::Append;
    return std::nullopt;
}

void DeleteFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.remove())
        Raise(PathFileAccessError,
              u"%1: %2"_s.arg(QDir::toNativeSeparators(fileName), file.errorString()));
}

} // namespace

void OpenNewFile(FileTable& files, const QString& fileName, qint32 fileNumber, const QString& mode,
                 qint32 recordLength)
{
    files.Close(fileNumber);
    files.Open(fileName, fileNumber, FileMode::Random, 1);
    files.Close(fileNumber);
    DeleteFile(fileName);

    const std::optional<FileMode> chosen = ModeNamed(mode);
    if (!chosen)
        Raise(InvalidArgument);
    files.Open(fileName, fileNumber, *chosen, recordLength);
}

void WriteText(FileTable& files, quint8 fileNumber, const QString& text)
{
    qsizetype replaced = 0;
    files.Write(fileNumber, Windows1252::Encode(text, &replaced));
    if (replaced > 0)
        files.AddReplacedCharacters(fileNumber, replaced);
}

void WriteLine(FileTable& files, quint8 fileNumber, const QString& text)
{
    WriteText(files, fileNumber, text + LineBreak());
}

} // namespace STD
