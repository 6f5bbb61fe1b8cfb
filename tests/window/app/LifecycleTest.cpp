#include "window/FormFixture.h"

#include "app/ListFileMessages.h"
#include "general/StdError.h"
#include "support/SmallDisk.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QPointer>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

using LifecycleTest = FormTest;

QByteArray ThreeCourses()
{
    return "Zebra,0,3,255,10000000000000000000,Raum 1#13Prof. X\r\n"
           "apfel,1,-1,65280,01000000000000000000,\r\n"
           "Birne,0,7,16711680,00100000000000000000,Pool\r\n";
}

// Beyond a few lines, the notice counts the rest.
TEST(RepairNotice, ListsTheFirstLinesAndCountsTheRest)
{
    std::vector<LineNotice> notices(30, {1, u"leere Zeile übersprungen"_s});
    const QString text = RepairNoticeText(u"liste.txt"_s, notices);
    EXPECT_EQ(text.count(u"Zeile 1:"_s), ListedNotices);
    EXPECT_TRUE(text.contains(u"und %1 weitere Hinweise"_s.arg(30 - ListedNotices)));
    notices.resize(ListedNotices + 1);
    EXPECT_TRUE(RepairNoticeText(u"liste.txt"_s, notices).contains(u"ein weiterer Hinweis"));
}

// The save at the end fails: the file became a directory meanwhile.
TEST_F(LifecycleTest, AFailedSaveLetsTheUserRetryDiscardOrStay)
{
    // The answer, whether the window closes, whether the file is saved.
    const std::tuple<MessageAnswer, bool, bool> cases[] = {{MessageAnswer::Discard, true, false},
                                                           {MessageAnswer::Cancel, false, false},
                                                           {MessageAnswer::Retry, true, true}};
    for (const auto& [answer, closes, saved] : cases) {
        messages.clear();
        LoadForm(ThreeCourses());
        form->show();
        ASSERT_TRUE(QFile::remove(ListFile()));
        ASSERT_TRUE(QDir(directory.path()).mkdir(u"liste.txt"_s));
        // Retried twice: the second failure removes the obstacle.
        answers = {answer, answer};
        onMessage = [this](const Message&) {
            if (messages.size() == 2)
                QDir(ListFile()).removeRecursively();
        };
        EXPECT_EQ(form->close(), closes);
        EXPECT_EQ(messages[0].buttons, MessageButtons::RetrySaveAsDiscardCancel);
        EXPECT_TRUE(messages[0].text.contains(u"konnte nicht gespeichert werden"));
        EXPECT_EQ(messages.size(), saved ? 2u : 1u);
        EXPECT_EQ(ReadList(), saved ? ThreeCourses() : QByteArray());
        QDir(ListFile()).removeRecursively();
    }
}

// A link to /dev/null would read as empty and be replaced at close; the
// other kinds of special file are refused by the same read.
TEST_F(LifecycleTest, ALinkToADeviceIsNotReadAndWrittenOverOnlyWithTheUsersYes)
{
    const QByteArray name = QFile::encodeName(ListFile());
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        QFile::remove(ListFile());
        ASSERT_EQ(::symlink("/dev/null", name.constData()), 0);
        messages.clear();
        MakeForm().Form_Load();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].text.contains(u"konnte nicht gelesen werden"_s) &&
                    messages[0].text.contains(u"Gerät"_s))
            << messages[0].text.toStdString();
        form->Courses.Append().Caption = u"Neu"_s;
        answers = {answer};
        qint16 cancel = 0;
        form->Form_Unload(cancel);
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[1].buttons, MessageButtons::YesNo);
        EXPECT_EQ(messages[1].defaultAnswer, MessageAnswer::No);
        // The yes replaces the name, never the device behind the link.
        const QFileInfo list(ListFile());
        EXPECT_EQ(list.isFile() && !list.isSymLink(), answer == MessageAnswer::Yes);
        if (answer == MessageAnswer::Yes) {
            EXPECT_TRUE(ReadList().startsWith("Neu,"));
        }
    }
    EXPECT_FALSE(QFileInfo(u"/dev/null"_s).isFile());
}

// Said at the start, before any edit; the close then offers the usual choice.
TEST_F(LifecycleTest, AListThatCannotBeSavedIsToldAtTheStart)
{
    SmallDisk disk(64, directory.path());
    if (!disk.Mounted())
        GTEST_SKIP() << disk.WhyNot();
    WriteList(ThreeCourses() + "Kaputt,0,5x,0,1\r\n");
    ASSERT_TRUE(disk.MakeReadOnly());
    MakeForm().Form_Load();
    EXPECT_EQ(form->Combo1->ListCount(), 4);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(u"Zeile 4:"_s));
    EXPECT_TRUE(messages[0].text.contains(u"kann nicht gespeichert werden"_s));
    EXPECT_TRUE(messages[0].text.contains(u"nur lesbar"_s)) << messages[0].text.toStdString();
    answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(form->close());
    EXPECT_EQ(messages.back().buttons, MessageButtons::RetrySaveAsDiscardCancel);
}

TEST_F(LifecycleTest, AnErrorInAHandlerIsShownAndTheProgramGoesOn)
{
    LoadForm({});
    // The error stays inside its handler; the other handlers of the same
    // event still run.
    form->On(form->Command5, &QPushButton::clicked,
             [] { STD::Raise(STD::FileNotFound, u"liste.txt"_s); });
    QTest::mouseClick(form->Command5, Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(messages[0].text.startsWith(u"Fehler 53: Datei nicht gefunden"));
    EXPECT_TRUE(form->Frame2->isHidden());
}

// The controls go before the state their handlers use: a control that runs
// a handler as it goes (the focused search button losing the focus) finds
// the grid and the courses still there.
TEST_F(LifecycleTest, TheControlsAreDestroyedBeforeTheWindowsState)
{
    LoadForm(ThreeCourses());
    const QPointer<LabelArray> grid = &form->Label2;
    bool gridThere = false;
    QObject::connect(form->Command2, &QObject::destroyed, [&] { gridThere = !grid.isNull(); });
    form.reset();
    EXPECT_TRUE(gridThere);
    EXPECT_TRUE(grid.isNull());
}

} // namespace
