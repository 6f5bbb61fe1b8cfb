#include "support/ErrorExpectations.h"

#include "general/TextRoutines.h"

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(PadText, CutsTheFrontOffOrPadsWithTheFillWalkedBackwards)
{
    const struct
    {
        QString text, fill;
        qint16 length;
        bool padLeft;
        QString result;
    } cases[] = {
        {u"9"_s, u"0"_s, 2, true, u"09"_s},      {u"11"_s, u"0"_s, 2, true, u"11"_s},
        {u"123"_s, u"0"_s, 2, true, u"23"_s},    {u"123"_s, u"0"_s, 2, false, u"23"_s},
        {u"X"_s, u"ab"_s, 4, true, u"babX"_s},   {u"X"_s, u"ab"_s, 4, false, u"Xbab"_s},
        {u"X"_s, u"abc"_s, 5, true, u"cabcX"_s}, {u"abc"_s, u""_s, 3, true, u"abc"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(STD::PadText(c.text, c.fill, c.length, c.padLeft), c.result)
            << c.result.toStdString();
    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [] { STD::PadText(u"a"_s, u"0"_s, -1, true); }));
    EXPECT_TRUE(RaisesError(STD::DivisionByZero, [] { STD::PadText(u"a"_s, u""_s, 3, false); }));
}

TEST(NumberTextAndTrimText, WriteWholeNumbersPlainlyAndTrimBlanksOnly)
{
    const std::pair<double, QString> numbers[] = {
        {0, u"0"_s}, {-5, u"-5"_s}, {16711680, u"16711680"_s}, {-0.0, u"0"_s}, {0.5, u"0.5"_s}};
    for (const auto& [value, text] : numbers)
        EXPECT_EQ(STD::NumberText(value), text) << value;

    const std::pair<QString, QString> trims[] = {{u"  a b  "_s, u"a b"_s},
                                                 {u"   "_s, u""_s},
                                                 {u"\ta\t"_s, u"\ta\t"_s},
                                                 {u" \r\n"_s, u"\r\n"_s}};
    for (const auto& [text, trimmed] : trims)
        EXPECT_EQ(STD::TrimText(text), trimmed) << text.toStdString();
}

TEST(RepeatText, RepeatsByACountGivenAsText)
{
    EXPECT_EQ(STD::RepeatText(u"0"_s, u"20"_s), QString(20, u'0'));
    EXPECT_EQ(STD::RepeatText(u"ab"_s, u"3"_s), u"ababab"_s);
    EXPECT_EQ(STD::RepeatText(u"0"_s, u"0"_s), u""_s);
    EXPECT_EQ(STD::RepeatText(u"0"_s, u"-4"_s), u""_s);
    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [] { STD::RepeatText(u"0"_s, u"zwanzig"_s); }));
    EXPECT_TRUE(RaisesError(STD::Overflow, [] { STD::RepeatText(u"0"_s, u"99999999999"_s); }));
}

TEST(ReplaceText, ReplacesFromLeftToRightWithoutOverlapping)
{
    const std::tuple<QString, QString, QString, QString> cases[] = {
        {u"a#13b#13"_s, u"#13"_s, u"\r\n"_s, u"a\r\nb\r\n"_s},
        {u"##133"_s, u"#13"_s, u"\r\n"_s, u"#\r\n3"_s},
        {u"aaa"_s, u"aa"_s, u"b"_s, u"ba"_s},
        {u",,"_s, u","_s, u"#44"_s, u"#44#44"_s},
        {u"ohne"_s, u"#44"_s, u","_s, u"ohne"_s},
        {u""_s, u"#13"_s, u"x"_s, u""_s},
        {u"abc"_s, u""_s, u"x"_s, u"abc"_s},
    };
    for (const auto& [text, before, after, result] : cases)
        EXPECT_EQ(STD::ReplaceText(text, before, after), result) << text.toStdString();
}

} // namespace
