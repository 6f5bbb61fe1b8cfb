#include "window/FormFixture.h"

#include <QLineEdit>
#include <QSignalSpy>

using namespace Qt::Literals::StringLiterals;

namespace {

using SortingTest = FormTest;

// The chooser's items, checked to name the courses in the same order.
QStringList CourseNames(const Form1& form)
{
    QStringList names;
    for (int i = 0; i < form.Combo1->ListCount(); ++i) {
        names << form.Combo1->List(i);
        EXPECT_EQ(form.Courses[i].Caption, names.last());
    }
    return names;
}

TEST_F(SortingTest, TheChosenCourseStaysChosenAndShown)
{
    LoadForm(Line(u"A"_s, 1) + Line(u"B"_s, 2) + Line(u"C"_s, 3));
    QSignalSpy clicks(form->Combo1, &ChooserBox::Click);
    QTest::mouseClick(form->Command4, Qt::LeftButton);
    EXPECT_EQ(CourseNames(*form), (QStringList{u"C"_s, u"B"_s, u"A"_s}));
    EXPECT_EQ(form->Combo1->ListIndex(), 2);
    // A moves twice: 0 to 1 to 2, and the selection with it.
    EXPECT_EQ(clicks.count(), 2);
    // Where nothing moves, the end of the sort shows the chosen course again.
    form->Combo1->SetText(u"anders"_s);
    form->Command4_Click();
    EXPECT_EQ(form->Combo1->Text(), u"A");

    // A name being typed survives the sort.
    form->Combo1->lineEdit()->selectAll();
    QTest::keyClicks(form->Combo1, u"Neu"_s);
    QTest::mouseClick(form->Command3, Qt::LeftButton);
    EXPECT_EQ(CourseNames(*form), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
    EXPECT_EQ(form->Combo1->Text(), u"Neu");
}

} // namespace
