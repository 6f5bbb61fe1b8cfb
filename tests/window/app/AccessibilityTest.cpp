#include "window/FormFixture.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QCheckBox>

using namespace Qt::Literals::StringLiterals;

namespace {

QString AccessibleText(QWidget* control, QAccessible::Text kind)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(kind) : u"(none)"_s;
}

using AccessibilityTest = FormTest;

TEST_F(AccessibilityTest, GridCellsTellTheirDayTimeAndCourse)
{
    LoadForm(Line(u"Analysis"_s, 2, {6}));
    ArrayLabel& cell = *form->Label2[BodyElement(6)];
    EXPECT_EQ(AccessibleText(&cell, QAccessible::Description), u"Dienstag, 11-13 Uhr: frei"_s);
    form->ShowDistribution({CellAtPosition(6)}, 2);
    EXPECT_EQ(AccessibleText(&cell, QAccessible::Name), u"Analysis"_s);
    EXPECT_EQ(AccessibleText(&cell, QAccessible::Description), u"Dienstag, 11-13 Uhr: Analysis"_s);
    EXPECT_EQ(AccessibleText(form->Label2[BodyElement(20)], QAccessible::Description),
              u"Freitag, 15-17 Uhr: frei"_s);
    form->ShowDistribution(Distribution(1), 0);
    EXPECT_EQ(AccessibleText(&cell, QAccessible::Description), u"Dienstag, 11-13 Uhr: frei"_s);
}

} // namespace
