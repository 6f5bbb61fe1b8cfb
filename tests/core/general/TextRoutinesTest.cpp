#include "general/TextRoutines.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// What the program pads and repeats: the hours to two digits, the empty
// slot mask.
TEST(TextRoutines, PadRepeatWriteNumbersAndTrimAsTheProgramNeeds)
{
    EXPECT_EQ(STD::PadText(u"9"_s, u"0"_s, 2, true), u"09"_s);
    EXPECT_EQ(STD::PadText(u"11"_s, u"0"_s, 2, true), u"11"_s);
    EXPECT_EQ(STD::RepeatText(u"0"_s, u"20"_s), QString(20, u'0'));

    const std::pair<double, QString> numbers[] = {
        {-5, u"-5"_s}, {16711680, u"16711680"_s}, {-0.0, u"0"_s}, {0.5, u"0.5"_s}};
    for (const auto& [value, text] : numbers)
        EXPECT_EQ(STD::NumberText(value), text) << value;
    EXPECT_EQ(STD::TrimText(u"  a b  "_s), u"a b"_s);
    EXPECT_EQ(STD::TrimText(u"\ta\t"_s), u"\ta\t"_s);
}

TEST(ReplaceText, ReplacesFromLeftToRightWithoutOverlapping)
{
    const std::tuple<QString, QString, QString, QString> cases[] = {
        {u"a#13b#13"_s, u"#13"_s, u"\r\n"_s, u"a\r\nb\r\n"_s},
        {u"##133"_s, u"#13"_s, u"\r\n"_s, u"#\r\n3"_s},
        {u"aaa"_s, u"aa"_s, u"b"_s, u"ba"_s},
        {u",,"_s, u","_s, u"#44"_s, u"#44#44"_s},
        {u"abc"_s, u""_s, u"x"_s, u"abc"_s},
    };
    for (const auto& [text, before, after, result] : cases)
        EXPECT_EQ(STD::ReplaceText(text, before, after), result) << text.toStdString();
}

} // namespace
