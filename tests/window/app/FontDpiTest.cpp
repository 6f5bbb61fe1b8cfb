#include "window/FormFixture.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

// The whole window at a system font of 144 DPI, "larger text" on a desktop.
class FontDpiTest : public FormTest
{
protected:
    // Every control lies inside its holder, every list item inside its list,
    // and every caption fits its control in the control's own font.
    void ExpectNothingCut() const
    {
        // The lists lay their items out when the event loop runs.
        QCoreApplication::processEvents();
        for (const QWidget* holder :
             {form->Frame1->parentWidget(), (QWidget*)form->Frame1, (QWidget*)form->Frame2}) {
            for (const QWidget* control :
                 holder->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                EXPECT_TRUE(holder->rect().contains(control->geometry()))
                    << control->metaObject()->className() << " "
                    << control->property("text").toString().toStdString();
            }
        }
        for (const ListControl* list : {form->List1, form->List2}) {
            for (int row = 0; row < list->count(); ++row)
                EXPECT_TRUE(
                    list->viewport()->rect().contains(list->visualItemRect(list->item(row))))
                    << list->List(row).toStdString();
        }
        for (const QLabel* label : form->findChildren<QLabel*>()) {
            if (label->isVisible() && !label->wordWrap() &&
                !qobject_cast<const ArrayLabel*>(label)) {
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                    << label->text().toStdString();
            }
        }
        for (int row = 1; row < WeekGrid::Rows; ++row)
            EXPECT_TRUE(form->Label2[WeekGrid::Element(row, 0)]->ShowsCaptionWhole()) << row;
    }
};

TEST_F(FontDpiTest, TheLayoutGrowsWithTheFontAndCutsNothing)
{
    LoadForm(Line(u"Analysis I"_s, 3));
    ASSERT_DOUBLE_EQ(form->FontScale(), 1.5);
    // It opens at the designed size times the font's scale on a large screen.
    form->show();
    EXPECT_NEAR(form->LayoutFactor(), 1.5, 0.01);
    ExpectNothingCut();

    // Smaller than legible: the layout keeps its size and the window scrolls.
    form->setMinimumSize(0, 0);
    form->resize(400, 300);
    EXPECT_NEAR(form->LayoutFactor(), 1.2, 0.01);
    ExpectNothingCut();
}
