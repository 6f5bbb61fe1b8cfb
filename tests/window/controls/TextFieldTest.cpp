#include "controls/TextField.h"
#include "support/QtPrinting.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

// The limit holds for what the user types or pastes; the program's text is
// kept whole by whichever route it comes: QLineEdit's setText cannot be
// hidden from a caller that holds a QLineEdit.
TEST(TextFieldTest, TheLimitHoldsForTheUsersInputOnly)
{
    TextField field(5);
    QLineEdit& asLineEdit = field;
    const std::pair<const char*, std::function<void()>> programSets[] = {
        {"SetText", [&] { field.SetText(u"-32768"_s); }},
        {"QLineEdit::setText", [&] { asLineEdit.setText(u"-32768"_s); }},
        {"insert", [&] { asLineEdit.insert(u"-32768"_s); }},
    };
    for (const auto& [route, set] : programSets) {
        field.clear();
        set();
        EXPECT_EQ(field.Text(), u"-32768") << route;
    }
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
    // Pasted into the middle: what does not fit is cut from the pasted text.
    QApplication::clipboard()->setText(u"abcd"_s);
    field.SetText(u"12"_s);
    field.setCursorPosition(1);
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field.Text(), u"1abc2");
    // The same from the context menu.
    field.SetText(u"12"_s);
    field.setCursorPosition(1);
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->text().contains(u"Paste"))
                action->trigger();
        }
        menu->close();
    });
    QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(1, 1),
                                field.mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(&field, &menuEvent);
    EXPECT_EQ(field.Text(), u"1abc2");

    // A handler that sets the field while the user's key is handled sets
    // the program's text.
    QObject::connect(&field, &TextField::Change, [&] {
        if (field.Text().endsWith(u'!'))
            asLineEdit.setText(u"zu lang!!"_s);
    });
    field.SetText(u"1"_s);
    QTest::keyClick(&field, Qt::Key_Exclam);
    EXPECT_EQ(field.Text(), u"zu lang!!");
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

} // namespace
