#include "general/DiskFile.h"

#include "general/StdError.h"
#include "general/SystemError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace STD {

namespace {

QString KindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return u"ein Ordner"_s;
    if (S_ISFIFO(mode))
        return u"eine benannte Pipe (FIFO)"_s;
    if (S_ISSOCK(mode))
        return u"ein Socket"_s;
    if (S_ISCHR(mode))
        return u"ein zeichenorientiertes Gerät"_s;
    if (S_ISBLK(mode))
        return u"ein blockorientiertes Gerät"_s;
    return u"keine gewöhnliche Datei"_s;
}

void RefuseTooLarge(const QString& fileName, qint64 size, qint64 maxSize)
{
    constexpr qint64 megabyte = 1024 * 1024;
    if (size > maxSize)
        Raise(PathFileAccessError,
              u"%1 ist mit %2 MB größer als die größte lesbare Liste (%3 MB)"_s.arg(
                  QDir::toNativeSeparators(fileName), QString::number(size / megabyte),
                  QString::number(maxSize / megabyte)));
}

void RefuseUnlessRegular(const QString& fileName, const struct stat& status, qint64 maxSize)
{
    if (!S_ISREG(status.st_mode))
        Raise(PathFileAccessError, u"%1 ist %2, keine Veranstaltungsliste"_s.arg(
                                       QDir::toNativeSeparators(fileName), KindOf(status.st_mode)));
    RefuseTooLarge(fileName, status.st_size, maxSize);
}

// Closes a descriptor on every way out.
class Descriptor
{
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int Get() const { return fd_; }

private:
    int fd_;
};

} // namespace

QByteArray ReadRegularFile(const QString& fileName, qint64 maxSize)
{
    const QByteArray path = QFile::encodeName(fileName);
    struct stat status = {};
    // stat follows links and opens nothing: a FIFO or device is refused
    // before it could block the start or feed bytes without end.
    if (::stat(path.constData(), &status) != 0)
        RaiseSystemError(errno, fileName);
    RefuseUnlessRegular(fileName, status, maxSize);

    const Descriptor file(::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.Get() < 0)
        RaiseSystemError(errno, fileName);
    // The name may have been given to something else meanwhile.
    if (::fstat(file.Get(), &status) != 0)
        RaiseSystemError(errno, fileName);
    RefuseUnlessRegular(fileName, status, maxSize);

    // One byte more than the file holds: the end shows without growing.
    QByteArray content(status.st_size + 1, Qt::Uninitialized);
    qint64 filled = 0;
    for (;;) {
        if (filled == content.size()) {
            // The file grew since fstat: read on, within the limit.
            RefuseTooLarge(fileName, filled, maxSize);
            content.resize(filled + 64 * 1024);
        }
        const ssize_t got = ::read(file.Get(), content.data() + filled, content.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            RaiseSystemError(errno, fileName);
        if (got == 0)
            break;
        filled += got;
    }
    content.truncate(filled);
    return content;
}

int SaveSteps::Write(std::FILE* file, QByteArrayView bytes)
{
    errno = 0;
    if (bytes.isEmpty() ||
        std::fwrite(bytes.data(), 1, bytes.size(), file) == std::size_t(bytes.size()))
        return 0;
    return errno != 0 ? errno : EIO;
}

int SaveSteps::Flush(std::FILE* file)
{
    return std::fflush(file) == 0 ? 0 : errno;
}

int SaveSteps::Sync(std::FILE* file)
{
    return ::fsync(::fileno(file)) == 0 ? 0 : errno;
}

int SaveSteps::Commit(const QByteArray& newFile, const QByteArray& fileName)
{
    return std::rename(newFile.constData(), fileName.constData()) == 0 ? 0 : errno;
}

SaveSteps& SystemSaveSteps()
{
    static SaveSteps steps;
    return steps;
}

namespace {

// Where the bytes go: the target of a link to a regular file, so the link
// stays; otherwise the name itself, so that a link to a device (written
// over only with the user's yes) becomes a file and the device stays.
QString ReplacedPath(const QString& fileName)
{
    const QFileInfo info(fileName);
    struct stat status = {};
    if (info.isSymLink() && ::stat(QFile::encodeName(fileName).constData(), &status) == 0 &&
        S_ISREG(status.st_mode))
        return info.canonicalFilePath();
    return fileName;
}

const char* const NewFileMark = ".neu-";

// A new file beside the replaced one, readable as the old one was (or as
// the umask lets a new file be).
std::FILE* CreateNewFile(const QString& target, QByteArray& newPath)
{
    const QByteArray path = QFile::encodeName(target);
    struct stat old = {};
    const bool hasOld = ::stat(path.constData(), &old) == 0 && S_ISREG(old.st_mode);
    for (int attempt = 0;; ++attempt) {
        newPath =
            path + NewFileMark + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd =
            ::open(newPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd < 0 && errno == EEXIST && attempt < 100)
            continue;
        if (fd < 0)
            RaiseSystemError(errno, target);
        if (hasOld)
            ::fchmod(fd, old.st_mode & 07777);
        if (std::FILE* file = ::fdopen(fd, "wb"))
            return file;
        const int error = errno;
        ::close(fd);
        ::unlink(newPath.constData());
        RaiseSystemError(error, target);
    }
}

// Makes the rename itself last; the bytes are on disk already, so a folder
// that cannot be synced costs nothing that could still be kept.
void SyncFolder(const QString& target)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    const Descriptor fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() >= 0)
        ::fsync(fd.Get());
}

} // namespace

void ReplaceFile(const QString& fileName, QByteArrayView bytes, SaveSteps& steps)
{
    const QString target = ReplacedPath(fileName);
    if (QFileInfo(target).isDir())
        RaiseSystemError(EISDIR, fileName);

    QByteArray newPath;
    std::FILE* file = CreateNewFile(target, newPath);
    int error = steps.Write(file, bytes);
    if (error == 0)
        error = steps.Flush(file);
    if (error == 0)
        error = steps.Sync(file);
    if (std::fclose(file) != 0 && error == 0)
        error = errno;
    if (error == 0)
        error = steps.Commit(newPath, QFile::encodeName(target));
    if (error != 0) {
        ::unlink(newPath.constData());
        RaiseSystemError(error, fileName);
    }
    SyncFolder(target);
}

void CheckReplaceable(const QString& fileName)
{
    const QString target = ReplacedPath(fileName);
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    if (::access(folder.constData(), W_OK | X_OK) != 0)
        RaiseSystemError(errno, fileName);
    const QByteArray path = QFile::encodeName(target);
    if (::access(path.constData(), F_OK) == 0 && ::access(path.constData(), W_OK) != 0)
        RaiseSystemError(errno, fileName);
}

void RemoveLeftoverReplacements(const QString& fileName)
{
    const QFileInfo target(ReplacedPath(fileName));
    // Exactly the names CreateNewFile makes: a 32-bit number in base 36.
    const QRegularExpression own(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(target.fileName() + QLatin1StringView(NewFileMark)) +
        u"[0-9a-z]{1,7}"_s));
    QDir folder = target.absoluteDir();
    const QStringList candidates = folder.entryList(
        {target.fileName() + QLatin1StringView(NewFileMark) + u'*'}, QDir::Files | QDir::Hidden);
    for (const QString& name : candidates) {
        if (own.match(name).hasMatch())
            folder.remove(name);
    }
}

} // namespace STD
