#include "window/FormFixture.h"

#include "general/GuardedFile.h"
#include "support/TempDir.h"

#include <QProcess>
#include <QTest>

#include <csignal>

using namespace Qt::Literals::StringLiterals;

namespace {

// The real program, offscreen, on the list in `folder`.
class RunningProgram
{
public:
    explicit RunningProgram(const QString& folder) : lock_(folder + u"/liste.txt.lock"_s)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        process_.setProcessEnvironment(environment);
        process_.setWorkingDirectory(folder);
        process_.start(QStringLiteral(KALUSTRA_PROGRAM), {});
    }
    ~RunningProgram()
    {
        process_.kill();
        process_.waitForFinished();
    }

    // The list is read and locked.
    bool Started() const
    {
        return QTest::qWaitFor([this] { return QFile::exists(lock_); }, 10000);
    }
    qint64 Id() const { return process_.processId(); }
    void Send(int signalNumber) const { ::kill(pid_t(Id()), signalNumber); }
    QProcess& Process() { return process_; }

private:
    QString lock_;
    QProcess process_;
};

// The list's number "007" reads as 7 and is saved so: any save changes the
// bytes. A killed save's leftover is removed by the next save only.
TEST(SessionEndTest, EachEndingSignalSavesTheListAndEndsTheProgram)
{
    for (const int signalNumber : {SIGTERM, SIGHUP, SIGINT}) {
        const TempDir folder;
        folder.Write(u"liste.txt"_s, "Algebra,0,007,255,10000000000000000000,\r\n");
        folder.Write(u"liste.txt.neu-k3x"_s, "halb");
        RunningProgram program(folder.Path({}));
        ASSERT_TRUE(program.Started()) << signalNumber;
        program.Send(signalNumber);
        ASSERT_TRUE(program.Process().waitForFinished(2000)) << signalNumber;
        EXPECT_EQ(program.Process().exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.Process().exitCode(), 0);
        EXPECT_EQ(folder.Read(u"liste.txt"_s), "Algebra,0,7,255,10000000000000000000,\r\n");
        EXPECT_FALSE(QFile::exists(folder.Path(u"liste.txt.neu-k3x"_s))) << signalNumber;
        EXPECT_FALSE(QFile::exists(folder.Path(u"liste.txt.lock"_s))) << signalNumber;
    }
}

using ListLockTest = FormTest;

// A second window on the list says so and ends; the lock of a killed
// program is taken over.
TEST_F(ListLockTest, OneProgramHoldsTheListUntilItDies)
{
    const QByteArray list = Line(u"Algebra"_s, 7);
    WriteList(list);
    RunningProgram program(directory.path());
    ASSERT_TRUE(program.Started());
    EXPECT_FALSE(MakeForm().Start());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(
        u"schon in einem anderen Kalustra-Fenster (Prozess %1)"_s.arg(program.Id())));
    form->Courses.Append().Caption = u"Neu"_s;
    EXPECT_TRUE(form->close());
    EXPECT_EQ(ReadList(), list);

    program.Send(SIGKILL);
    ASSERT_TRUE(program.Process().waitForFinished(2000));
    messages.clear();
    EXPECT_TRUE(MakeForm().Start());
    EXPECT_TRUE(messages.empty());
}

} // namespace
