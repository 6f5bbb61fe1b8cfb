// A student's tasks walked through the real handlers, start to close.
#include "window/FormFixture.h"

#include "search/TextColorRule.h"
#include "support/CourseMaker.h"

#include <QCheckBox>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

class StudentTaskTest : public FormTest
{
protected:
    // Types a name into the chooser and presses Enter.
    void Enter(const QString& name, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        TypeOver(form->Combo1, name);
        QTest::keyClick(form->Combo1, Qt::Key_Return, modifiers);
    }

    void SelectSlots(std::initializer_list<int> slots)
    {
        for (int slot = 0; slot < 4; ++slot)
            form->List2->SetSelected(slot, std::count(slots.begin(), slots.end(), slot) > 0);
    }

    void ClickSearch() { QTest::mouseClick(form->Command2, Qt::LeftButton); }
};

// From no file at all: add four courses from the editor, edit one chosen by
// typing its name, delete one, search and step, sort, close and read the file.
TEST_F(StudentTaskTest, BuildAListEditSearchSortAndClose)
{
    MakeForm();
    ShowActive();
    EXPECT_TRUE(QFileInfo(ListFile()).isFile());
    EXPECT_EQ(form->Text2->Text() + form->Text4[0]->Text() + form->Text4[1]->Text(), u"02550");
    EXPECT_TRUE(HasSystemBackColor(*form->Text1));
    form->Command2->setText(u"Weiter suchen"_s);
    ClickSearch();
    EXPECT_EQ(Corner(), u"Wert: 0"_s);
    EXPECT_EQ(form->Command2->text(), u"Suchen"_s);

    // A name being typed names no course: colours are corrected, nothing stored.
    TypeOver(form->Combo1, u"Algebra"_s);
    TypeOver(form->Text2, u"-5"_s);
    for (const auto& [field, text] : {std::pair{0, u"0"_s}, {1, u"300"_s}, {2, u"200"_s}})
        TypeOver(form->Text4[field], text);
    EXPECT_EQ(form->Text4[1]->Text(), u"255"_s);
    form->Check1->click();
    QTest::keyClicks(form->Text1, u"Raum 2"_s);
    QTest::keyClick(form->Text1, Qt::Key_Return);
    QTest::keyClicks(form->Text1, u"Pool"_s);
    form->List1->SetListIndex(2);
    SelectSlots({0, 2});
    QTest::keyClick(form->Combo1, Qt::Key_Return);
    // The new course takes what the editor shows, below 0 as 0.
    const qint32 green = 0xC8FF00;
    EXPECT_EQ(form->Courses[0],
              Course(u"Algebra"_s, 0, u"00000000101000000000"_s, u"Raum 2\r\nPool"_s, true, green));
    EXPECT_EQ(form->Text2->Text(), u"-5"_s);
    EXPECT_EQ(form->Combo1->ListIndex(), -1);

    // Shift and the keypad's Enter add as Enter does; a priority is rounded half to even.
    TypeOver(form->Combo1, u"Analysis"_s);
    TypeOver(form->Text2, u"2.5"_s);
    form->Check1->click();
    SelectSlots({1});
    QTest::keyClick(form->Combo1, Qt::Key_Return, Qt::ShiftModifier);
    TypeOver(form->Combo1, u"Statistik"_s);
    TypeOver(form->Text2, u"5"_s);
    TypeOver(form->Text1, {});
    QTest::keyClick(form->Text1, Qt::Key_Backspace);
    SelectSlots({3});
    QTest::keyClick(form->Combo1, Qt::Key_Return);
    TypeOver(form->Combo1, u"Leer"_s);
    TypeOver(form->Text2, u"-5"_s);
    SelectSlots({});
    QTest::keyClick(form->Combo1, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(ChooserNames(*form),
              (QStringList{u"Algebra"_s, u"Analysis"_s, u"Statistik"_s, u"Leer"_s}));
    EXPECT_EQ(form->Courses[1], Course(u"Analysis"_s, 2, u"00000000010000000000"_s,
                                       u"Raum 2\r\nPool"_s, false, green));
    EXPECT_EQ(form->Courses[2],
              Course(u"Statistik"_s, 5, u"00000000000100000000"_s, {}, false, green));
    EXPECT_EQ(form->Courses[3].Priority, 0);

    // Typing an existing name shows that course, and the edits reach it.
    Enter(u"Algebra"_s);
    EXPECT_EQ(form->Combo1->ListCount(), 4);
    EXPECT_EQ(form->Text2->Text(), u"0"_s);
    EXPECT_TRUE(form->Check1->isChecked());
    EXPECT_TRUE(form->List2->Selected(0) && !form->List2->Selected(1) && form->List2->Selected(2));
    // What is typed, what the field shows, what the course holds.
    const std::tuple<QString, QString, qint16> priorities[] = {
        {u"40000"_s, u"32767"_s, 32767},   {u"-33e3"_s, u"-32e3"_s, -32000},
        {u"2.5"_s, u"2.5"_s, 2},           {u"3.5"_s, u"3.5"_s, 4},
        {u"-9e999"_s, u"-32e3"_s, -32000}, {u"7"_s, u"7"_s, 7},
    };
    for (const auto& [typed, shown, stored] : priorities) {
        TypeOver(form->Text2, typed);
        EXPECT_EQ(form->Text2->Text(), shown) << typed.toStdString();
        EXPECT_EQ(form->Courses[0].Priority, stored) << typed.toStdString();
    }
    // Colour before, field, typed, what it shows, colour after.
    const std::tuple<qint32, int, QString, QString, qint32> colours[] = {
        {0x102030, 1, u"-1"_s, u"0"_s, 0x100030},
        {0x102030, 2, u"256"_s, u"255"_s, 0xFF2030},
        {0x102031, 0, u"0.5"_s, u"0.5"_s, 0x102000}, // halves to even
        {0x102030, 0, u"1.5"_s, u"1.5"_s, 0x102002},
        {qint32(0xFF102030), 1, u"33"_s, u"33"_s, 0x102130}, // high bits cleared
    };
    for (const auto& [before, field, typed, shown, after] : colours) {
        form->Courses[0].Color = before;
        TypeOver(form->Text4[field], typed);
        EXPECT_EQ(form->Text4[field]->Text(), shown) << typed.toStdString();
        EXPECT_EQ(form->Courses[0].Color, after) << std::hex << before << " " << field;
    }
    form->Courses[0].Color = green;
    TypeOver(form->Text4[2], u"300"_s);
    const qint32 cyan = 0xFFFF00;
    EXPECT_EQ(form->Courses[0].Color, cyan);
    EXPECT_EQ(BackColor(*form->Text1), cyan);
    form->Check1->click();
    QTest::keyClick(form->Text1, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(form->Text1, u"!"_s);
    // Slots are stored by Enter in the slot list, for the chosen day only;
    // another day drops an unstored selection.
    form->List1->SetListIndex(4);
    EXPECT_FALSE(form->List2->Selected(0) || form->List2->Selected(3));
    SelectSlots({3});
    QTest::keyClick(form->List2, Qt::Key_Space);
    EXPECT_EQ(form->Courses[0].Times, u"00000000101000000000"_s);
    QTest::keyClick(form->List2, Qt::Key_Return, Qt::ControlModifier);
    SelectSlots({0});
    form->List1->SetListIndex(3);
    form->List1->SetListIndex(4);
    EXPECT_TRUE(!form->List2->Selected(0) && form->List2->Selected(3));
    EXPECT_EQ(form->Courses[0], Course(u"Algebra"_s, 7, u"00000000101000000001"_s,
                                       u"Raum 2\r\nPool!"_s, false, cyan));

    // A name differing in case names no course: nothing is stored.
    const std::vector<Termin> before = AllCourses();
    TypeOver(form->Combo1, u"algebra"_s);
    TypeOver(form->Text2, u"40000"_s);
    TypeOver(form->Text4[0], u"300"_s);
    form->Check1->click();
    QTest::keyClick(form->List2, Qt::Key_Return);
    EXPECT_EQ(form->Text2->Text() + form->Text4[0]->Text(), u"40000255"_s);
    EXPECT_EQ(AllCourses(), before);

    // Deleting asks by name; No keeps the course, Yes removes it.
    form->Combo1->SetListIndex(3);
    EXPECT_EQ(form->Text2->Text(), u"0"_s);
    answers = {MessageAnswer::No, MessageAnswer::Yes};
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, u"Soll die Veranstaltung Leer wirklich gelöscht werden?"_s);
    EXPECT_EQ(messages[0].title, u"Eintrag löschen"_s);
    EXPECT_TRUE(messages[0].buttons == MessageButtons::YesNo &&
                messages[0].defaultAnswer == MessageAnswer::Yes);
    EXPECT_EQ(ChooserNames(*form).size(), 4);
    EXPECT_EQ(form->Combo1->ListIndex(), 3);
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    EXPECT_EQ(ChooserNames(*form), (QStringList{u"Algebra"_s, u"Analysis"_s, u"Statistik"_s}));
    EXPECT_EQ(form->Combo1->ListIndex(), 0);
    EXPECT_EQ(form->Text2->Text(), u"7"_s);

    // The search sorts by priority, paints the best distribution in the
    // courses' colours and steps through the equally good ones.
    ClickSearch();
    EXPECT_EQ(ChooserNames(*form), (QStringList{u"Algebra"_s, u"Statistik"_s, u"Analysis"_s}));
    const auto algebraAt = [](int position) {
        return Cells{{BodyElement(position), u"Algebra"_s},
                     {BodyElement(10), u"Analysis"_s},
                     {BodyElement(12), u"Statistik"_s}};
    };
    EXPECT_EQ(PaintedCells(), algebraAt(9));
    EXPECT_EQ(Corner(), u"Wert: 14"_s);
    EXPECT_EQ(form->Command2->text(), u"Weiter suchen"_s);
    ArrayLabel& algebraCell = *form->Label2[BodyElement(9)];
    EXPECT_EQ(BackColor(algebraCell), cyan);
    EXPECT_TRUE(algebraCell.font().bold());
    EXPECT_EQ(BackColor(*form->Label2[BodyElement(1)]), 0xD0D0D0);
    // A painted cell picks its course and leaves the run going; a header does nothing.
    QTest::mouseClick(form->Label2[1], Qt::LeftButton);
    QTest::mouseClick(form->Label2[BodyElement(10)], Qt::LeftButton);
    EXPECT_EQ(form->Combo1->ListIndex(), 2);
    EXPECT_EQ(form->Text2->Text(), u"2"_s);
    QTest::mouseClick(form->Label2[BodyElement(9)], Qt::LeftButton);
    EXPECT_EQ(form->Combo1->ListIndex(), 0);
    ClickSearch();
    EXPECT_EQ(PaintedCells(), algebraAt(11));
    // Text colours follow the box; leaving the button ends the run, and
    // the next click searches afresh.
    ArrayLabel& analysisCell = *form->Label2[BodyElement(10)];
    QTest::mouseClick(form->Check2, Qt::LeftButton);
    EXPECT_EQ(ForeColor(analysisCell), ReadableTextColor(green));
    QTest::mouseClick(form->Check2, Qt::LeftButton);
    EXPECT_EQ(ForeColor(analysisCell), 0);
    EXPECT_EQ(form->Command2->text(), u"Suchen"_s);
    for (const int position : {9, 11, 20, 20}) {
        ClickSearch();
        EXPECT_EQ(PaintedCells(), algebraAt(position)) << position;
        EXPECT_EQ(Corner(), u"Wert: 14"_s);
    }
    EXPECT_EQ(form->Command2->text(), u"Suchen"_s);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[2].text, u"Keine weiteren Möglichkeiten gefunden."_s);
    EXPECT_EQ(messages[2].title, u"Terminverteilung suchen"_s);
    ClickSearch();
    EXPECT_EQ(PaintedCells(), algebraAt(9));

    // The chosen course stays chosen through either sort.
    form->Combo1->SetListIndex(1);
    QTest::mouseClick(form->Command3, Qt::LeftButton);
    EXPECT_EQ(ChooserNames(*form), (QStringList{u"Algebra"_s, u"Analysis"_s, u"Statistik"_s}));
    EXPECT_EQ(form->Combo1->ListIndex(), 2);
    EXPECT_EQ(form->Text2->Text(), u"5"_s);
    // The sort shows the chosen course again, whatever the chooser showed.
    form->Combo1->SetText(u"anders"_s);
    QTest::mouseClick(form->Command4, Qt::LeftButton);
    EXPECT_EQ(form->Combo1->ListIndex(), 1);
    EXPECT_EQ(form->Combo1->Text(), u"Statistik"_s);

    EXPECT_TRUE(form->close());
    EXPECT_EQ(ReadList(), "Algebra,0,7,16776960,00000000101000000001,Raum 2#13Pool!\r\n"
                          "Statistik,0,5,13172480,00000000000100000000,\r\n"
                          "Analysis,0,2,13172480,00000000010000000000,Raum 2#13Pool\r\n");
    EXPECT_EQ(messages.size(), 3u);
}

// A hand-made list: the first course is shown before the window is, and
// showing a course corrects what the editor cannot show.
TEST_F(StudentTaskTest, OpenAHandMadeListEditAndClose)
{
    LoadForm(Line(u"A"_s, -32768, {1}, true, 0x0000FF) +
             Line(u"B"_s, -12345, {2}, false, 0x332211) + Line(u"A"_s, 5) + Line(u"C"_s, 0) +
             Line({}, 7));
    form->Courses[3].Info = u"Zeile 1\r\nZeile 2"_s;
    form->Courses[3].Color = qint32(0x7F00FF00);
    form->Courses[3].Times = u"010"_s;
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->Text2->Text(), u"-32e3"_s);
    EXPECT_EQ(form->Courses[0].Priority, -32000);
    EXPECT_TRUE(form->Check1->isChecked() && form->List2->Selected(0));
    EXPECT_EQ(BackColor(*form->Text1), 0x0000FF);

    // Six characters although five can be typed; nothing to correct.
    form->Combo1->SetListIndex(1);
    EXPECT_EQ(form->Text2->Text(), u"-12345"_s);
    EXPECT_FALSE(form->Check1->isChecked());
    EXPECT_EQ(form->Text4[0]->Text() + form->Text4[1]->Text() + form->Text4[2]->Text(),
              u"173451"_s);
    EXPECT_EQ(BackColor(*form->Text1), 0x332211);
    // Of two courses of a name, the first is shown.
    form->Combo1->SetListIndex(2);
    EXPECT_EQ(form->Text2->Text(), u"-32000"_s);
    // A short mask: missing slots are not offered, and Enter completes it with "0".
    form->Combo1->SetListIndex(3);
    EXPECT_EQ(form->Courses[3].Color, 0x00FF00);
    EXPECT_EQ(form->Text1->Text(), u"Zeile 1\r\nZeile 2"_s);
    EXPECT_TRUE(form->List2->Selected(1) && !form->List2->Selected(0) && !form->List2->Selected(3));
    form->List1->SetListIndex(2);
    form->List2->SetSelected(0, true);
    QTest::keyClick(form->List2, Qt::Key_Return);
    EXPECT_EQ(form->Courses[3].Times, u"01000000100000000000"_s);
    form->List1->SetListIndex(0);
    SelectSlots({});
    QTest::keyClick(form->List2, Qt::Key_Return);
    EXPECT_EQ(form->Courses[3].Times, u"00000000100000000000"_s);

    // Deleting the first "A" empties the fields into no course: not the
    // other "A", nor the one named like the emptied chooser.
    form->Combo1->SetListIndex(0);
    answers = {MessageAnswer::Yes};
    form->Command1_Click();
    // Characters the file's code page cannot hold are told at the close.
    form->Courses[0].Caption = u"Łódź"_s;
    EXPECT_TRUE(form->close());
    EXPECT_EQ(ReadList(), "?\xf3"
                          "d?" +
                              Line(u"B"_s, -12345, {2}, false, 0x332211).mid(1) + Line(u"A"_s, 5) +
                              "C,0,0,65280,00000000100000000000,Zeile 1#13Zeile 2\r\n" +
                              Line({}, 7));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].icon, MessageIcon::Information);
    EXPECT_TRUE(messages[1].text.contains(u"wurden 2 Zeichen"_s));
}

// The largest list with two lines beyond it and broken lines before: the
// lines beyond are told first, kept through the session and saved back; a
// course cannot be added, an existing name still shows its course.
TEST_F(StudentTaskTest, AFullListKeepsTheLinesBeyondAndRefusesANewCourse)
{
    QByteArray bytes;
    for (int i = 0; i < 20; ++i)
        bytes += "Kaputt " + QByteArray::number(i) + "\r\n";
    for (int i = 20; i < CourseCollection::MaxCount; ++i)
        bytes += Line(u"K"_s + QString::number(i), 1);
    const QByteArray beyond = "Mehr 1,0,1,0,10000000000000000000,\r\nMehr 2,0,1,0,1";
    LoadForm(bytes + beyond);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(messages[0].text.contains(QFileInfo(ListFile()).absoluteFilePath()));
    const QStringList lines = messages[0].text.split(u'\n');
    ASSERT_GT(lines.size(), 2);
    EXPECT_TRUE(lines[2].startsWith(u"Zeile 32768: Diese und die 1 folgenden Zeilen"_s))
        << lines[2].toStdString();
    EXPECT_TRUE(messages[0].text.contains(u"weitere Hinweise"_s));

    Enter(u"K32766"_s);
    EXPECT_EQ(messages.size(), 1u);
    Enter(u"Neu"_s);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].icon, MessageIcon::Warning);
    EXPECT_TRUE(messages[1].text.contains(u"32767"_s));
    EXPECT_EQ(form->Combo1->ListCount(), CourseCollection::MaxCount);
    EXPECT_EQ(form->Combo1->Text(), u"Neu"_s);
    // One deleted, one fits again.
    form->Combo1->SetListIndex(0);
    answers = {MessageAnswer::Yes};
    form->Command1_Click();
    Enter(u"Neu"_s);
    EXPECT_EQ(messages.size(), 3u);
    EXPECT_EQ(form->Combo1->ListCount(), CourseCollection::MaxCount);
    EXPECT_TRUE(form->close());
    // The new course took the fields of "Kaputt 1", shown after the deletion.
    EXPECT_TRUE(
        ReadList().endsWith(Line(u"K32766"_s, 1) + "Neu,0,0,0,00000000000000000000,\r\n" + beyond));
}

} // namespace
