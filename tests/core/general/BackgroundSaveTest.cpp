#include "support/TempDir.h"

#include "general/BackgroundSave.h"

#include <QCoreApplication>
#include <QTest>

#include <cerrno>

using namespace Qt::Literals::StringLiterals;
using State = STD::BackgroundSave::State;

namespace {

// Counts the writes that reach the disk; the first `failures` syncs fail
// as on a full disk.
class CountingSteps : public STD::SaveSteps
{
public:
    int Write(std::FILE* file, QByteArrayView bytes) override
    {
        ++writes;
        return SaveSteps::Write(file, bytes);
    }
    int Sync(std::FILE* file) override { return failures-- > 0 ? ENOSPC : SaveSteps::Sync(file); }

    int writes = 0;
    int failures = 0;
};

class BackgroundSaveTest : public ::testing::Test
{
protected:
    BackgroundSaveTest()
    {
        disk.Write(u"liste.txt"_s, "alt");
        file.Remember("alt");
        save.SetDelay(std::chrono::milliseconds(20));
        save.SetSteps(steps);
    }

    // Waits for the write that the changes so far start.
    void Settle()
    {
        EXPECT_TRUE(
            QTest::qWaitFor([this] { return save.CurrentState() != State::Pending; }, 5000));
    }

    TempDir disk;
    STD::GuardedFile file{disk.Path(u"liste.txt"_s)};
    QByteArray content;
    CountingSteps steps;
    STD::BackgroundSave save{file, [this] { return content; }};
};

TEST_F(BackgroundSaveTest, ABurstOfChangesIsOneWriteOfTheLast)
{
    for (int key = 0; key < 50; ++key) {
        content += char('a' + key % 26);
        save.Schedule();
    }
    EXPECT_EQ(save.CurrentState(), State::Pending);
    Settle();
    EXPECT_EQ(save.CurrentState(), State::Saved);
    EXPECT_EQ(steps.writes, 1);
    EXPECT_EQ(disk.Read(u"liste.txt"_s), content);
}

TEST_F(BackgroundSaveTest, AFailedWriteKeepsTheFileAndTheNextChangeTriesAgain)
{
    steps.failures = 1;
    content = "neu";
    save.Schedule();
    Settle();
    EXPECT_EQ(save.CurrentState(), State::Failed);
    EXPECT_FALSE(save.FailureReason().isEmpty());
    EXPECT_EQ(disk.Read(u"liste.txt"_s), "alt");

    content = "neuer";
    save.Schedule();
    Settle();
    EXPECT_EQ(save.CurrentState(), State::Saved);
    EXPECT_EQ(disk.Read(u"liste.txt"_s), "neuer");
}

TEST(GuardedFileTest, OnlyAChangedContentIsAChangeByAnotherProgram)
{
    const TempDir disk;
    const QString name = disk.Path(u"liste.txt"_s);
    // What another program does after the file was read as "Algebra", and
    // whether that is a change.
    const std::tuple<const char*, std::function<void()>, bool> cases[] = {
        {"nothing", [] {}, false},
        {"the same bytes again", [&] { disk.Write(u"liste.txt"_s, "Algebra"); }, false},
        {"removed", [&] { QFile::remove(name); }, false},
        {"the same size", [&] { disk.Write(u"liste.txt"_s, "Analyse"); }, true},
        {"a course appended", [&] { disk.Write(u"liste.txt"_s, "Algebra\r\nStatistik"); }, true},
    };
    for (const auto& [what, change, changed] : cases) {
        STD::GuardedFile file(name);
        disk.Write(u"liste.txt"_s, "Algebra");
        file.Remember("Algebra");
        change();
        EXPECT_EQ(file.ChangedOutside(), changed) << what;
        file.Write("Algebra 2");
        EXPECT_FALSE(file.ChangedOutside()) << what;
    }
}

// Only names the save itself makes are its leftovers.
TEST(GuardedFileTest, ASaveRemovesTheLeftoversOfKilledSaves)
{
    const TempDir disk;
    const QStringList leftovers = {u"liste.txt.neu-0"_s, u"liste.txt.neu-1ekf2zq"_s};
    const QStringList others = {u"liste.txt.neu-"_s, u"liste.txt.neu-ABC"_s,
                                u"liste.txt.neu-abc.txt"_s, u"liste.txt.neu-12345678"_s,
                                u"andere.txt.neu-abc"_s};
    for (const QString& name : leftovers + others)
        disk.Write(name, "x");
    STD::GuardedFile(disk.Path(u"liste.txt"_s)).Write("Algebra");
    for (const QString& name : leftovers)
        EXPECT_FALSE(QFile::exists(disk.Path(name))) << name.toStdString();
    for (const QString& name : others)
        EXPECT_TRUE(QFile::exists(disk.Path(name))) << name.toStdString();
}

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // The timer and the written files' report need an event loop.
    QCoreApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
