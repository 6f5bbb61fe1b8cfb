#include "window/FormFixture.h"

#include "support/CourseMaker.h"

#include <QCheckBox>
#include <QSignalSpy>

using namespace Qt::Literals::StringLiterals;

namespace {

class AddDeleteTest : public FormTest
{
protected:
    void Enter(const QString& name, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        TypeOver(form->Combo1, name);
        QTest::keyClick(form->Combo1, Qt::Key_Return, modifiers);
    }

    // The chooser's items, checked to name the courses in the same order.
    QStringList Names() const
    {
        QStringList names;
        for (int i = 0; i < form->Combo1->ListCount(); ++i)
            names << form->Combo1->List(i);
        QStringList captions;
        for (const Termin& course : form->Courses)
            captions << course.Caption;
        EXPECT_EQ(captions, names);
        return names;
    }
};

// Enter with any shift state: a name equal to an item shows that course, any
// other (empty, differing in case, with a trailing blank) is added at the end.
TEST_F(AddDeleteTest, EnterShowsAnExistingNameAndAddsAnyOther)
{
    LoadForm(Line(u"Analysis"_s, 3) + Line(u"Algebra"_s, 4));
    // The shifted presses are the ones that add: a shift state must not stop them.
    const std::pair<QString, Qt::KeyboardModifiers> presses[] = {
        {u"Algebra"_s, Qt::NoModifier},  {u"analysis"_s, Qt::ShiftModifier},
        {u"analysis"_s, Qt::NoModifier}, {u""_s, Qt::ControlModifier},
        {u"Algebra "_s, Qt::NoModifier}, {u"Analysis"_s, Qt::NoModifier},
    };
    for (const auto& [name, modifiers] : presses)
        Enter(name, modifiers);
    EXPECT_EQ(Names(),
              (QStringList{u"Analysis"_s, u"Algebra"_s, u"analysis"_s, u""_s, u"Algebra "_s}));
    EXPECT_EQ(form->Text2->Text(), u"3");
    // Other keys leave everything as it is.
    const std::vector<Termin> before = AllCourses();
    for (const qint16 key : {0, 9, 27, 32, 40, 65, 112})
        form->Combo1_KeyDown(key, 0);
    EXPECT_EQ(AllCourses(), before);
}

// The new course takes what the editor shows, the chosen day's slots only;
// the editor is not refilled and the chosen item stays.
TEST_F(AddDeleteTest, ANewCourseIsFilledFromTheEditorAndWrittenAtClose)
{
    const std::pair<QString, qint16> priorities[] = {
        {u"-5"_s, 0}, {u"2.5"_s, 2}, {u"40000"_s, 32767}};
    for (const auto& [priority, stored] : priorities) {
        LoadForm(Line(u"Analysis"_s, 3, {1, 20}, false, 0x00FF00));
        form->List1->SetListIndex(4);
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

TEST_F(AddDeleteTest, DeletingAsksByNameAndRemovesOnlyOnYes)
{
    const QStringList names = {u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s};
    const QByteArray five =
        Line(u"A"_s, 1) + Line(u"B"_s, 2) + Line(u"C"_s, 3) + Line(u"D"_s, 4) + Line(u"E"_s, 5);
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
            // The first course is shown; after No the chosen one stays.
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
    EXPECT_EQ(AllCourses(), left);

    // The last course: the list, the chooser and the fields are emptied.
    answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    form->Command1_Click();
    form->Command1_Click();
    EXPECT_EQ(Names(), QStringList{});
    EXPECT_EQ(form->Courses[0], Termin{});
    EXPECT_EQ(form->Combo1->ListIndex(), -1);
    EXPECT_EQ(form->Combo1->Text() + form->Text2->Text() + form->Text1->Text(), u"0");
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
    EXPECT_EQ(Names().size(), CourseCollection::MaxCount);
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
            TypeOver(form->Combo1, u"C"_s);
            form->Text2->SetText(u"1"_s);
            QTest::keyClick(form->Combo1, Qt::Key_Return);
        } else {
            form->Combo1->SetListIndex(0);
            answers = {MessageAnswer::Yes};
            QTest::mouseClick(form->Command1, Qt::LeftButton);
        }
        EXPECT_EQ(form->Command2->text(), u"Suchen");
        EXPECT_EQ(PaintedCells(), shown);
    }
    EXPECT_EQ(Names(), (QStringList{u"B"_s, u"C"_s}));
    ASSERT_EQ(PaintedCells().at(BodyElement(1)), u"A");
    QSignalSpy clicks(form->Combo1, &ChooserBox::Click);
    QTest::mouseClick(form->Label2[BodyElement(1)], Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 0);
}

} // namespace
