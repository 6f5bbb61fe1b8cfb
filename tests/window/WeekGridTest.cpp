#include "SearchFixture.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

using Cells = std::map<int, QString>;

Distribution Placing(int courses, std::initializer_list<std::pair<int, std::vector<int>>> placed)
{
    Distribution distribution(courses);
    for (const auto& [course, positions] : placed) {
        for (const int position : positions)
            distribution[course] |= CellAtPosition(position);
    }
    return distribution;
}

TEST_F(SearchTest, PaintsEachPlacedCourseOnItsColourInBold)
{
    LoadForm(Line(u"Grün"_s, 2, {6}, false, 0x00FF00) + Line(u"Alle"_s, 1, {1, 5, 9}, true, 0x0000FF) +
             Line(u"Fort"_s, 1, {3}));
    form->ShowDistribution(Placing(3, {{0, {6}}, {1, {1, 5, 9}}}), 12);

    EXPECT_EQ(PaintedCells(),
              (Cells{{14, u"Grün"_s}, {7, u"Alle"_s}, {8, u"Alle"_s}, {9, u"Alle"_s}}));
    EXPECT_EQ(BackColor(*form->Label2[14]), 0x00FF00);
    EXPECT_TRUE(form->Label2[14]->font().bold());
    EXPECT_EQ(BackColor(*form->Label2[8]), 0x0000FF);
    for (int position = 1; position <= 20; ++position) {
        const ArrayLabel& cell = *form->Label2[BodyElement(position)];
        if (cell.text() != u"-"_s)
            continue;
        EXPECT_EQ(BackColor(cell), Form1::EmptyCellColor) << position;
        EXPECT_FALSE(cell.font().bold()) << position;
    }
    EXPECT_EQ(Corner(), u"Wert: 12"_s);
}

TEST_F(SearchTest, APaintingClearsWhatTheOneBeforeShowed)
{
    LoadForm(Line(u"A"_s, 2, {20}, false, 0x123456));
    form->ShowDistribution(Placing(1, {{0, {20}}}), 2);
    EXPECT_EQ(PaintedCells(), (Cells{{29, u"A"_s}}));
    form->ShowDistribution(Placing(1, {}), 0);
    EXPECT_EQ(PaintedCells(), Cells{});
    EXPECT_EQ(BackColor(*form->Label2[29]), Form1::EmptyCellColor);
    EXPECT_EQ(Corner(), u"Wert: 0"_s);
    // The headers stay as they were built.
    EXPECT_EQ(Caption(1), u"Montag"_s);
    EXPECT_EQ(Caption(24), u"15.00 - 17.00"_s);
}

TEST_F(SearchTest, ANegativeValueLeavesTheCornerAlone)
{
    LoadForm(Line(u"A"_s, 2, {1}));
    form->ShowDistribution(Placing(1, {}), 7);
    form->ShowDistribution(Placing(1, {{0, {1}}}), -1);
    EXPECT_EQ(Corner(), u"Wert: 7"_s);
    EXPECT_EQ(PaintedCells(), (Cells{{7, u"A"_s}}));
}

TEST_F(SearchTest, OnlyCellsShowingACourseAnswerAClick)
{
    LoadForm(Line(u"Analysis"_s, 2, {1}) + Line(u"analysis"_s, 1, {2}) + Line(u"Physik"_s, 1, {3}));
    form->ShowDistribution(Placing(3, {{0, {1}}, {1, {2}}}), 3);
    form->Label2[BodyElement(4)]->setText(u"Umbenannt"_s); // no item of that name
    QSignalSpy clicks(form->Combo1, &ChooserBox::Click);
    form->Combo1->SetListIndex(2);
    clicks.clear();

    const int ignored[] = {0, 1, 3, 5, 6, 12, 18, 24, BodyElement(3), BodyElement(4)};
    for (const int element : ignored) {
        QTest::mouseClick(form->Label2[element], Qt::LeftButton);
        EXPECT_EQ(clicks.count(), 0) << element;
        EXPECT_EQ(form->Combo1->ListIndex(), 2) << element;
    }

    // The name is matched exactly, case included.
    QTest::mouseClick(form->Label2[BodyElement(2)], Qt::LeftButton);
    EXPECT_EQ(form->Combo1->ListIndex(), 1);
    EXPECT_EQ(form->Combo1->Text(), u"analysis"_s);
    EXPECT_EQ(clicks.count(), 1);
    form->Label2_Click(qint16(BodyElement(1)));
    EXPECT_EQ(form->Combo1->ListIndex(), 0);
    EXPECT_EQ(form->Combo1->Text(), u"Analysis"_s);
}

TEST_F(SearchTest, ACellPicksTheFirstOfTwoCoursesOfTheSameName)
{
    LoadForm(Line(u"Doppelt"_s, 2, {1}) + Line(u"Doppelt"_s, 1, {2}));
    form->ShowDistribution(Placing(2, {{1, {2}}}), 1);
    form->Combo1->SetListIndex(-1);
    form->Label2_Click(qint16(BodyElement(2)));
    EXPECT_EQ(form->Combo1->ListIndex(), 0);
}

} // namespace
