#include "window/FormFixture.h"

#include "controls/Twips.h"
#include "export/PackedColor.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

class LayoutTest : public FormTest
{
protected:
    void SetUp() override { LoadForm({}); }
};

// Every control lies within the one that holds it, and none covers another
// but where the layout means it to: the info panel over its button, the
// about text's last line beside "OK", and two fields over the end of their
// labels.
TEST_F(LayoutTest, NoControlCoversAnotherAndTheGridStandsInItsRows)
{
    Form1& f = *form;
    EXPECT_EQ(f.size(), QSize(729, 574));
    const std::pair<QWidget*, QWidget*> meant[] = {{f.Frame2, f.Command6},
                                                   {f.Label4, f.Command5},
                                                   {f.Label1, f.Text2},
                                                   {f.Label3, f.Text4[0]}};
    const auto isMeant = [&](const QWidget* a, const QWidget* b) {
        return std::any_of(std::begin(meant), std::end(meant), [&](const auto& pair) {
            return (pair.first == a && pair.second == b) || (pair.first == b && pair.second == a);
        });
    };
    for (QWidget* holder : {static_cast<QWidget*>(&f), static_cast<QWidget*>(f.Frame1),
                            static_cast<QWidget*>(f.Frame2)}) {
        QList<QWidget*> controls = holder->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        // A popup such as the grid's menu is a window of its own, not a control.
        controls.removeIf([](const QWidget* control) { return control->isWindow(); });
        for (const QWidget* control : controls) {
            const std::string name = control->metaObject()->className();
            EXPECT_TRUE(holder->rect().contains(control->geometry())) << name;
            for (const QWidget* other : controls) {
                if (control != other && !isMeant(control, other)) {
                    EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                        << name << " and " << other->metaObject()->className();
                }
            }
        }
    }
    EXPECT_EQ(f.Label2[7]->geometry().topLeft(), QPoint(2520, 6000) / TwipsPerPixel);
    EXPECT_EQ(f.Label2[29]->geometry().topLeft(), QPoint(8280, 7800) / TwipsPerPixel);
    EXPECT_FALSE(f.Label2.Exists(30));
}

TEST_F(LayoutTest, CaptionsFontsAndColoursAtStart)
{
    Form1& f = *form;
    const std::pair<QString, QString> captions[] = {
        {f.windowTitle(), u"Kalustra[*]"_s},
        {f.Frame1->title(), u"Lehrveranstaltungen"_s},
        {f.Command1->text(), u"Eintrag löschen"_s},
        {f.Command4->text(), u"Veranstaltungen nach Priorität sortieren"_s},
        {f.Check2->text(), u"Schriftfarbe anpassen"_s},
        {f.List1->List(0) + u'|' + f.List1->List(4), u"Montag|Freitag"_s},
        {f.List2->List(0) + u'|' + f.List2->List(3), u"09-11 Uhr|15-17 Uhr"_s},
        {f.Label2[0]->text() + u'|' + f.Label2[5]->text() + u'|' + f.Label2[6]->text(),
         u"|Freitag|09.00 - 11.00"_s},
    };
    for (const auto& [shown, expected] : captions)
        EXPECT_EQ(shown, expected);
    EXPECT_EQ(f.List1->ListIndex(), 0);
    EXPECT_TRUE(f.Frame2->font().bold() && !f.Label4->font().bold() && !f.Command5->font().bold());
    // Red is the low byte of a packed colour.
    EXPECT_EQ(f.Frame2->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(PackedFromColor(QColor(0x56, 0x34, 0x12)), 0x123456);
    EXPECT_EQ(ColorFromPacked(qint32(0xFF0000FFu)), QColor(255, 0, 0));
    for (int index = 0; index < 30; ++index) {
        const ArrayLabel& cell = *f.Label2[index];
        if (index > 6 && index % 6 != 0) {
            EXPECT_EQ(cell.text(), u"-"_s) << index;
        }
        EXPECT_TRUE(cell.isVisibleTo(&f) && cell.font().bold() &&
                    cell.alignment() == Qt::AlignCenter)
            << index;
        EXPECT_EQ(BackColor(cell), 0xD0D0D0) << index;
    }
    // The about text in its nine lines, two of them empty.
    const QStringList lines = f.Label4->text().split(u"\r\n"_s);
    ASSERT_EQ(lines.size(), 9);
    EXPECT_TRUE(lines[0] == u"Kalustra" && lines[2].isEmpty() && lines[5].isEmpty());
}

// The info panel covers "Info", which the tab key then passes by; "OK"
// uncovers it and makes it a tab stop until it is clicked again.
TEST_F(LayoutTest, TabOrderFollowsTheLayoutAndPassesTheCoveredInfoButtonBy)
{
    ShowActive();
    Form1& f = *form;
    const QWidget* const expected[] = {f.Combo1,   f.List1,
                                       f.List2,    f.Command1,
                                       f.Text2,    f.Check1,
                                       f.Text4[0], f.Text4[1],
                                       f.Text4[2], f.Text1,
                                       f.Text3,    f.Command2,
                                       f.Check2,   f.Label2[BodyElement(1)],
                                       f.Command3, f.Command4,
                                       f.Command5, f.Combo1};
    EXPECT_EQ(QApplication::focusWidget(), f.Combo1);
    for (std::size_t i = 1; i < std::size(expected); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected[i]) << "after tab " << i;
    }
    const auto nextAfterCommand4 = [&] {
        f.Command4->setFocus();
        QTest::keyClick(f.Command4, Qt::Key_Tab);
        return QApplication::focusWidget();
    };
    const QPoint infoButton = f.Command6->geometry().center();
    EXPECT_TRUE(f.Frame2->isAncestorOf(f.childAt(infoButton)) || f.childAt(infoButton) == f.Frame2);
    QTest::mouseClick(f.Command5, Qt::LeftButton);
    EXPECT_TRUE(f.Frame2->isHidden());
    EXPECT_EQ(f.childAt(infoButton), f.Command6);
    EXPECT_EQ(nextAfterCommand4(), f.Command6);
    QTest::mouseClick(f.Command6, Qt::LeftButton);
    EXPECT_FALSE(f.Frame2->isHidden());
    EXPECT_EQ(nextAfterCommand4(), f.Command5);
    QTest::keyClick(f.Command5, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f.Combo1);
}

} // namespace
