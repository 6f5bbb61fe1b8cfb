#include "SearchFixture.h"

#include <QCheckBox>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

class TextColorTest : public SearchTest
{
protected:
    void SetUp() override { LoadForm(Line(u"A"_s, 1, {1})); }

    ArrayLabel& Cell(int position) { return *form->Label2[BodyElement(position)]; }
};

TEST_F(TextColorTest, CheckedTheTextFollowsEachChannelOfTheBackground)
{
    const struct
    {
        qint32 background;
        qint32 text;
    } cases[] = {{0xD0D0D0, 0x000000}, {0x000000, 0xFFFFFF}, {0x0000FF, 0xFFFF00},
                 {0x808080, 0x000000}, {0x7F7F7F, 0xFFFFFF}, {0x00FF80, 0xFF0000}};
    form->Check2->setChecked(true);
    for (const auto& c : cases) {
        SetBackColor(Cell(5), c.background);
        SetBackColor(*form->Text1, c.background);
        form->Check2_Click();
        EXPECT_EQ(ForeColor(Cell(5)), c.text) << std::hex << c.background;
        EXPECT_EQ(ForeColor(*form->Text1), c.text) << std::hex << c.background;
    }
}

TEST_F(TextColorTest, UncheckedEveryBodyCellAndTheInfoFieldGetBlackText)
{
    for (int position = 1; position <= 20; ++position)
        SetBackColor(Cell(position), 0x000000);
    SetBackColor(*form->Text1, 0x000000);
    form->Check2->setChecked(true);
    ASSERT_EQ(ForeColor(Cell(20)), 0xFFFFFF);

    // A click on the box applies the rule at once.
    QTest::mouseClick(form->Check2, Qt::LeftButton);
    ASSERT_FALSE(form->Check2->isChecked());
    for (int position = 1; position <= 20; ++position)
        EXPECT_EQ(ForeColor(Cell(position)), 0) << position;
    EXPECT_EQ(ForeColor(*form->Text1), 0);
}

TEST_F(TextColorTest, HeadersAndTheCornerAreNeverAdjusted)
{
    SetBackColor(*form->Label2[1], 0x000000);
    SetBackColor(*form->Label2[0], 0x000000);
    SetBackColor(*form->Label2[6], 0x000000);
    form->Check2->setChecked(true);
    for (const int header : {0, 1, 6})
        EXPECT_EQ(ForeColor(*form->Label2[header]), 0) << header;
}

TEST_F(TextColorTest, TheInfoFieldsSystemBackgroundGetsBlackText)
{
    ASSERT_TRUE(HasSystemBackColor(*form->Text1));
    form->Check2->setChecked(true);
    EXPECT_EQ(ForeColor(*form->Text1), 0);
    // Once a course colour is set, its channels count.
    SetBackColor(*form->Text1, 0x101010);
    form->Check2_Click();
    EXPECT_EQ(ForeColor(*form->Text1), 0xFFFFFF);
}

TEST_F(TextColorTest, EveryPaintingAdjustsTheColours)
{
    form->Courses[0].Color = 0x200000; // dark blue
    form->Check2->setChecked(true);
    Distribution placed(1);
    placed[0] = CellAtPosition(1);
    form->ShowDistribution(placed, 1);
    EXPECT_EQ(ForeColor(Cell(1)), 0xFFFFFF);
    EXPECT_EQ(ForeColor(Cell(2)), 0x000000);
}

} // namespace
