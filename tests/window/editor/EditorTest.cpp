#include "window/FormFixture.h"

#include "support/CourseMaker.h"

#include <QCheckBox>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

class EditorTest : public FormTest
{
protected:
    // Replaces the field's text as the user would: select all, then type.
    static void Type(TextField& field, const QString& text)
    {
        field.selectAll();
        if (text.isEmpty())
            QTest::keyClick(&field, Qt::Key_Backspace);
        QTest::keyClicks(&field, text);
    }

    void Choose(int item) { form->Combo1->SetListIndex(item); }

    void TypeName(const QString& name)
    {
        form->Combo1->lineEdit()->selectAll();
        QTest::keyClicks(form->Combo1, name);
    }

    std::vector<Termin> Courses() const { return {form->Courses.begin(), form->Courses.end()}; }
};

// With a course chosen, each keystroke is corrected and stored at once.
TEST_F(EditorTest, PriorityFieldIsCorrectedToItsLimitsAndStored)
{
    // Typed, then what the field shows and the course holds.
    const std::tuple<QString, QString, qint16> cases[] = {
        {u"40000"_s, u"32767"_s, 32767},
        {u"32767"_s, u"32767"_s, 32767},
        {u"-33e3"_s, u"-32e3"_s, -32000},
        {u"-32e3"_s, u"-32e3"_s, -32000},
        {u"1e4"_s, u"1e4"_s, 10000},
        {u"2.5"_s, u"2.5"_s, 2},
        {u"3.5"_s, u"3.5"_s, 4},
        {u"x12"_s, u"x12"_s, 0},
        {u""_s, u""_s, 0},
        {u"9e999"_s, u"32767"_s, 32767},
        {u"-9e99"_s, u"-32e3"_s, -32000},
        {u"-9999"_s, u"-9999"_s, -9999},
        {u"-9e999"_s, u"-32e3"_s, -32000},
    };
    LoadForm(Line(u"A"_s, 7) + Line(u"B"_s, 9));
    for (const bool typing : {true, false}) {
        for (const auto& [text, shown, stored] : cases) {
            if (typing)
                Type(*form->Text2, text);
            else
                form->Text2->SetText(text);
            EXPECT_EQ(form->Text2->Text(), shown) << text.toStdString() << typing;
            EXPECT_EQ(form->Courses[0].Priority, stored) << text.toStdString() << typing;
        }
    }
    EXPECT_EQ(form->Courses[1].Priority, 9);
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
    LoadForm(Line(u"A"_s, 1) + Line(u"B"_s, 1, {1}, false, 0x0A0B0C));
    for (const auto& [before, field, typed, shown, after] : cases) {
        form->Courses[0].Color = before;
        Type(*form->Text4[field], typed);
        EXPECT_EQ(form->Text4[field]->Text(), shown) << typed.toStdString();
        EXPECT_EQ(form->Courses[0].Color, after) << std::hex << before << " " << field;
        EXPECT_EQ(BackColor(*form->Text1), after);
    }
    EXPECT_EQ(form->Courses[1].Color, 0x0A0B0C);
}

TEST_F(EditorTest, VisitAllAndInfoAreStoredAndWrittenAtClose)
{
    LoadForm(Line(u"A"_s, 1) + Line(u"B"_s, 2));
    Choose(1);
    const Termin before = form->Courses[0];
    form->Check1->click();
    QTest::keyClicks(form->Text1, u"Raum 1"_s);
    QTest::keyClick(form->Text1, Qt::Key_Return);
    QTest::keyClicks(form->Text1, u"Prof. X"_s);
    EXPECT_TRUE(form->Courses[1].VisitAll);
    EXPECT_EQ(form->Courses[1].Info, u"Raum 1\r\nProf. X");
    EXPECT_EQ(form->Courses[0], before);
    qint16 cancel = 0;
    form->Form_Unload(cancel);
    EXPECT_TRUE(ReadList().contains(",Raum 1#13Prof. X\r\n"));
    EXPECT_TRUE(ReadList().startsWith(Line(u"A"_s, 1)));
}

// A name being typed, or one that differs only in case, names no course:
// the fields work as a form, colours corrected, the priority not.
TEST_F(EditorTest, EditsWhileTheChooserNamesNoCourseStoreNothing)
{
    LoadForm(Line(u"Analysis"_s, 1) + Line(u"Algebra"_s, 2));
    const std::vector<Termin> before = Courses();
    for (const QString& name : {u"analysis"_s, u"Neu"_s, u"Analysis "_s}) {
        TypeName(name);
        Type(*form->Text2, u"40000"_s);
        Type(*form->Text4[0], u"300"_s);
        form->Check1->click();
        QTest::keyClicks(form->Text1, u"x"_s);
        form->List2->SetSelected(3, true);
        QTest::keyClick(form->List2, Qt::Key_Return);
        form->List1->SetListIndex(2);
        EXPECT_EQ(form->Text2->Text(), u"40000") << name.toStdString();
        EXPECT_EQ(form->Text4[0]->Text(), u"255") << name.toStdString();
        EXPECT_TRUE(form->List2->Selected(3)) << name.toStdString();
    }
    EXPECT_EQ(Courses(), before);
}

TEST_F(EditorTest, ShowingACourseFillsEveryFieldAndStoresOnlyTheCorrections)
{
    LoadForm(Line(u"A"_s, -32768, {1}, true, 0x0000FF) +
             Line(u"B"_s, -12345, {2}, false, 0x332211) + Line(u"A"_s, 5, {3}) + Line(u"C"_s, 0));
    form->Courses[3].Info = u"Zeile 1\r\nZeile 2"_s;
    form->Courses[3].Color = qint32(0x7F00FF00);
    EXPECT_EQ(form->Text2->Text(), u"-32e3");
    EXPECT_EQ(form->Courses[0].Priority, -32000);
    EXPECT_TRUE(form->Check1->isChecked());

    // Six characters although five can be typed; nothing to correct.
    Choose(1);
    EXPECT_EQ(form->Text2->Text(), u"-12345");
    EXPECT_EQ(form->Courses[1].Priority, -12345);
    EXPECT_FALSE(form->Check1->isChecked());
    EXPECT_EQ(form->Text4[0]->Text() + form->Text4[1]->Text() + form->Text4[2]->Text(), u"173451");
    EXPECT_EQ(BackColor(*form->Text1), 0x332211);

    // The second course of a name cannot be shown: the first is.
    Choose(2);
    EXPECT_EQ(form->Combo1->Text(), u"A");
    EXPECT_EQ(form->Text2->Text(), u"-32000");

    // A changed colour field drops the high bits.
    Choose(3);
    EXPECT_EQ(form->Courses[3].Color, 0x00FF00);
    EXPECT_EQ(form->Text1->Text(), u"Zeile 1\r\nZeile 2");
    EXPECT_EQ(form->Courses[3].Info, u"Zeile 1\r\nZeile 2");
}

// Slots are stored by Enter in the slot list only, for the chosen day.
TEST_F(EditorTest, SlotListsShowTheDayAndStoreItOnEnter)
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
        {4, {0}, Qt::Key_A, Qt::NoModifier, mask},
    };
    for (const auto& [day, slots, key, modifiers, after] : cases) {
        LoadForm(Line(u"A"_s, 1) + Line(u"B"_s, 1));
        form->Courses[0].Times = mask;
        form->List1->SetListIndex(day);
        for (int slot = 0; slot < 4; ++slot)
            form->List2->SetSelected(slot,
                                     std::find(slots.begin(), slots.end(), slot) != slots.end());
        const Termin other = form->Courses[1];
        QTest::keyClick(form->List2, key, modifiers);
        EXPECT_EQ(form->Courses[0].Times, after) << day << " " << key;
        EXPECT_EQ(form->Courses[1], other);
    }
}

TEST_F(EditorTest, ChoosingADayShowsItsSlotsAndDropsAnUnstoredSelection)
{
    LoadForm(Line(u"A"_s, 1, {18, 19, 20}) + Line(u"B"_s, 1, {19, 20}));
    form->List1->SetListIndex(4);
    form->List2->SetSelected(0, true);
    form->List2->SetSelected(1, false);
    Choose(1);
    // Freitag of a mask ending "0011".
    for (int slot = 0; slot < 4; ++slot)
        EXPECT_EQ(form->List2->Selected(slot), slot >= 2) << slot;
    form->List2->SetSelected(0, true);
    form->List1->SetListIndex(3);
    form->List1->SetListIndex(4);
    EXPECT_FALSE(form->List2->Selected(0));
    EXPECT_EQ(form->Courses[1].Times, u"00000000000000000011");

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
    EXPECT_TRUE(form->Check1->isChecked());
    EXPECT_TRUE(form->List2->Selected(1));
    EXPECT_FALSE(HasSystemBackColor(*form->Text1));
    EXPECT_EQ(BackColor(*form->Text1), 0x0000FF);

    // Without courses the fields stay as built.
    QFile::remove(ListFile());
    MakeForm().Form_Load();
    EXPECT_EQ((QStringList{form->Text2->Text(), form->Text4[0]->Text(), form->Text4[1]->Text(),
                           form->Text4[2]->Text()}),
              (QStringList{u"0"_s, u"255"_s, u"0"_s, u"0"_s}));
    EXPECT_TRUE(HasSystemBackColor(*form->Text1));
    EXPECT_EQ(form->List1->ListIndex(), 0);
}

// A course just appended, as Enter in the chooser appends it.
TEST_F(EditorTest, StoringFillsANewCourseWithThePriorityLimitedToZeroOrMore)
{
    // Priority text, then what the new course gets.
    const std::pair<QString, qint16> cases[] = {
        {u"-5"_s, 0}, {u"2.5"_s, 2}, {u"3.5"_s, 4}, {u"40000"_s, 32767}, {u"9e999"_s, 32767}};
    for (const auto& [priority, stored] : cases) {
        LoadForm(Line(u"A"_s, 1));
        TypeName(u"Neu"_s);
        Type(*form->Text2, priority);
        QTest::keyClicks(form->Text1, u"Notiz"_s);
        form->Check1->click();
        Type(*form->Text4[2], u"7"_s);
        // Choosing a day while no course is named keeps Montag's slot 0.
        form->List1->SetListIndex(2);
        for (int slot = 0; slot < 4; ++slot)
            form->List2->SetSelected(slot, slot % 2 == 1);
        form->Combo1->AddItem(form->Combo1->Text());
        form->Courses.Append();
        form->StoreCourseFields();
        EXPECT_EQ(form->Courses[1],
                  Course(u"Neu"_s, stored, u"00000000010100000000"_s, u"Notiz"_s, true, 0x0700FF))
            << priority.toStdString();
        EXPECT_EQ(form->Text2->Text(), priority);
    }
}

} // namespace
