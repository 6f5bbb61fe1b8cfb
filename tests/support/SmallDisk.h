#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <string>

#include <sys/mount.h>

// A file system of a few pages (tmpfs), for a disk that is really full or
// really read-only. Mounting needs root; where it is refused, Mounted() is
// false and WhyNot() says why, so the test can skip with that message.
class SmallDisk
{
public:
    // Mounted on mountPoint, or on a scratch folder of its own.
    explicit SmallDisk(int kilobytes, const QString& mountPoint = {})
        : path_(mountPoint.isEmpty() ? folder_.path() : mountPoint),
          options_("size=" + std::to_string(kilobytes) + "k")
    {
        if (path_.isEmpty()) {
            whyNot_ = "no scratch folder";
            return;
        }
        mounted_ = ::mount("kalustra-test", Native(), "tmpfs", 0, options_.c_str()) == 0;
        if (!mounted_)
            whyNot_ = "mounting a tmpfs was refused: " + std::string(std::strerror(errno));
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(Native(), MNT_DETACH);
    }

    bool Mounted() const { return mounted_; }
    const std::string& WhyNot() const { return whyNot_; }
    QString Path(const QString& name) const { return QDir(path_).filePath(name); }

    // Writes filler files of one page each until the disk is full, then
    // frees `pages` of them again.
    void FillLeaving(int pages) const
    {
        int written = 0;
        for (;; ++written) {
            QFile filler(Path(QStringLiteral("filler%1").arg(written)));
            if (!filler.open(QIODevice::WriteOnly))
                break;
            const bool whole = filler.write(QByteArray(4096, 'x')) == 4096 && filler.flush();
            filler.close();
            if (!whole) {
                filler.remove();
                break;
            }
        }
        for (int i = 0; i < pages && i < written; ++i)
            QFile::remove(Path(QStringLiteral("filler%1").arg(i)));
    }

    bool MakeReadOnly() const
    {
        return ::mount("kalustra-test", Native(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                       options_.c_str()) == 0;
    }

private:
    const char* Native() const
    {
        native_ = QFile::encodeName(path_);
        return native_.constData();
    }

    QTemporaryDir folder_;
    QString path_;
    std::string options_;
    bool mounted_ = false;
    std::string whyNot_;
    mutable QByteArray native_;
};
