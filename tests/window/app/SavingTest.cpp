#include "window/FormFixture.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace {

class SavingTest : public FormTest
{
protected:
    void OpenTwoCourses()
    {
        WriteList(Line(u"Algebra"_s, 3) + Line(u"Statistik"_s, 5));
        MakeForm().show();
        form->AutoSave().SetDelay(std::chrono::milliseconds(20));
        ShowActive();
    }

    void TypePriority(const QString& priority)
    {
        TypeOver(form->Text2, priority);
        EXPECT_TRUE(form->isWindowModified());
    }

    QString Elsewhere() const { return directory.filePath(u"anderswo.txt"_s); }
};

TEST_F(SavingTest, TypingReachesTheFileSoonAndTheTitleShowsUntilThen)
{
    OpenTwoCourses();
    EXPECT_FALSE(form->isWindowModified());
    // The second write goes from the first one's lines, one of them changed.
    for (const int priority : {12, 8}) {
        TypePriority(QString::number(priority));
        EXPECT_TRUE(QTest::qWaitFor([this] { return !form->isWindowModified(); }, 5000));
        EXPECT_EQ(ReadList(), Line(u"Algebra"_s, priority) + Line(u"Statistik"_s, 5));
    }
    EXPECT_TRUE(messages.empty());
}

// Another program appended a course while the window had unsaved changes.
TEST_F(SavingTest, AnOutsideChangeIsWrittenOverOnlyWithTheUsersAnswer)
{
    const QByteArray theirs = Line(u"Algebra"_s, 3) + Line(u"Statistik"_s, 5) + Line(u"Neu"_s, 1);
    const QByteArray ours = Line(u"Algebra"_s, 12) + Line(u"Statistik"_s, 5);
    // The answer, and what the list and the other file then hold.
    const std::tuple<MessageAnswer, QByteArray, QByteArray> cases[] = {
        {MessageAnswer::Keep, theirs, {}},
        {MessageAnswer::Overwrite, ours, {}},
        {MessageAnswer::SaveAs, theirs, ours},
    };
    for (const auto& [answer, list, elsewhere] : cases) {
        QFile::remove(Elsewhere());
        messages.clear();
        OpenTwoCourses();
        form->AutoSave().Stop();
        TypePriority(u"12"_s);
        WriteList(theirs);
        answers = {answer};
        form->SetSaveFileFunction([this](const QString&) { return Elsewhere(); });
        EXPECT_TRUE(form->close());
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].buttons, MessageButtons::KeepOverwriteSaveAsCancel);
        EXPECT_TRUE(messages[0].text.contains(ListFile()));
        EXPECT_EQ(ReadList(), list);
        EXPECT_EQ(ReadList(u"anderswo.txt"_s), elsewhere);
        form.reset();
    }
}

// The list's folder, the working folder, is removed: saved elsewhere on the
// first answer, or in the folder made again under the same path on "Wiederholen".
TEST_F(SavingTest, AFailedSaveOffersAnotherPlaceAndAFolderMadeAgainTakesIt)
{
    const QString folder = directory.filePath(u"Studium"_s);
    for (const MessageAnswer answer : {MessageAnswer::SaveAs, MessageAnswer::Retry}) {
        messages.clear();
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(QDir::setCurrent(folder));
        form = std::make_unique<Form1>(u"liste.txt"_s);
        form->SetMessageFunction([&](const Message& message) {
            messages.push_back(message);
            QDir().mkpath(folder);
            return answer;
        });
        form->SetSaveFileFunction([this](const QString&) { return Elsewhere(); });
        form->Form_Load();
        form->Courses.Append().Caption = u"Algebra"_s;
        ASSERT_TRUE(QDir(folder).removeRecursively());
        EXPECT_TRUE(form->close());
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].buttons, MessageButtons::RetrySaveAsDiscardCancel);
        EXPECT_TRUE(
            ReadList(answer == MessageAnswer::SaveAs ? u"anderswo.txt"_s : u"Studium/liste.txt"_s)
                .startsWith("Algebra,"))
            << int(answer);
        form.reset();
        ASSERT_TRUE(QDir::setCurrent(directory.path()));
        QDir(folder).removeRecursively();
    }
}

} // namespace
