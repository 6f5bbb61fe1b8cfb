#include "SearchFixture.h"

#include <QLineEdit>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

using Cells = std::map<int, QString>;

TEST_F(SearchTest, TheFirstClickSortsAndShowsTheBestDistribution)
{
    LoadForm(Line(u"Klein"_s, 1, {1}) + Line(u"Groß"_s, 4, {1, 2}) + Line(u"Mittel"_s, 2, {2}));
    form->Command2_Click();
    // Sorted by priority before the search, chooser and collection alike.
    EXPECT_EQ(form->Combo1->List(0), u"Groß"_s);
    EXPECT_EQ(form->Courses[0].Caption, u"Groß"_s);
    // Groß at 1 and Mittel at 2 (6) beat Groß at 2 and Klein at 1 (5).
    EXPECT_EQ(PaintedCells(), (Cells{{BodyElement(1), u"Groß"_s}, {BodyElement(2), u"Mittel"_s}}));
    EXPECT_EQ(Corner(), u"Wert: 6"_s);
    EXPECT_EQ(SearchCaption(), u"Weiter suchen"_s);
    EXPECT_TRUE(messages.empty());
}

TEST_F(SearchTest, WithOneBestDistributionTheNextClickEndsTheRun)
{
    LoadForm(Line(u"A"_s, 5, {1}));
    form->Command2_Click();
    form->Command2_Click();
    EXPECT_EQ(PaintedCells(), (Cells{{BodyElement(1), u"A"_s}}));
    EXPECT_EQ(Corner(), u"Wert: 5"_s);
    EXPECT_EQ(SearchCaption(), u"Suchen"_s);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, u"Keine weiteren Möglichkeiten gefunden."_s);
    EXPECT_EQ(messages[0].title, u"Terminverteilung suchen"_s);
    EXPECT_EQ(messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(messages[0].icon, MessageIcon::None);
}

TEST_F(SearchTest, ClicksStepThroughEquallyGoodDistributionsThenStartAfresh)
{
    LoadForm(Line(u"A"_s, 3, {2, 7, 11}));
    const int shownAt[] = {2, 7, 11, 11, 2};
    const char* captions[] = {"Weiter suchen", "Weiter suchen", "Weiter suchen", "Suchen",
                              "Weiter suchen"};
    for (int click = 0; click < 5; ++click) {
        form->Command2_Click();
        EXPECT_EQ(PaintedCells(), (Cells{{BodyElement(shownAt[click]), u"A"_s}})) << click;
        EXPECT_EQ(Corner(), u"Wert: 3"_s) << click;
        EXPECT_EQ(SearchCaption(), QString::fromUtf8(captions[click])) << click;
        EXPECT_EQ(NoMoreMessages(), click >= 3 ? 1 : 0) << click;
    }
    EXPECT_EQ(form->SearchRank, 1);
}

TEST_F(SearchTest, NothingAboveZeroShowsEmptyCellsThenTheSecondDistributionOfValueZero)
{
    LoadForm(Line(u"A"_s, 0, {1}) + Line(u"B"_s, 0, {2}));
    form->Command2_Click();
    EXPECT_EQ(PaintedCells(), Cells{});
    EXPECT_EQ(Corner(), u"Wert: 0"_s);
    // In the order of the search: A and B placed, then A alone.
    form->Command2_Click();
    EXPECT_EQ(PaintedCells(), (Cells{{BodyElement(1), u"A"_s}}));
    EXPECT_EQ(SearchCaption(), u"Weiter suchen"_s);
}

TEST_F(SearchTest, AnEmptyListShowsValueZeroAndKeepsTheCaption)
{
    LoadForm("");
    form->Label2[BodyElement(3)]->setText(u"alt"_s);
    form->Command2_Click();
    EXPECT_EQ(PaintedCells(), Cells{});
    EXPECT_EQ(Corner(), u"Wert: 0"_s);
    EXPECT_EQ(SearchCaption(), u"Suchen"_s);
    EXPECT_TRUE(messages.empty());
}

TEST_F(SearchTest, FocusLeavingTheButtonEndsTheRunAndAGridClickDoesNot)
{
    LoadForm(Line(u"A"_s, 3, {2, 7, 11}));
    ShowActive();
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    ASSERT_TRUE(form->Command2->hasFocus());
    EXPECT_EQ(SearchCaption(), u"Weiter suchen"_s);

    // A click on the painted cell picks the course but leaves the focus.
    QTest::mouseClick(form->Label2[BodyElement(2)], Qt::LeftButton);
    EXPECT_TRUE(form->Command2->hasFocus());
    EXPECT_EQ(SearchCaption(), u"Weiter suchen"_s);
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    EXPECT_EQ(PaintedCells(), (Cells{{BodyElement(7), u"A"_s}}));

    // Into another control and back: the next click searches afresh.
    QTest::mouseClick(form->Text3, Qt::LeftButton);
    EXPECT_EQ(SearchCaption(), u"Suchen"_s);
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    EXPECT_EQ(PaintedCells(), (Cells{{BodyElement(2), u"A"_s}}));
    EXPECT_EQ(form->SearchRank, 1);
}

TEST_F(SearchTest, TheContinuationReadsTheValueFromTheCorner)
{
    LoadForm(Line(u"A"_s, 3, {1}) + Line(u"B"_s, 2, {1}));
    form->Command2_Click();
    EXPECT_EQ(PaintedCells(), (Cells{{BodyElement(1), u"A"_s}}));
    // Another value in the corner asks for the distributions of that value.
    form->Label2[CornerElement]->setText(u"Wert: 2"_s);
    form->Command2_Click();
    // The first distribution, A at 1, is worth 3: it becomes the value and
    // the only one counted, so no second one exists.
    EXPECT_EQ(Corner(), u"Wert: 3"_s);
    EXPECT_EQ(SearchCaption(), u"Suchen"_s);
    EXPECT_EQ(NoMoreMessages(), 1);
}

} // namespace
