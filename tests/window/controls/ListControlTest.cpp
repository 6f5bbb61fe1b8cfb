#include "window/controls/KeyPresses.h"

#include "controls/ListControl.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(ListControlTest, SelectionClicksAtOnceAndEnterReachesKeyDown)
{
    ListControl days(ListControl::Selection::Single);
    for (const QString& day : {u"Montag"_s, u"Dienstag"_s, u"Mittwoch"_s})
        days.AddItem(day);
    days.resize(100, 100);
    QSignalSpy clicks(&days, &ListControl::Click);
    days.SetListIndex(1);
    days.SetListIndex(1);
    QTest::keyClick(&days, Qt::Key_Down);
    EXPECT_EQ(days.ListIndex(), 2);
    EXPECT_EQ(clicks.count(), 3);
    // Qt lets Ctrl+click, and a click beside the items, clear the selection.
    const QPoint onSelected = days.visualItemRect(days.item(2)).center();
    QTest::mouseClick(days.viewport(), Qt::LeftButton, Qt::ControlModifier, onSelected);
    QTest::mouseClick(days.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 90));
    EXPECT_TRUE(days.Selected(2));

    QSignalSpy keys(&days, &ListControl::KeyDown);
    QTest::keyClick(&days, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(&days, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(EnterPresses(keys), 2);
    EXPECT_EQ(days.ListIndex(), 2);
    EXPECT_EQ(clicks.count(), 3);
}

} // namespace
