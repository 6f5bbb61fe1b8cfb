#include "window/FormFixture.h"

#include "search/TextColorRule.h"

#include <QCheckBox>
#include <QSignalSpy>

using namespace Qt::Literals::StringLiterals;

namespace {

using WeekGridTest = FormTest;

TEST_F(WeekGridTest, PaintsEachPlacedCourseOnItsColourInBold)
{
    LoadForm(Line(u"Grün"_s, 2, {6}, false, 0x00FF00) +
             Line(u"Alle"_s, 1, {1, 5, 9}, true, 0x0000FF) + Line(u"Fort"_s, 1, {3}));
    const CellMask alleCells = CellAtPosition(1) | CellAtPosition(5) | CellAtPosition(9);
    form->ShowDistribution({CellAtPosition(6), alleCells, 0}, 12);
    EXPECT_EQ(PaintedCells(),
              (Cells{{14, u"Grün"_s}, {7, u"Alle"_s}, {8, u"Alle"_s}, {9, u"Alle"_s}}));
    EXPECT_EQ(form->Label2[8]->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_TRUE(form->Label2[14]->font().bold());
    EXPECT_EQ(Corner(), u"Wert: 12"_s);

    // The next painting clears what this one showed; the headers stay.
    form->ShowDistribution(Distribution(3), 0);
    EXPECT_EQ(PaintedCells(), Cells{});
    for (int position = 1; position <= 20; ++position) {
        const ArrayLabel& cell = *form->Label2[BodyElement(position)];
        EXPECT_EQ(BackColor(cell), 0xD0D0D0) << position;
        EXPECT_FALSE(cell.font().bold()) << position;
    }
    EXPECT_EQ(Corner(), u"Wert: 0"_s);
    EXPECT_EQ(form->Label2[1]->text() + form->Label2[24]->text(), u"Montag15.00 - 17.00"_s);
}

TEST_F(WeekGridTest, OnlyCellsShowingACourseAnswerAClick)
{
    // A course named like a day header: the header still ignores clicks.
    LoadForm(Line(u"Analysis"_s, 2) + Line(u"analysis"_s, 1) + Line(u"Montag"_s, 1) +
             Line(u"analysis"_s, 1));
    form->ShowDistribution({CellAtPosition(1), 0, 0, CellAtPosition(2)}, 3);
    form->Label2[BodyElement(4)]->setText(u"Umbenannt"_s); // no item of that name
    form->Combo1->SetListIndex(2);
    QSignalSpy clicks(form->Combo1, &ChooserBox::Click);
    for (const int element : {0, 1, 3, 5, 6, 12, 18, 24, BodyElement(3), BodyElement(4)})
        QTest::mouseClick(form->Label2[element], Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(form->Combo1->ListIndex(), 2);

    // The first item of exactly that name, case included.
    QTest::mouseClick(form->Label2[BodyElement(2)], Qt::LeftButton);
    EXPECT_EQ(form->Combo1->ListIndex(), 1);
    EXPECT_EQ(form->Combo1->Text(), u"analysis"_s);
    QTest::mouseClick(form->Label2[BodyElement(1)], Qt::LeftButton);
    EXPECT_EQ(form->Combo1->ListIndex(), 0);
    EXPECT_EQ(clicks.count(), 2);
}

// The rule itself is tested without a window; here, what it is applied to
// and when: at a click on the box and at every painting.
TEST_F(WeekGridTest, TheTextFollowsTheBackgroundWhileCheckedAndIsBlackOtherwise)
{
    LoadForm(Line(u"A"_s, 1));
    const QList<QWidget*> headers = {form->Label2[0], form->Label2[1], form->Label2[6]};
    for (QWidget* header : headers)
        SetBackColor(*header, 0x000000);
    // A second background checks that each painting reads the colour afresh.
    for (const qint32 background : {0x00FF80, 0x7F7F7F}) {
        const qint32 text = ReadableTextColor(background);
        form->Courses[0].Color = background;
        SetBackColor(*form->Text1, background);
        form->Check2->setChecked(true);
        form->ShowDistribution(Distribution{AllCells}, 20);
        for (int position = 1; position <= 20; ++position)
            EXPECT_EQ(ForeColor(*form->Label2[BodyElement(position)]), text) << position;
        EXPECT_EQ(ForeColor(*form->Text1), text) << std::hex << background;
        for (QWidget* header : headers)
            EXPECT_EQ(ForeColor(*header), 0);
        QTest::mouseClick(form->Check2, Qt::LeftButton);
        for (QWidget* cell : QList<QWidget*>{form->Label2[BodyElement(1)],
                                             form->Label2[BodyElement(20)], form->Text1})
            EXPECT_EQ(ForeColor(*cell), 0) << std::hex << background;
    }
}

} // namespace
