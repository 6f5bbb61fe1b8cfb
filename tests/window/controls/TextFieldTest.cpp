#include "controls/TextField.h"
#include "support/QtPrinting.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

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

} // namespace
