#include "window/FormFixture.h"

#include <QCheckBox>
#include <QGroupBox>

using namespace Qt::Literals::StringLiterals;

// The whole window at a system font of 144 DPI, "larger text" on a desktop.
class FontDpiTest : public FormTest
{
protected:
    // Every control lies inside its holder, every list item inside its list,
    // every check box's caption and every hour in the grid shows whole.
    void ExpectNothingCut() const
    {
        QCoreApplication::processEvents(); // the lists lay out their items
        const Form1& f = *form;
        for (const QWidget* holder :
             std::array<const QWidget*, 3>{f.Frame1->parentWidget(), f.Frame1, f.Frame2}) {
            for (const QWidget* control :
                 holder->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                EXPECT_TRUE(holder->rect().contains(control->geometry()))
                    << control->property("text").toString().toStdString();
        }
        for (const ListControl* list : {f.List1, f.List2}) {
            for (int row = 0; row < list->count(); ++row)
                EXPECT_TRUE(
                    list->viewport()->rect().contains(list->visualItemRect(list->item(row))))
                    << list->List(row).toStdString();
        }
        for (const QCheckBox* box : {f.Check1, f.Check2}) {
            const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorWidth);
            EXPECT_LE(indicator + box->fontMetrics().horizontalAdvance(box->text()), box->width());
        }
        for (int row = 1; row < WeekGrid::Rows; ++row)
            EXPECT_TRUE(f.Label2[WeekGrid::Element(row, 0)]->ShowsCaptionWhole()) << row;
    }
};

TEST_F(FontDpiTest, TheLayoutGrowsWithTheFontAndCutsNothing)
{
    LoadForm(Line(u"Analysis I"_s, 3));
    ASSERT_DOUBLE_EQ(form->FontScale(), 1.5);
    // On a large screen it opens at the designed size times the font's scale.
    form->show();
    EXPECT_NEAR(form->LayoutFactor(), 1.5, 0.01);
    ExpectNothingCut();

    // Smaller than legible: the layout keeps its size and the window scrolls.
    form->setMinimumSize(0, 0);
    form->resize(400, 300);
    EXPECT_NEAR(form->LayoutFactor(), 1.2, 0.01);
    ExpectNothingCut();
}
