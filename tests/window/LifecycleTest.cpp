#include "FormFixture.h"

#include "app/ListFileMessages.h"
#include "general/StdError.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>

using namespace Qt::Literals::StringLiterals;

namespace {

using LifecycleTest = FormTest;

const QByteArray ThreeCourses = "Zebra,0,3,255,10000000000000000000,Raum 1#13Prof. X\r\n"
                                "apfel,1,-1,65280,01000000000000000000,\r\n"
                                "Birne,0,7,16711680,00100000000000000000,Pool\r\n";

TEST_F(LifecycleTest, WithoutCoursesTheWindowStartsEmpty)
{
    for (const bool fileExists : {false, true}) {
        QFile::remove(ListFile());
        if (fileExists)
            WriteList({});
        MakeForm().Form_Load();
        // A missing file is made, empty.
        EXPECT_TRUE(QFileInfo(ListFile()).isFile());
        EXPECT_EQ(form->Combo1->ListCount(), 0);
        EXPECT_EQ(form->Combo1->ListIndex(), -1);
        EXPECT_EQ(form->Combo1->Text(), QString());
        EXPECT_EQ(form->Courses.Count(), 0);
        qint16 cancel = 0;
        form->Form_Unload(cancel);
        EXPECT_EQ(cancel, 0);
        EXPECT_EQ(ReadList(), QByteArray());
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(LifecycleTest, CoursesAreLoadedInFileOrderAndTheFirstIsSelected)
{
    LoadForm(ThreeCourses);
    const QStringList names = {u"Zebra"_s, u"apfel"_s, u"Birne"_s};
    ASSERT_EQ(form->Courses.Count(), 3);
    ASSERT_EQ(form->Combo1->ListCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(form->Combo1->List(i), names[i]);
        EXPECT_EQ(form->Courses[i].Caption, names[i]);
    }
    EXPECT_EQ(form->Combo1->ListIndex(), 0);
    EXPECT_EQ(form->Combo1->Text(), u"Zebra");
    EXPECT_EQ(form->Courses[0].Info, u"Raum 1\r\nProf. X");
    EXPECT_EQ(form->Courses[1].Priority, -1);
    EXPECT_TRUE(form->Courses[1].VisitAll);
    EXPECT_TRUE(messages.empty());
}

TEST_F(LifecycleTest, ShowingTheWindowLoadsItOnce)
{
    WriteList(ThreeCourses);
    MakeForm();
    EXPECT_FALSE(form->Label2.Exists(29));
    form->show();
    EXPECT_TRUE(form->Label2.Exists(29));
    EXPECT_EQ(form->Combo1->ListCount(), 3);
    form->hide();
    form->show();
    EXPECT_EQ(form->Combo1->ListCount(), 3);
    EXPECT_TRUE(messages.empty());
}

TEST_F(LifecycleTest, ClosingTheWindowWritesTheCourses)
{
    WriteList(ThreeCourses);
    MakeForm();
    form->show();
    form->Courses[1].Priority = 12;
    form->Courses[2].Info = u"Raum 3\r\nDr. Y"_s;
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(ReadList(), "Zebra,0,3,255,10000000000000000000,Raum 1#13Prof. X\r\n"
                          "apfel,1,12,65280,01000000000000000000,\r\n"
                          "Birne,0,7,16711680,00100000000000000000,Raum 3#13Dr. Y\r\n");
    EXPECT_TRUE(messages.empty());
}

TEST_F(LifecycleTest, RepairedLinesAreToldOnceAndNoCourseIsLost)
{
    LoadForm("Analysis\r\n\r\nAlgebra,0,99999,255,10000000000000000000,\r\nStatistik,1,2\r\n");
    ASSERT_EQ(messages.size(), 1u);
    const Message& notice = messages.front();
    EXPECT_EQ(notice.buttons, MessageButtons::Ok);
    EXPECT_EQ(notice.icon, MessageIcon::Warning);
    for (const char* line : {"Zeile 1:", "Zeile 2:", "Zeile 3:", "Zeile 4:"})
        EXPECT_TRUE(notice.text.contains(QString::fromUtf8(line))) << line;
    EXPECT_TRUE(notice.text.contains(QFileInfo(ListFile()).absoluteFilePath()));
    ASSERT_EQ(form->Combo1->ListCount(), 3);
    EXPECT_EQ(form->Combo1->List(2), u"Statistik");
    EXPECT_EQ(form->Courses[1].Priority, 32767);
}

TEST_F(LifecycleTest, ALongListOfRepairsIsSummarised)
{
    std::vector<LineNotice> notices;
    for (int line = 1; line <= 30; ++line)
        notices.push_back({line, u"leere Zeile übersprungen"_s});
    const QString text = RepairNoticeText(u"liste.txt"_s, notices);
    EXPECT_TRUE(text.contains(u"Zeile %1:"_s.arg(ListedNotices)));
    EXPECT_FALSE(text.contains(u"Zeile %1:"_s.arg(ListedNotices + 1)));
    EXPECT_TRUE(text.contains(u"und %1 weitere Hinweise"_s.arg(30 - ListedNotices)));

    notices.resize(ListedNotices + 1);
    EXPECT_TRUE(RepairNoticeText(u"liste.txt"_s, notices).contains(u"ein weiterer Hinweis"));
    EXPECT_TRUE(RepairNoticeText(u"liste.txt"_s, {}).isEmpty());
}

// A list file that exists but cannot be read ("liste.txt" is a directory
// here: the tests run as any user, root included).
class UnreadableListTest : public FormTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(directory.path()).mkdir(u"liste.txt"_s));
        MakeForm().Form_Load();
    }
};

TEST_F(UnreadableListTest, ItIsNotWrittenOverWithoutTheUsersYes)
{
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(u"konnte nicht gelesen werden"));
    EXPECT_EQ(form->Combo1->ListCount(), 0);

    answers = {MessageAnswer::No};
    qint16 cancel = 0;
    form->Form_Unload(cancel);
    EXPECT_EQ(cancel, 0);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].buttons, MessageButtons::YesNo);
    EXPECT_EQ(messages[1].defaultAnswer, MessageAnswer::No);
    EXPECT_TRUE(QFileInfo(ListFile()).isDir());
}

TEST_F(UnreadableListTest, WithTheUsersYesItIsWritten)
{
    form->Courses.Append().Caption = u"Neu"_s;
    // Yes; then the save fails while it is still a directory, and the user
    // retries after it has gone.
    answers = {MessageAnswer::Yes, MessageAnswer::Retry};
    onMessage = [this](const Message& message) {
        if (message.buttons == MessageButtons::RetryDiscardCancel)
            QDir(ListFile()).removeRecursively();
    };
    qint16 cancel = 0;
    form->Form_Unload(cancel);
    EXPECT_EQ(cancel, 0);
    EXPECT_EQ(ReadList(), "Neu,0,0,0,00000000000000000000,\r\n");
}

// The save at the end fails: the file became a directory meanwhile.
class FailedSaveTest : public FormTest
{
protected:
    void SetUp() override
    {
        LoadForm(ThreeCourses);
        ASSERT_TRUE(QFile::remove(ListFile()));
        ASSERT_TRUE(QDir(directory.path()).mkdir(u"liste.txt"_s));
    }

    qint16 Unload()
    {
        qint16 cancel = 0;
        form->Form_Unload(cancel);
        return cancel;
    }
};

TEST_F(FailedSaveTest, TheUserCanCloseWithoutSaving)
{
    answers = {MessageAnswer::Discard};
    EXPECT_EQ(Unload(), 0);
    EXPECT_TRUE(QFileInfo(ListFile()).isDir());
}

TEST_F(FailedSaveTest, TheUserCanTryAgain)
{
    answers = {MessageAnswer::Retry, MessageAnswer::Retry};
    int failures = 0;
    onMessage = [&](const Message&) {
        if (++failures == 2)
            QDir(ListFile()).removeRecursively();
    };
    EXPECT_EQ(Unload(), 0);
    EXPECT_EQ(failures, 2);
    EXPECT_EQ(ReadList(), ThreeCourses);
}

TEST_F(FailedSaveTest, TheUserCanKeepTheWindowOpen)
{
    form->show();
    answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].buttons, MessageButtons::RetryDiscardCancel);
    EXPECT_TRUE(messages[0].text.contains(u"konnte nicht gespeichert werden"));
    EXPECT_TRUE(QFileInfo(ListFile()).isDir());
}

TEST_F(LifecycleTest, CharactersWrittenAsQuestionMarksAreTold)
{
    LoadForm(ThreeCourses);
    form->Courses[0].Caption = u"Łódź"_s;
    qint16 cancel = 0;
    form->Form_Unload(cancel);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(messages[0].text.contains(u"wurden 2 Zeichen"));
    EXPECT_TRUE(ReadList().startsWith("?\xf3"
                                      "d?,"));
}

TEST_F(LifecycleTest, TheProgramsListIsListeTxtInTheWorkingDirectory)
{
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(directory.path()));
    {
        Form1 window;
        window.SetMessageFunction([](const Message&) { return MessageAnswer::Ok; });
        window.Form_Load();
    }
    QDir::setCurrent(previous);
    EXPECT_TRUE(QFileInfo(ListFile()).isFile());
}

TEST_F(LifecycleTest, AnErrorInAHandlerIsShownAndTheProgramGoesOn)
{
    LoadForm({});
    form->RunHandler([] { STD::Raise(STD::FileNotFound, u"liste.txt"_s); });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(messages[0].text.startsWith(u"Fehler 53: Datei nicht gefunden"));

    // Through a control's event: the error stays inside its handler, and
    // the other handlers of the same event still run.
    form->On(form->Command5, &QPushButton::clicked, [] { throw std::runtime_error("kaputt"); });
    QTest::mouseClick(form->Command5, Qt::LeftButton);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].text.startsWith(u"Fehler: kaputt"));
    EXPECT_TRUE(form->Frame2->isHidden());
}

TEST_F(LifecycleTest, AMemberHandlerReceivesTheEventsArguments)
{
    LoadForm(ListLine("b", 1) + ListLine("a", 2));
    form->On(form->Text3, &QLineEdit::textChanged, &Form1::SortCourses);
    form->Text3->SetText(u"alphabet"_s);
    EXPECT_EQ(form->Combo1->List(0), u"a");
    EXPECT_EQ(form->Courses[0].Caption, u"a");
}

} // namespace
