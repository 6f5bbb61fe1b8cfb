#include "window/FormFixture.h"

#include "support/ErrorExpectations.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// The handlers act on key code 13 only, whatever the shift state.
qsizetype EnterPresses(const QSignalSpy& keys)
{
    return std::count_if(keys.begin(), keys.end(),
                         [](const QVariantList& key) { return key.at(0).value<qint16>() == 13; });
}

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

TEST_F(ChooserTest, SelectingAnItemClicksAtOnce)
{
    QStringList seenInClick;
    QObject::connect(chooser, &ChooserBox::Click, [&] { seenInClick << chooser->Text(); });
    chooser->SetListIndex(2);
    chooser->SetListIndex(2);
    // The user picking an item from the list.
    Type(u"xyz"_s);
    Q_EMIT chooser->activated(1);
    EXPECT_EQ(chooser->ListIndex(), 1);
    EXPECT_EQ(seenInClick, (QStringList{u"Statistik"_s, u"Statistik"_s, u"Algebra"_s}));
}

TEST_F(ChooserTest, ChangingItemsLeavesTheEditTextAlone)
{
    // Adding the first items to an empty chooser selected none of them.
    EXPECT_EQ(chooser->Text(), QString());
    EXPECT_EQ(chooser->ListIndex(), -1);
    chooser->SetListIndex(0);
    chooser->SetList(0, u"Algebra"_s);
    chooser->SetList(1, u"Analysis"_s);
    EXPECT_EQ(chooser->Text(), u"Analysis");

    chooser->SetListIndex(2);
    chooser->RemoveItem(2);
    EXPECT_EQ(chooser->ListIndex(), -1);
    EXPECT_EQ(chooser->Text(), u"Statistik");

    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [&] { chooser->SetListIndex(2); }));
    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [&] { chooser->RemoveItem(-1); }));
    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [&] { chooser->SetList(2, u"X"_s); }));
}

// A sort's new order arrives in one step; the selected item goes with it.
TEST_F(ChooserTest, ReorderingKeepsTheSelectedItemAndTheEditText)
{
    chooser->SetListIndex(0);
    chooser->SetText(u"getippt"_s);
    chooser->ReorderItems({2, 0, 1});
    EXPECT_EQ(chooser->ListIndex(), 1);
    EXPECT_EQ(chooser->Text(), u"getippt");
    EXPECT_EQ(chooser->currentIndex(), 1);
    // The selection is where it was: picking nothing new, no Click.
    EXPECT_EQ(clicks.count(), 1);
    QStringList items;
    for (int i = 0; i < chooser->ListCount(); ++i)
        items << chooser->List(i);
    EXPECT_EQ(items, (QStringList{u"Statistik"_s, u"Analysis"_s, u"Algebra"_s}));

    for (const std::vector<int>& wrong : {std::vector<int>{0, 1}, {0, 0, 1}, {0, 1, 3}}) {
        EXPECT_TRUE(RaisesError(STD::InvalidArgument, [&] { chooser->ReorderItems(wrong); }));
        EXPECT_EQ(chooser->List(0), u"Statistik");
    }
    // Items added after a reorder join the same list.
    chooser->AddItem(u"Neu"_s);
    chooser->SetList(3, u"Neuer"_s);
    EXPECT_EQ(chooser->List(3), u"Neuer");
    EXPECT_EQ(chooser->ListCount(), 4);
}

TEST(TextFieldTest, TheLimitHoldsForTypingOnly)
{
    TextField field(5);
    field.SetText(u"-32768"_s);
    // A longer text may be shortened, but nothing added while it is too long.
    field.end(false);
    for (const auto& [key, after] :
         {std::pair{Qt::Key_9, u"-32768"}, {Qt::Key_Backspace, u"-3276"}, {Qt::Key_9, u"-3276"}}) {
        QTest::keyClick(&field, key);
        EXPECT_EQ(field.Text(), after);
    }
    field.SetText(QString());
    QTest::keyClicks(&field, u"1234567"_s);
    EXPECT_EQ(field.Text(), u"12345");
    field.SetText(u"12"_s);
    field.setCursorPosition(1);
    field.insert(u"abcd"_s);
    EXPECT_EQ(field.Text(), u"1abc2");
}

// A change rule corrects its own field; the corrected text must run the rule
// again, inside the first run, before the first run goes on.
TEST(TextFieldTest, ChangesRunAtOnceAndNested)
{
    TextField field(3);
    QStringList trace;
    QObject::connect(&field, &TextField::Change, [&] {
        trace << u"in "_s + field.Text();
        if (field.Text().toInt() > 255)
            field.SetText(u"255"_s);
        trace << u"out "_s + field.Text();
    });
    field.SetText(u"300"_s);
    field.SetText(u"255"_s);
    EXPECT_EQ(trace, (QStringList{u"in 300"_s, u"in 255"_s, u"out 255"_s, u"out 255"_s}));
    trace.clear();
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(trace, (QStringList{u"in 25"_s, u"out 25"_s}));
}

// Qt keeps LF and reports a change when the same text is set again.
TEST(InfoFieldTest, LineBreaksAreCrLfAndOnlyRealChangesAreReported)
{
    InfoField field;
    QSignalSpy changes(&field, &InfoField::Change);
    field.SetText(u"Raum 1\r\nProf. X"_s);
    field.SetText(u"Raum 1\r\nProf. X"_s);
    field.setPlainText(u"Raum 1\nProf. X"_s);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(field.blockCount(), 2);
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(field.Text(), u"\r\nRaum 1\r\nProf. X");
    // Until the user edits it, the text reads back exactly as it was set.
    field.SetText(u"a\rb\nc"_s);
    EXPECT_EQ(field.Text(), u"a\rb\nc");
}

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
