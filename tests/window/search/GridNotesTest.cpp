#include "window/FormFixture.h"

#include <QCheckBox>

using namespace Qt::Literals::StringLiterals;

using GridNotesTest = FormTest;

// Three courses want Montag 09-11 only; the best takes it, the others are
// left out and named in the corner, in the cell and to a screen reader.
TEST_F(GridNotesTest, TheCornerNamesTheCoursesLeftOut)
{
    LoadForm(Line(u"Klein"_s, 1) + Line(u"Groß"_s, 9) + Line(u"Mittel"_s, 5) +
             Line(u"Anderswo"_s, 2, {7}));
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    const ArrayLabel& corner = *form->Label2[CornerElement];
    EXPECT_EQ(corner.toolTip(), u"Nicht eingeplant:\nMittel\nKlein"_s);
    EXPECT_EQ(corner.accessibleDescription(), corner.toolTip());
    EXPECT_EQ(form->Label2[BodyElement(1)]->toolTip(), u"Auch angeboten:\nMittel\nKlein"_s);
    EXPECT_EQ(form->Label2[BodyElement(7)]->toolTip(), QString());
    EXPECT_EQ(form->Command2->accessibleDescription(),
              u"Wert: 11, 2 Veranstaltungen nicht eingeplant"_s);

    LoadForm(Line(u"A"_s, 1));
    form->Command2->click();
    EXPECT_EQ(form->Label2[CornerElement]->toolTip(), u"Alle Veranstaltungen sind eingeplant."_s);
}

// Tab reaches the grid after "Schriftfarbe anpassen"; arrows move between
// body cells and stop at the edge; Enter picks the cell's course.
TEST_F(GridNotesTest, TheKeyboardWalksTheGridAndPicksACourse)
{
    LoadForm(Line(u"A"_s, 1, {1}) + Line(u"B"_s, 1, {6}));
    ShowActive();
    form->Command2->click();
    form->Check2->setFocus();
    QTest::keyClick(form->Check2, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form->Label2[BodyElement(1)]);
    const std::pair<Qt::Key, int> route[] = {
        {Qt::Key_Up, 1}, {Qt::Key_Left, 1}, {Qt::Key_Right, 5}, {Qt::Key_Down, 6}};
    for (const auto& [key, position] : route) {
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(QApplication::focusWidget(), form->Label2[BodyElement(position)]) << key;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(form->Combo1->List(form->Combo1->ListIndex()), u"B"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->Command3);
}
