#include "ErrorExpectations.h"
#include "TempDir.h"

#include "general/TextRoutines.h"

using namespace Qt::Literals::StringLiterals;

namespace {

struct PadCase
{
    QString text;
    QString fill;
    qint16 length;
    bool padLeft;
    QString result;
};

inline void PrintTo(const PadCase& c, std::ostream* out)
{
    *out << c.result.toStdString();
}

class PadTextTest : public testing::TestWithParam<PadCase>
{
};

TEST_P(PadTextTest, BringsTheTextToItsLength)
{
    const PadCase& c = GetParam();
    EXPECT_EQ(STD::PadText(c.text, c.fill, c.length, c.padLeft), c.result);
}

INSTANTIATE_TEST_SUITE_P(Cases, PadTextTest,
                         testing::Values(PadCase{u"9"_s, u"0"_s, 2, true, u"09"_s},
                                         PadCase{u"11"_s, u"0"_s, 2, true, u"11"_s},
                                         PadCase{u"123"_s, u"0"_s, 2, true, u"23"_s},
                                         PadCase{u"123"_s, u"0"_s, 2, false, u"23"_s},
                                         PadCase{u"X"_s, u"ab"_s, 4, true, u"babX"_s},
                                         PadCase{u"X"_s, u"ab"_s, 4, false, u"Xbab"_s},
                                         PadCase{u"X"_s, u"abc"_s, 5, true, u"cabcX"_s},
                                         PadCase{u""_s, u"-"_s, 3, true, u"---"_s},
                                         PadCase{u"abc"_s, u""_s, 3, true, u"abc"_s},
                                         PadCase{u"abc"_s, u"x"_s, 0, true, u""_s}));

TEST(PadText, RefusesANegativeLengthAndAnEmptyFill)
{
    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [] { STD::PadText(u"a"_s, u"0"_s, -1, true); }));
    EXPECT_TRUE(RaisesError(STD::DivisionByZero, [] { STD::PadText(u"a"_s, u""_s, 3, false); }));
}

TEST(NumberText, WritesWholeNumbersPlainly)
{
    const std::pair<double, QString> cases[] = {
        {0, u"0"_s},
        {9, u"9"_s},
        {-5, u"-5"_s},
        {16711680, u"16711680"_s},
        {-32768, u"-32768"_s},
        {-0.0, u"0"_s},
        {2147483647, u"2147483647"_s},
        {0.5, u"0.5"_s},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(STD::NumberText(value), text) << value;
}

TEST(TrimText, RemovesBlanksOnlyAtBothEnds)
{
    const std::pair<QString, QString> cases[] = {
        {u"  a b  "_s, u"a b"_s}, {u"   "_s, u""_s},       {u""_s, u""_s},
        {u"\ta\t"_s, u"\ta\t"_s}, {u" \r\n"_s, u"\r\n"_s}, {u"x"_s, u"x"_s},
    };
    for (const auto& [text, trimmed] : cases)
        EXPECT_EQ(STD::TrimText(text), trimmed);
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

TEST(LineBreak, IsCarriageReturnAndLineFeed)
{
    EXPECT_EQ(STD::LineBreak(), u"\r\n"_s);
}

} // namespace
