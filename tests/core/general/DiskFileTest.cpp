#include "support/ErrorExpectations.h"
#include "support/SmallDisk.h"
#include "support/TempDir.h"

#include "general/DiskFile.h"
#include "general/SystemError.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace {

enum class Step
{
    Write,
    Flush,
    Sync,
    Commit
};

// The system's steps, but one of them fails with `error`. A failing write
// first writes half of the bytes, as a disk that fills up midway does.
class FailingSteps : public STD::SaveSteps
{
public:
    FailingSteps(Step failing, int error) : failing_(failing), error_(error) {}

    int Write(std::FILE* file, QByteArrayView bytes) override
    {
        if (failing_ != Step::Write)
            return SaveSteps::Write(file, bytes);
        SaveSteps::Write(file, bytes.first(bytes.size() / 2));
        std::fflush(file);
        return error_;
    }
    int Flush(std::FILE* file) override
    {
        return failing_ == Step::Flush ? error_ : SaveSteps::Flush(file);
    }
    int Sync(std::FILE* file) override
    {
        return failing_ == Step::Sync ? error_ : SaveSteps::Sync(file);
    }
    int Commit(const QByteArray& newFile, const QByteArray& fileName) override
    {
        return failing_ == Step::Commit ? error_ : SaveSteps::Commit(newFile, fileName);
    }

private:
    Step failing_;
    int error_;
};

QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot | QDir::System);
}

QByteArray OldList()
{
    return "Alt,0,1,0,10000000000000000000,\r\n";
}

TEST(ReplaceFile, AFailedStepLeavesTheOldFileAndSaysWhyInGerman)
{
    const std::tuple<Step, int, int, QString> cases[] = {
        {Step::Write, ENOSPC, STD::DiskFull, u"kein Platz mehr frei"_s},
        {Step::Flush, EDQUOT, STD::DiskFull, u"Speicherkontingent"_s},
        {Step::Sync, EIO, STD::DeviceIoError, u"Ein-/Ausgabefehler"_s},
        {Step::Commit, EROFS, STD::PermissionDenied, u"nur lesbar"_s},
        {Step::Commit, EXDEV, STD::PathFileAccessError, u"Systemfehler"_s},
    };
    for (const auto& [step, error, number, reason] : cases) {
        TempDir dir;
        const QString file = dir.Write(u"liste.txt"_s, OldList());
        FailingSteps steps(step, error);
        try {
            STD::ReplaceFile(file, QByteArray(100000, 'n'), steps);
            ADD_FAILURE() << "no error at step " << int(step);
        } catch (const STD::Error& raised) {
            EXPECT_EQ(raised.Number(), number) << int(step);
            EXPECT_TRUE(raised.Text().contains(reason)) << raised.Text().toStdString();
            EXPECT_TRUE(raised.Text().contains(u"liste.txt"_s));
            EXPECT_FALSE(raised.Text().contains(u"Unknown"_s));
        }
        EXPECT_EQ(dir.Read(u"liste.txt"_s), OldList()) << int(step);
        EXPECT_EQ(FilesIn(dir.Path({})), QStringList{u"liste.txt"_s}) << "nothing left behind";
    }
}

// A small list is buffered whole, so a full disk shows only when the
// buffer is flushed; a large one fails while it is written.
TEST(ReplaceFile, ARealFullDiskKeepsTheOldFile)
{
    // Pages left free, bytes to save, whether they fit.
    const std::tuple<int, qsizetype, bool> cases[] = {
        {0, 100, false}, {2, 300000, false}, {2, 5000, true}};
    for (const auto& [freePages, size, fits] : cases) {
        SmallDisk disk(64);
        if (!disk.Mounted())
            GTEST_SKIP() << disk.WhyNot();
        const QString file = disk.Path(u"liste.txt"_s);
        STD::ReplaceFile(file, OldList());
        disk.FillLeaving(freePages);
        const QByteArray bytes(size, 'n');
        try {
            STD::ReplaceFile(file, bytes);
            EXPECT_TRUE(fits) << size << " bytes saved on a full disk";
        } catch (const STD::Error& error) {
            EXPECT_FALSE(fits) << error.Text().toStdString();
            EXPECT_EQ(error.Number(), STD::DiskFull);
        }
        EXPECT_EQ(STD::ReadRegularFile(file), fits ? bytes : OldList()) << size;
    }
}

TEST(ReplaceFile, KeepsALinkAndThePermissions)
{
    TempDir dir;
    const QString target = dir.Write(u"ziel.txt"_s, OldList());
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(target, dir.Path(u"liste.txt"_s)));
    STD::ReplaceFile(dir.Path(u"liste.txt"_s), "neu\r\n");
    EXPECT_TRUE(QFileInfo(dir.Path(u"liste.txt"_s)).isSymLink());
    EXPECT_EQ(dir.Read(u"ziel.txt"_s), "neu\r\n");
    struct stat status = {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

// Anything but a regular file is refused before it is opened: a FIFO
// without a writer would block, a device would never end.
TEST(ReadRegularFile, RefusesWhatIsNoRegularFileWithoutOpeningIt)
{
    TempDir dir;
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.Path(u"fifo"_s)).constData(), 0600), 0);
    QDir(dir.Path({})).mkdir(u"ordner"_s);
    QFile::link(u"/dev/null"_s, dir.Path(u"null"_s));

    const std::pair<QString, QString> cases[] = {
        {u"fifo"_s, u"FIFO"_s}, {u"ordner"_s, u"Ordner"_s}, {u"null"_s, u"Gerät"_s}};
    for (const auto& [name, kind] : cases) {
        try {
            STD::ReadRegularFile(dir.Path(name));
            ADD_FAILURE() << name.toStdString() << " was read";
        } catch (const STD::Error& error) {
            EXPECT_EQ(error.Number(), STD::PathFileAccessError);
            EXPECT_TRUE(error.Text().contains(kind)) << error.Text().toStdString();
        }
    }
}

TEST(ReadRegularFile, RefusesAFileBeyondTheLimitWithoutReadingIt)
{
    TempDir dir;
    const QString file = dir.Write(u"liste.txt"_s, "0123456789");
    EXPECT_EQ(STD::ReadRegularFile(file, 10), "0123456789");
    EXPECT_TRUE(RaisesError(STD::PathFileAccessError, [&] { STD::ReadRegularFile(file, 9); }));
    // Sparse: a gigabyte that takes no space.
    ASSERT_TRUE(QFile::resize(file, qint64(1) << 30));
    try {
        STD::ReadRegularFile(file);
        ADD_FAILURE() << "a gigabyte was read";
    } catch (const STD::Error& error) {
        EXPECT_TRUE(error.Text().contains(u"1024 MB"_s)) << error.Text().toStdString();
    }
}

} // namespace
