#include "window/FormFixture.h"

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
}

// The info panel covers "Info", which the tab key then passes by; "OK"
// uncovers it and makes it a tab stop until it is clicked again.
TEST_F(LayoutTest, TheTabKeyPassesTheCoveredInfoButtonBy)
{
    ShowActive();
    Form1& f = *form;
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
