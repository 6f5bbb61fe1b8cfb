#include "window/FormFixture.h"

#include <QCheckBox>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

using EditorTest = FormTest;

// With a course chosen, each change is corrected and stored at once, typed
// key by key or set by the program.
TEST_F(EditorTest, PriorityIsCorrectedToItsLimitsAndStored)
{
    // The text, then what the field shows and the course holds.
    const std::tuple<QString, QString, qint16> cases[] = {
        {u"40000"_s, u"32767"_s, 32767},   {u"-33e3"_s, u"-32e3"_s, -32000},
        {u"2.5"_s, u"2.5"_s, 2},           {u"3.5"_s, u"3.5"_s, 4},
        {u"x12"_s, u"x12"_s, 0},           {u"9e999"_s, u"32767"_s, 32767},
        {u"-9e999"_s, u"-32e3"_s, -32000}, {u"1e4"_s, u"1e4"_s, 10000},
    };
    LoadForm(Line(u"A"_s, 7));
    for (const bool typing : {true, false}) {
        for (const auto& [text, shown, stored] : cases) {
            if (typing)
                TypeOver(form->Text2, text);
            else
                form->Text2->SetText(text);
            EXPECT_EQ(form->Text2->Text(), shown) << text.toStdString() << typing;
            EXPECT_EQ(form->Courses[0].Priority, stored) << text.toStdString() << typing;
        }
    }
}

TEST_F(EditorTest, ColourFieldsAreCorrectedAndReplaceOneComponent)
{
    // Colour before, field, typed, what it shows, colour after.
    const std::tuple<qint32, int, QString, QString, qint32> cases[] = {
        {0x102030, 0, u"300"_s, u"255"_s, 0x1020FF},
        {0x102030, 1, u"-1"_s, u"0"_s, 0x100030},
        {0x102030, 2, u""_s, u""_s, 0x002030},
        {0x102030, 1, u"0.5"_s, u"0.5"_s, 0x100030}, // no spill into red
        {0x102031, 0, u"0.5"_s, u"0.5"_s, 0x102000}, // halves to even
        {0x102030, 0, u"1.5"_s, u"1.5"_s, 0x102002},
        {0xFFFFFF, 0, u"0"_s, u"0"_s, 0xFFFF00},
        {qint32(0xFF102030), 1, u"33"_s, u"33"_s, 0x102130}, // high bits cleared
    };
    LoadForm(Line(u"A"_s, 1));
    for (const auto& [before, field, typed, shown, after] : cases) {
        form->Courses[0].Color = before;
        TypeOver(form->Text4[field], typed);
        EXPECT_EQ(form->Text4[field]->Text(), shown) << typed.toStdString();
        EXPECT_EQ(form->Courses[0].Color, after) << std::hex << before << " " << field;
        EXPECT_EQ(BackColor(*form->Text1), after);
    }
}

TEST_F(EditorTest, VisitAllAndInfoAreStoredAndWrittenAtClose)
{
    LoadForm(Line(u"A"_s, 1) + Line(u"B"_s, 2));
    form->Combo1->SetListIndex(1);
    form->Check1->click();
    QTest::keyClicks(form->Text1, u"Raum 1"_s);
    QTest::keyClick(form->Text1, Qt::Key_Return);
    QTest::keyClicks(form->Text1, u"Prof. X"_s);
    qint16 cancel = 0;
    form->Form_Unload(cancel);
    EXPECT_EQ(ReadList(), Line(u"A"_s, 1) + "B,1,2,255,10000000000000000000,Raum 1#13Prof. X\r\n");
}

// A name being typed, or one that differs in case or a blank, names no
// course: the fields act as a form, colours corrected, the priority not.
TEST_F(EditorTest, EditsWhileTheChooserNamesNoCourseStoreNothing)
{
    LoadForm(Line(u"Analysis"_s, 1) + Line(u"Algebra"_s, 2));
    const std::vector<Termin> before = AllCourses();
    for (const QString& name : {u"analysis"_s, u"Neu"_s, u"Analysis "_s}) {
        TypeOver(form->Combo1, name);
        TypeOver(form->Text2, u"40000"_s);
        TypeOver(form->Text4[0], u"300"_s);
        form->Check1->click();
        QTest::keyClicks(form->Text1, u"x"_s);
        form->List2->SetSelected(3, true);
        QTest::keyClick(form->List2, Qt::Key_Return);
        form->List1->SetListIndex(2);
        EXPECT_EQ(form->Text2->Text() + form->Text4[0]->Text(), u"40000255") << name.toStdString();
        EXPECT_TRUE(form->List2->Selected(3)) << name.toStdString();
    }
    EXPECT_EQ(AllCourses(), before);
}

TEST_F(EditorTest, ShowingACourseFillsEveryFieldAndStoresOnlyTheCorrections)
{
    LoadForm(Line(u"A"_s, -32768, {1}, true, 0x0000FF) +
             Line(u"B"_s, -12345, {2}, false, 0x332211) + Line(u"A"_s, 5) + Line(u"C"_s, 0));
    form->Courses[3].Info = u"Zeile 1\r\nZeile 2"_s;
    form->Courses[3].Color = qint32(0x7F00FF00);
    EXPECT_EQ(form->Text2->Text(), u"-32e3");
    EXPECT_EQ(form->Courses[0].Priority, -32000);
    EXPECT_TRUE(form->Check1->isChecked());

    // Six characters although five can be typed; nothing to correct.
    form->Combo1->SetListIndex(1);
    EXPECT_EQ(form->Text2->Text(), u"-12345");
    EXPECT_EQ(form->Courses[1].Priority, -12345);
    EXPECT_FALSE(form->Check1->isChecked());
    EXPECT_EQ(form->Text4[0]->Text() + form->Text4[1]->Text() + form->Text4[2]->Text(), u"173451");
    EXPECT_EQ(BackColor(*form->Text1), 0x332211);

    // Of two courses of a name, the first is shown.
    form->Combo1->SetListIndex(2);
    EXPECT_EQ(form->Text2->Text(), u"-32000");

    form->Combo1->SetListIndex(3);
    EXPECT_EQ(form->Courses[3].Color, 0x00FF00);
    EXPECT_EQ(form->Courses[3].Info, u"Zeile 1\r\nZeile 2");
}

// Slots are stored by Enter in the slot list only, for the chosen day.
TEST_F(EditorTest, EnterInTheSlotListStoresTheChosenDay)
{
    const QString mask = u"11110000000011110011"_s;
    // Day, slots selected, key and modifiers, the mask after.
    const std::tuple<int, std::vector<int>, Qt::Key, Qt::KeyboardModifiers, QString> cases[] = {
        {1, {0, 2}, Qt::Key_Return, Qt::NoModifier, u"11111010000011110011"_s},
        {0, {}, Qt::Key_Enter, Qt::KeypadModifier, u"00000000000011110011"_s},
        {2, {3}, Qt::Key_Return, Qt::ShiftModifier, u"11110000000111110011"_s},
        {3, {1}, Qt::Key_Return, Qt::ControlModifier, u"11110000000001000011"_s},
        {4, {0}, Qt::Key_Space, Qt::NoModifier, mask},
        {4, {0}, Qt::Key_Down, Qt::NoModifier, mask},
    };
    LoadForm(Line(u"A"_s, 1));
    for (const auto& [day, slots, key, modifiers, after] : cases) {
        form->Courses[0].Times = mask;
        form->List1->SetListIndex(day);
        for (int slot = 0; slot < 4; ++slot)
            form->List2->SetSelected(slot, std::ranges::count(slots, slot) > 0);
        QTest::keyClick(form->List2, key, modifiers);
        EXPECT_EQ(form->Courses[0].Times, after) << day << " " << key;
    }
}

TEST_F(EditorTest, ChoosingADayShowsItsSlotsAndDropsAnUnstoredSelection)
{
    LoadForm(Line(u"A"_s, 1, {18, 19, 20}) + Line(u"B"_s, 1, {19, 20}));
    form->List1->SetListIndex(4);
    form->List2->SetSelected(0, true);
    form->List2->SetSelected(1, false);
    // Freitag of a mask ending "0011".
    form->Combo1->SetListIndex(1);
    for (int slot = 0; slot < 4; ++slot)
        EXPECT_EQ(form->List2->Selected(slot), slot >= 2) << slot;
    form->List2->SetSelected(0, true);
    form->List1->SetListIndex(3);
    form->List1->SetListIndex(4);
    EXPECT_FALSE(form->List2->Selected(0));

    // A short mask from a damaged list: missing slots are not offered, and
    // Enter completes it with "0".
    form->Courses[1].Times = u"010"_s;
    form->List1->SetListIndex(0);
    EXPECT_TRUE(form->List2->Selected(1) && !form->List2->Selected(0) && !form->List2->Selected(3));
    form->List1->SetListIndex(2);
    form->List2->SetSelected(0, true);
    QTest::keyClick(form->List2, Qt::Key_Return);
    EXPECT_EQ(form->Courses[1].Times, u"01000000100000000000");
}

TEST_F(EditorTest, StartUpShowsTheFirstCourseInItsColourBeforeTheWindowIsShown)
{
    // Red alone, as the colour fields show before any course: no colour
    // field changes, and the start-up colours the info field all the same.
    LoadForm(Line(u"A"_s, 3, {2}, true, 0x0000FF) + Line(u"B"_s, 4));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->Text2->Text(), u"3");
    EXPECT_TRUE(form->Check1->isChecked() && form->List2->Selected(1));
    EXPECT_EQ(BackColor(*form->Text1), 0x0000FF);

    QFile::remove(ListFile());
    MakeForm().Form_Load();
    EXPECT_EQ(form->Text2->Text() + form->Text4[0]->Text() + form->Text4[1]->Text(), u"02550");
    EXPECT_TRUE(HasSystemBackColor(*form->Text1));
}

} // namespace
