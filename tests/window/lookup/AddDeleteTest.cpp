#include "window/FormFixture.h"

#include "support/CourseMaker.h"

#include <QCheckBox>
#include <QSignalSpy>

using namespace Qt::Literals::StringLiterals;

namespace {

class AddDeleteTest : public FormTest
{
protected:
    void TypeName(const QString& name)
    {
        form->Combo1->lineEdit()->selectAll();
        if (name.isEmpty())
            QTest::keyClick(form->Combo1, Qt::Key_Backspace);
        QTest::keyClicks(form->Combo1, name);
    }

    void Enter(const QString& name, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        TypeName(name);
        QTest::keyClick(form->Combo1, Qt::Key_Return, modifiers);
    }

    QStringList Names() const
    {
        QStringList names;
        for (int i = 0; i < form->Combo1->ListCount(); ++i) {
            names << form->Combo1->List(i);
            EXPECT_EQ(form->Courses[i].Caption, names.last());
        }
        EXPECT_EQ(form->Courses.Count(), names.size());
        return names;
    }

    std::vector<Termin> Courses() const { return {form->Courses.begin(), form->Courses.end()}; }
};

// A name equal to an item shows that course; any other is added at the end.
TEST_F(AddDeleteTest, EnterShowsAnExistingNameAndAddsAnyOther)
{
    LoadForm(Line(u"Analysis"_s, 3) + Line(u"Algebra"_s, 4));
    Enter(u"Algebra"_s);
    EXPECT_EQ(form->Text2->Text(), u"4");
    // Each new name once, the empty one and those differing in case or a
    // trailing blank included; Enter with Shift or Ctrl held alike.
    const std::pair<QString, Qt::KeyboardModifiers> presses[] = {
        {u"analysis"_s, Qt::NoModifier}, {u"analysis"_s, Qt::ShiftModifier},
        {u""_s, Qt::ControlModifier},    {u""_s, Qt::NoModifier},
        {u"Algebra "_s, Qt::NoModifier}, {u"Analysis"_s, Qt::NoModifier},
    };
    for (const auto& [name, modifiers] : presses)
        Enter(name, modifiers);
    EXPECT_EQ(Names(),
              (QStringList{u"Analysis"_s, u"Algebra"_s, u"analysis"_s, u""_s, u"Algebra "_s}));
    EXPECT_EQ(form->Text2->Text(), u"3");
}

// The new course takes what the editor shows; the editor is not refilled.
TEST_F(AddDeleteTest, ANewCourseIsFilledFromTheEditorAndWrittenAtClose)
{
    const std::pair<QString, qint16> priorities[] = {
        {u"-5"_s, 0}, {u"2.5"_s, 2}, {u"40000"_s, 32767}};
    for (const auto& [priority, stored] : priorities) {
        LoadForm(Line(u"Analysis"_s, 3, {1, 20}, false, 0x00FF00));
        form->List1->SetListIndex(4);
        // Set by the program, the name leaves the first item selected.
        form->Combo1->SetText(u"Neu"_s);
        form->Text2->SetText(priority);
        form->Text1->SetText(u"Raum 2\r\nÜbung"_s);
        form->Check1->click();
        form->List2->SetSelected(0, true);
        QTest::keyClick(form->Combo1, Qt::Key_Return);
        EXPECT_EQ(form->Courses[1], Course(u"Neu"_s, stored, u"00000000000000001001"_s,
                                           u"Raum 2\r\nÜbung"_s, true, 0x00FF00));
        EXPECT_EQ(form->Text2->Text(), priority);
        EXPECT_EQ(form->Combo1->ListIndex(), 0);
        qint16 cancel = 0;
        form->Form_Unload(cancel);
        EXPECT_TRUE(ReadList().endsWith("Neu,1," + QByteArray::number(stored) +
                                        ",65280,00000000000000001001,Raum 2#13\xdc"
                                        "bung\r\n"));
    }
}

TEST_F(AddDeleteTest, KeysOtherThanEnterChangeNothing)
{
    LoadForm(Line(u"Analysis"_s, 3));
    TypeName(u"Neu"_s);
    const std::vector<Termin> before = Courses();
    for (const qint16 key : {0, 9, 27, 32, 40, 65, 112})
        form->Combo1_KeyDown(key, 0);
    EXPECT_EQ(Courses(), before);
    EXPECT_EQ(Names(), QStringList{u"Analysis"_s});
}

TEST_F(AddDeleteTest, DeletingAsksByNameAndRemovesOnlyOnYes)
{
    const QByteArray five =
        Line(u"A"_s, 1) + Line(u"B"_s, 2) + Line(u"C"_s, 3) + Line(u"D"_s, 4) + Line(u"E"_s, 5);
    const QStringList names = {u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s};
    // No changes nothing; Yes and any other answer delete.
    for (const MessageAnswer answer :
         {MessageAnswer::No, MessageAnswer::Yes, MessageAnswer::Cancel}) {
        for (int p = 0; p < 5; ++p) {
            LoadForm(five);
            form->Combo1->SetListIndex(p);
            messages.clear();
            answers = {answer};
            QTest::mouseClick(form->Command1, Qt::LeftButton);
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].text,
                      u"Soll die Veranstaltung "_s + names[p] + u" wirklich gelöscht werden?"_s);
            EXPECT_EQ(messages[0].title, u"Eintrag löschen");
            EXPECT_TRUE(messages[0].buttons == MessageButtons::YesNo &&
                        messages[0].icon == MessageIcon::Question &&
                        messages[0].defaultAnswer == MessageAnswer::Yes);
            QStringList left = names;
            if (answer != MessageAnswer::No)
                left.removeAt(p);
            EXPECT_EQ(Names(), left) << p;
            EXPECT_EQ(form->Courses[left.size()], Termin{});
            // The first course shown; after No the chosen one stays.
            const int shown = answer == MessageAnswer::No ? p : 0;
            EXPECT_EQ(form->Combo1->ListIndex(), shown);
            EXPECT_EQ(form->Text2->Text(), STD::NumberText(form->Courses[shown].Priority));
        }
    }
    // A typed name selects no item: nothing is asked.
    messages.clear();
    Enter(u"B"_s);
    form->Command1_Click();
    EXPECT_TRUE(messages.empty());
}

TEST_F(AddDeleteTest, DeletingTheOnlyCourseEmptiesListAndFields)
{
    LoadForm(Line(u"A"_s, 7, {1}, true, 0x00FF00));
    form->Text1->SetText(u"Notiz"_s);
    answers = {MessageAnswer::Yes};
    form->Command1_Click();
    EXPECT_EQ(Names(), QStringList{});
    EXPECT_EQ(form->Courses[0], Termin{});
    EXPECT_EQ(form->Combo1->ListIndex(), -1);
    EXPECT_EQ(form->Combo1->Text(), QString());
    EXPECT_EQ(form->Text2->Text(), u"0");
    EXPECT_EQ(form->Text1->Text(), QString());
}

// The emptied fields are stored into no course: not into another of the
// deleted name, nor into one named like the emptied chooser.
TEST_F(AddDeleteTest, TheResetAfterADeletionChangesNoCourse)
{
    LoadForm(Line(u"A"_s, 5) + Line(u""_s, 7) + Line(u"A"_s, 3));
    form->Courses[1].Info = u"Notiz"_s;
    form->Courses[2].Info = u"Notiz 2"_s;
    const std::vector<Termin> left(form->Courses.begin() + 1, form->Courses.end());
    answers = {MessageAnswer::Yes};
    form->Command1_Click();
    EXPECT_EQ(Courses(), left);
    EXPECT_EQ(form->Combo1->Text(), QString());
    EXPECT_EQ(form->Text1->Text(), u"Notiz");
}

TEST_F(AddDeleteTest, AFullListTellsTheUserAndChangesNothing)
{
    QByteArray list;
    for (int i = 0; i < CourseCollection::MaxCount; ++i)
        list += Line(u"K"_s + QString::number(i), 1);
    LoadForm(list);
    Enter(u"K32766"_s);
    EXPECT_TRUE(messages.empty());
    Enter(u"Neu"_s);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(messages[0].text.contains(u"32767"));
    EXPECT_EQ(form->Combo1->ListCount(), CourseCollection::MaxCount);
    EXPECT_EQ(form->Courses.Count(), CourseCollection::MaxCount);
    EXPECT_EQ(form->Combo1->Text(), u"Neu");
}

// The user leaves the search button to add or delete, so the next click
// searches afresh; the grid keeps what it shows, and a cell of a deleted
// course picks nothing.
TEST_F(AddDeleteTest, AddingOrDeletingEndsTheSearchRunButNotItsPicture)
{
    LoadForm(Line(u"A"_s, 3, {1}) + Line(u"B"_s, 2, {2}));
    ShowActive();
    for (const bool adding : {true, false}) {
        QTest::mouseClick(form->Command2, Qt::LeftButton);
        ASSERT_EQ(form->Command2->text(), u"Weiter suchen");
        const Cells shown = PaintedCells();
        if (adding) {
            QTest::mouseClick(form->Combo1->lineEdit(), Qt::LeftButton);
            TypeName(u"C"_s);
            form->Text2->SetText(u"1"_s);
            form->List2->SetSelected(0, false);
            QTest::keyClick(form->Combo1, Qt::Key_Return);
            EXPECT_EQ(form->Courses.Count(), 3);
        } else {
            form->Combo1->SetListIndex(0);
            answers = {MessageAnswer::Yes};
            QTest::mouseClick(form->Command1, Qt::LeftButton);
            EXPECT_EQ(Names(), (QStringList{u"B"_s, u"C"_s}));
        }
        EXPECT_EQ(form->Command2->text(), u"Suchen");
        EXPECT_EQ(PaintedCells(), shown);
    }
    // A, deleted, still shows in its cell, which picks nothing.
    ASSERT_EQ(PaintedCells().at(BodyElement(1)), u"A");
    QSignalSpy clicks(form->Combo1, &ChooserBox::Click);
    QTest::mouseClick(form->Label2[BodyElement(1)], Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 0);
}

} // namespace
