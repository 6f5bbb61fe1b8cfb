#include "window/FormFixture.h"

using namespace Qt::Literals::StringLiterals;

namespace {

using SearchRunTest = FormTest;

TEST_F(SearchRunTest, TheFirstClickSortsAndShowsTheBestDistribution)
{
    LoadForm(Line(u"Klein"_s, 1, {1}) + Line(u"Groß"_s, 4, {1, 2}) + Line(u"Mittel"_s, 2, {2}));
    form->Command2_Click();
    // Sorted by priority before the search, chooser and collection alike.
    EXPECT_EQ(form->Combo1->List(0), u"Groß"_s);
    EXPECT_EQ(form->Courses[0].Caption, u"Groß"_s);
    // Groß at 1 and Mittel at 2 (6) beat Groß at 2 and Klein at 1 (5).
    EXPECT_EQ(PaintedCells(), (Cells{{BodyElement(1), u"Groß"_s}, {BodyElement(2), u"Mittel"_s}}));
    EXPECT_EQ(Corner(), u"Wert: 6"_s);
    EXPECT_EQ(form->Command2->text(), u"Weiter suchen"_s);
    EXPECT_TRUE(messages.empty());
}

// Clicks step through the distributions of the best value; past the last
// one it stays shown with the message, and the next click searches afresh.
TEST_F(SearchRunTest, ClicksStepThroughEquallyGoodDistributionsThenStartAfresh)
{
    // The course list, the value, where the course is shown click by click.
    const std::tuple<QByteArray, QString, std::vector<int>> runs[] = {
        {Line(u"A"_s, 5, {1}), u"Wert: 5"_s, {1, 1, 1}},
        {Line(u"A"_s, 3, {2, 7, 11}), u"Wert: 3"_s, {2, 7, 11, 11, 2}},
    };
    for (const auto& [list, value, shownAt] : runs) {
        messages.clear();
        LoadForm(list);
        const std::size_t ending = shownAt.size() - 2;
        for (std::size_t click = 0; click < shownAt.size(); ++click) {
            form->Command2_Click();
            EXPECT_EQ(PaintedCells(), (Cells{{BodyElement(shownAt[click]), u"A"_s}})) << click;
            EXPECT_EQ(Corner(), value) << click;
            EXPECT_EQ(form->Command2->text(), click == ending ? u"Suchen"_s : u"Weiter suchen"_s)
                << click;
            EXPECT_EQ(messages.size(), click >= ending ? 1u : 0u) << click;
        }
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, u"Keine weiteren Möglichkeiten gefunden."_s);
        EXPECT_EQ(messages[0].title, u"Terminverteilung suchen"_s);
        EXPECT_TRUE(messages[0].buttons == MessageButtons::Ok &&
                    messages[0].icon == MessageIcon::None);
    }
}

TEST_F(SearchRunTest, NothingAboveZeroShowsEmptyCellsThenTheSecondDistributionOfValueZero)
{
    LoadForm(Line(u"A"_s, 0, {1}) + Line(u"B"_s, 0, {2}));
    form->Command2_Click();
    EXPECT_EQ(PaintedCells(), Cells{});
    EXPECT_EQ(Corner(), u"Wert: 0"_s);
    // In the order of the search: A and B placed, then A alone.
    form->Command2_Click();
    EXPECT_EQ(PaintedCells(), (Cells{{BodyElement(1), u"A"_s}}));
    EXPECT_EQ(form->Command2->text(), u"Weiter suchen"_s);
}

TEST_F(SearchRunTest, AnEmptyListShowsValueZeroAndEndsTheRun)
{
    LoadForm({});
    form->Label2[BodyElement(3)]->setText(u"alt"_s);
    form->Command2->setText(u"Weiter suchen"_s);
    form->Command2_Click();
    EXPECT_EQ(PaintedCells(), Cells{});
    EXPECT_EQ(Corner(), u"Wert: 0"_s);
    EXPECT_EQ(form->Command2->text(), u"Suchen"_s);
    EXPECT_TRUE(messages.empty());
}

TEST_F(SearchRunTest, FocusLeavingTheButtonEndsTheRunAndAGridClickDoesNot)
{
    LoadForm(Line(u"A"_s, 3, {2, 7, 11}));
    ShowActive();
    // Enter clicks the button that has the focus.
    form->Command2->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->Command2, Qt::Key_Return);
    EXPECT_EQ(form->Command2->text(), u"Weiter suchen"_s);

    // A click on the painted cell picks the course but leaves the focus.
    QTest::mouseClick(form->Label2[BodyElement(2)], Qt::LeftButton);
    EXPECT_TRUE(form->Command2->hasFocus());
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    EXPECT_EQ(PaintedCells(), (Cells{{BodyElement(7), u"A"_s}}));

    // Into another control and back: the next click searches afresh.
    QTest::mouseClick(form->Text3, Qt::LeftButton);
    EXPECT_EQ(form->Command2->text(), u"Suchen"_s);
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    EXPECT_EQ(PaintedCells(), (Cells{{BodyElement(2), u"A"_s}}));
}

} // namespace
