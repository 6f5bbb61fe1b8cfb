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

TEST_F(AccessibilityTest, EveryFieldAndListHasANameOfItsOwn)
{
    LoadForm({});
    Form1& f = *form;
    const std::pair<QWidget*, QString> names[] = {
        {f.Combo1, u"Lehrveranstaltung"_s},
        {f.List1, u"Tag"_s},
        {f.List2, u"Uhrzeit"_s},
        {f.Text2, u"Priorität"_s},
        {f.Text4[0], u"Farbe Rot"_s},
        {f.Text4[1], u"Farbe Grün"_s},
        {f.Text4[2], u"Farbe Blau"_s},
        {f.Text1, u"Notizen"_s},
        {f.Check1, u"Alle besuchen"_s},
        {f.Check2, u"Schriftfarbe anpassen"_s},
        {f.Command2, u"Suchen"_s},
    };
    for (const auto& [control, name] : names)
        EXPECT_EQ(AccessibleText(control, QAccessible::Name), name);
}

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
