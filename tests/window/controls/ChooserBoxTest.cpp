#include "window/controls/KeyPresses.h"

#include "controls/ChooserBox.h"
#include "support/ErrorExpectations.h"

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

    QStringList Items() const
    {
        QStringList items;
        for (int i = 0; i < chooser->ListCount(); ++i)
            items << chooser->List(i);
        return items;
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

    // Removing an item before the selected one moves the selection with its
    // item; removing the selected one selects none. The text stays.
    chooser->SetListIndex(2);
    chooser->RemoveItem(0);
    EXPECT_EQ(chooser->ListIndex(), 1);
    EXPECT_EQ(chooser->List(chooser->ListIndex()), u"Statistik");
    chooser->RemoveItem(1);
    EXPECT_EQ(chooser->ListIndex(), -1);
    EXPECT_EQ(chooser->Text(), u"Statistik");

    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [&] { chooser->SetListIndex(1); }));
    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [&] { chooser->RemoveItem(-1); }));
    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [&] { chooser->SetList(1, u"X"_s); }));

    // Items changed past the chooser's own methods read as Qt holds them.
    chooser->addItem(u"Direkt"_s);
    chooser->setItemText(0, u"Geändert"_s);
    EXPECT_EQ(Items(), (QStringList{u"Geändert"_s, u"Direkt"_s}));
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
    const QStringList reordered{u"Statistik"_s, u"Analysis"_s, u"Algebra"_s};
    EXPECT_EQ(Items(), reordered);

    for (const std::vector<int>& wrong : {std::vector<int>{0, 1}, {0, 0, 1}, {0, 1, 3}})
        EXPECT_TRUE(RaisesError(STD::InvalidArgument, [&] { chooser->ReorderItems(wrong); }));
    // Items added after a reorder join the same list.
    chooser->AddItem(u"Neu"_s);
    EXPECT_EQ(Items(), reordered + QStringList{u"Neu"_s});
}

} // namespace
