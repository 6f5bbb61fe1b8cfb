#include "window/FormFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>

using namespace Qt::Literals::StringLiterals;

namespace {

// The focus moving to another control is covered with the search run.
using FocusTest = FormTest;

TEST_F(FocusTest, TheWindowLosingActivationIsNotLeavingTheSearchButton)
{
    LoadForm({});
    ShowActive();
    form->Command2->setFocus(Qt::TabFocusReason);
    QSignalSpy lostFocus(form->Command2, &CommandButton::LostFocus);
    QLineEdit other;
    other.setFocus();
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    ASSERT_EQ(QApplication::focusWidget(), &other);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(lostFocus.count(), 0);
    EXPECT_TRUE(form->Command2->hasFocus());
}

} // namespace
