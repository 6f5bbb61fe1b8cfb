#include "controls/TextField.h"
#include "support/QtPrinting.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

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

} // namespace
