#include "FormFixture.h"

#include "app/KeyCode.h"
#include "general/ListItemSearch.h"
#include "general/StdError.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>

using namespace Qt::Literals::StringLiterals;

namespace {

// The key-down reports of Enter; a modifier key held reports its own.
QList<QVariantList> EnterPresses(const QSignalSpy& keys)
{
    QList<QVariantList> enters;
    for (const QVariantList& key : keys) {
        if (key.at(0).value<qint16>() == EnterKeyCode)
            enters << key;
    }
    return enters;
}

// The chooser with the items of a small course list, in an active window:
// Qt completes and selects only in a chooser that has the focus.
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

    void PressEnter(Qt::Key key = Qt::Key_Return, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget* receiver = QApplication::activePopupWidget();
        QTest::keyClick(receiver ? receiver : QApplication::focusWidget(), key, modifiers);
    }

    QWidget window;
    ChooserBox* chooser = new ChooserBox(&window);
    QLineEdit* elsewhere = new QLineEdit(&window);
    QSignalSpy clicks{chooser, &ChooserBox::Click};
    QSignalSpy keys{chooser, &ChooserBox::KeyDown};
};

// Qt would complete "ana" to "analysis"; the typed text must also select no
// item, even when it equals one.
TEST_F(ChooserTest, TypedTextStaysAsTypedAndSelectsNothing)
{
    chooser->SetListIndex(1);
    Type(u"ana"_s);
    EXPECT_EQ(chooser->Text(), u"ana");
    EXPECT_EQ(chooser->ListIndex(), -1);
    Type(u"Algebra"_s);
    EXPECT_EQ(chooser->ListIndex(), -1);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ChooserTest, EnterReachesKeyDownAndNothingElse)
{
    const struct
    {
        QString typed;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        qint16 shift;
    } presses[] = {
        {u"analysis"_s, Qt::Key_Return, Qt::NoModifier, 0},
        {u"Analysis"_s, Qt::Key_Return, Qt::NoModifier, 0},
        {u"Neu"_s, Qt::Key_Enter, Qt::KeypadModifier, 0},
        {u"Neu"_s, Qt::Key_Return, Qt::ShiftModifier, 1},
    };
    for (const auto& press : presses) {
        Type(press.typed);
        keys.clear();
        PressEnter(press.key, press.modifiers);
        const QList<QVariantList> enters = EnterPresses(keys);
        ASSERT_EQ(enters.size(), 1);
        EXPECT_EQ(enters[0].at(1).value<qint16>(), press.shift);
        // Qt would add the text as an item or select the item it matches.
        EXPECT_EQ(chooser->ListCount(), 3);
        EXPECT_EQ(chooser->ListIndex(), -1);
        EXPECT_EQ(chooser->Text(), press.typed);
    }
    EXPECT_EQ(clicks.count(), 0);
}

// Qt would select the item that equals the text when the focus leaves.
TEST_F(ChooserTest, LeavingTheChooserSelectsNothing)
{
    chooser->SetListIndex(1);
    Type(u"Analysis"_s);
    elsewhere->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(chooser->ListIndex(), -1);
    EXPECT_EQ(chooser->Text(), u"Analysis");
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ChooserTest, SelectingAnItemClicksAtOnce)
{
    QStringList seenInClick;
    QObject::connect(chooser, &ChooserBox::Click, [&] { seenInClick << chooser->Text(); });
    chooser->SetListIndex(2);
    chooser->SetListIndex(2);
    EXPECT_EQ(seenInClick, (QStringList{u"Statistik"_s, u"Statistik"_s}));
    // The user picking an item from the list.
    Type(u"xyz"_s);
    Q_EMIT chooser->activated(1);
    EXPECT_EQ(chooser->ListIndex(), 1);
    EXPECT_EQ(seenInClick.last(), u"Algebra");
}

TEST_F(ChooserTest, ChangingItemsLeavesTheEditTextAlone)
{
    // Adding the first items to an empty chooser selected none of them.
    EXPECT_EQ(chooser->Text(), QString());
    EXPECT_EQ(chooser->ListIndex(), -1);
    chooser->SetListIndex(0);
    chooser->SetList(0, u"Algebra"_s);
    chooser->SetList(1, u"Analysis"_s);
    EXPECT_EQ(chooser->List(0), u"Algebra");
    EXPECT_EQ(chooser->Text(), u"Analysis");

    chooser->SetListIndex(2);
    chooser->RemoveItem(2);
    EXPECT_EQ(chooser->ListIndex(), -1);
    EXPECT_EQ(chooser->Text(), u"Statistik");

    chooser->SetListIndex(1);
    chooser->RemoveItem(0);
    EXPECT_EQ(chooser->ListIndex(), 0);
    EXPECT_EQ(chooser->Text(), u"Analysis");
    EXPECT_EQ(chooser->List(5), QString());
    const auto raisesInvalidArgument = [](const std::function<void()>& call) {
        try {
            call();
        } catch (const STD::Error& error) {
            return error.Number() == STD::InvalidArgument;
        }
        return false;
    };
    EXPECT_TRUE(raisesInvalidArgument([&] { chooser->SetListIndex(2); }));
    EXPECT_TRUE(raisesInvalidArgument([&] { chooser->RemoveItem(-1); }));
    EXPECT_TRUE(raisesInvalidArgument([&] { chooser->SetList(2, u"X"_s); }));
    EXPECT_EQ(chooser->ListIndex(), 0);
}

TEST_F(ChooserTest, ItemSearchReachesTheItems)
{
    EXPECT_EQ(STD::FindListItem(*chooser, u"Statistik"_s, true, true, 0, 0), 2);
    EXPECT_EQ(STD::FindListItem(*chooser, u"analysis"_s, true, true, 0, 0), -1);
    ListControl list(ListControl::Selection::Single);
    list.AddItem(u"Montag"_s);
    list.AddItem(u"Dienstag"_s);
    EXPECT_EQ(STD::FindListItem(list, u"Dienstag"_s, true, true, 0, 0), 1);
}

TEST(TextFieldTest, TheLimitHoldsForTypingOnly)
{
    TextField field(5);
    field.SetText(u"-32768"_s);
    EXPECT_EQ(field.Text(), u"-32768");
    // A longer text may be shortened, but nothing added while it is too long.
    field.end(false);
    QTest::keyClick(&field, Qt::Key_9);
    EXPECT_EQ(field.Text(), u"-32768");
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.Text(), u"-3276");
    QTest::keyClick(&field, Qt::Key_9);
    EXPECT_EQ(field.Text(), u"-3276");

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
    EXPECT_EQ(trace, (QStringList{u"in 300"_s, u"in 255"_s, u"out 255"_s, u"out 255"_s}));
    trace.clear();
    field.SetText(u"255"_s);
    EXPECT_TRUE(trace.isEmpty());
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(trace, (QStringList{u"in 25"_s, u"out 25"_s}));
}

TEST(InfoFieldTest, LineBreaksAreCrLf)
{
    InfoField field;
    field.SetText(u"Raum 1\r\nProf. X"_s);
    EXPECT_EQ(field.Text(), u"Raum 1\r\nProf. X");
    EXPECT_EQ(field.blockCount(), 2);

    field.SetText(QString());
    QTest::keyClicks(&field, u"a"_s);
    QTest::keyClick(&field, Qt::Key_Return);
    QTest::keyClicks(&field, u"b"_s);
    EXPECT_EQ(field.Text(), u"a\r\nb");

    // Until the user edits it, the text reads back exactly as it was set.
    field.SetText(u"a\rb\nc"_s);
    EXPECT_EQ(field.Text(), u"a\rb\nc");
}

TEST(InfoFieldTest, ChangeOnlyWhenTheTextChanges)
{
    InfoField field;
    QSignalSpy changes(&field, &InfoField::Change);
    field.SetText(u"Raum 1\r\nProf. X"_s);
    EXPECT_EQ(changes.count(), 1);
    field.SetText(u"Raum 1\r\nProf. X"_s);
    field.setPlainText(u"Raum 1\nProf. X"_s);
    EXPECT_EQ(changes.count(), 1);
    QTest::keyClicks(&field, u"!"_s);
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(field.Text(), u"!Raum 1\r\nProf. X");
}

TEST(ListControlTest, ASingleSelectionClicksAtOnceAndCannotBeCleared)
{
    ListControl days(ListControl::Selection::Single);
    for (const QString& day : {u"Montag"_s, u"Dienstag"_s, u"Mittwoch"_s})
        days.AddItem(day);
    days.resize(100, 100);
    QSignalSpy clicks(&days, &ListControl::Click);
    days.SetListIndex(1);
    days.SetListIndex(1);
    EXPECT_EQ(clicks.count(), 2);
    QTest::keyClick(&days, Qt::Key_Down);
    EXPECT_EQ(days.ListIndex(), 2);
    EXPECT_EQ(clicks.count(), 3);

    // Qt lets Ctrl+click, and a click beside the items, clear the selection.
    const QPoint onSelected = days.visualItemRect(days.item(2)).center();
    QTest::mouseClick(days.viewport(), Qt::LeftButton, Qt::ControlModifier, onSelected);
    QTest::mouseClick(days.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 90));
    EXPECT_TRUE(days.Selected(2));
    EXPECT_EQ(days.ListIndex(), 2);
}

TEST(ListControlTest, EnterReachesKeyDown)
{
    ListControl slots(ListControl::Selection::Extended);
    for (const QString& slot : {u"09-11 Uhr"_s, u"11-13 Uhr"_s})
        slots.AddItem(slot);
    slots.SetSelected(0, true);
    slots.SetSelected(1, true);
    QSignalSpy keys(&slots, &ListControl::KeyDown);
    QTest::keyClick(&slots, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(&slots, Qt::Key_Enter, Qt::KeypadModifier);
    const QList<QVariantList> enters = EnterPresses(keys);
    ASSERT_EQ(enters.size(), 2);
    EXPECT_EQ(enters[0].at(1).value<qint16>(), 2);
    EXPECT_EQ(enters[1].at(1).value<qint16>(), 0);
    EXPECT_TRUE(slots.Selected(0) && slots.Selected(1));
}

TEST(KeyCodeTest, KeysAreNumberedAsTheHandlersExpect)
{
    const struct
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        qint16 code;
        qint16 shift;
    } keys[] = {
        {Qt::Key_Enter, Qt::KeypadModifier, 13, 0},
        {Qt::Key_A, Qt::ShiftModifier, 65, 1},
        {Qt::Key_5, Qt::KeypadModifier, 101, 0},
        {Qt::Key_Escape, Qt::ControlModifier | Qt::AltModifier, 27, 6},
        {Qt::Key_F2, Qt::NoModifier, 113, 0},
        {Qt::Key_Eacute, Qt::NoModifier, 0, 0},
    };
    for (const auto& k : keys) {
        const QKeyEvent event(QEvent::KeyPress, k.key, k.modifiers);
        EXPECT_EQ(KeyCodeOf(event), k.code) << k.key;
        EXPECT_EQ(ShiftStateOf(event), k.shift) << k.key;
    }
}

class FocusTest : public FormTest
{
protected:
    void SetUp() override
    {
        LoadForm({});
        ShowActive();
    }
};

TEST_F(FocusTest, LeavingTheSearchButtonIsReported)
{
    QSignalSpy lostFocus(form->Command2, &CommandButton::LostFocus);
    form->Command2->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(form->Command2->hasFocus());
    form->Text2->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(lostFocus.count(), 1);
    form->Command2->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->Command2, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->Check2);
    EXPECT_EQ(lostFocus.count(), 2);
}

TEST_F(FocusTest, TheWindowLosingActivationIsNotLeavingTheButton)
{
    form->Command2->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(form->Command2->hasFocus());
    QSignalSpy lostFocus(form->Command2, &CommandButton::LostFocus);
    // The focus moves to a field of another window.
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
