#include "window/controls/KeyPresses.h"

#include "controls/ChooserBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// The chooser in an active window: Qt completes and selects only in a
// chooser that has the focus.
class ChooserTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const QString& name : {u"Analysis"_s, u"Algebra"_s, u"Statistik"_s})
            chooser->AddItem(name);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        chooser->setFocus(Qt::TabFocusReason);
    }

    void Type(const QString& text)
    {
        chooser->lineEdit()->selectAll();
        QTest::keyClicks(QApplication::focusWidget(), text);
    }

    QWidget window;
    ChooserBox* chooser = new ChooserBox(&window);
    QLineEdit* elsewhere = new QLineEdit(&window);
    QSignalSpy clicks{chooser, &ChooserBox::Click};
};

// Qt would complete "ana" to "analysis", select the item that equals the
// text when the focus leaves, and on Enter add the text as an item or
// select the item it matches.
TEST_F(ChooserTest, TypedTextAndEnterNeitherSelectNorAddAnItem)
{
    chooser->SetListIndex(1);
    QSignalSpy keys{chooser, &ChooserBox::KeyDown};
    const std::pair<QString, Qt::KeyboardModifiers> presses[] = {
        {u"ana"_s, Qt::KeypadModifier},
        {u"analysis"_s, Qt::NoModifier},
        {u"Analysis"_s, Qt::ShiftModifier},
    };
    for (const auto& [typed, modifiers] : presses) {
        Type(typed);
        keys.clear();
        QWidget* popup = QApplication::activePopupWidget();
        const Qt::Key enter = modifiers == Qt::KeypadModifier ? Qt::Key_Enter : Qt::Key_Return;
        QTest::keyClick(popup ? popup : QApplication::focusWidget(), enter, modifiers);
        EXPECT_EQ(EnterPresses(keys), 1) << typed.toStdString();
        EXPECT_EQ(chooser->ListCount(), 3);
        EXPECT_EQ(chooser->ListIndex(), -1);
        EXPECT_EQ(chooser->Text(), typed);
    }
    elsewhere->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(chooser->ListIndex(), -1);
    EXPECT_EQ(clicks.count(), 1);
}

} // namespace
