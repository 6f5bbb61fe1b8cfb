#include "support/ErrorExpectations.h"

#include "general/NumericValue.h"

#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

// The value, and what is left unread without the skipped blanks.
TEST(NumericValue, ReadsTheLeadingNumberAndTellsWhatIsLeft)
{
    const std::tuple<QString, double, QString> cases[] = {
        {u"-32e3"_s, -32000, u""_s},
        {u" 1 2"_s, 12, u""_s},
        {u"&HFF"_s, 255, u""_s},
        {u"&o78"_s, 7, u"8"_s},
        {u"1d2"_s, 100, u""_s},
        {u"2.5.3"_s, 2.5, u".3"_s},
        {u""_s, 0, u""_s},
        {u"a bc"_s, 0, u"abc"_s},
        {u"12abc"_s, 12, u"abc"_s},
        {u"\t-\n 4 2"_s, -42, u""_s},
        {u".5"_s, 0.5, u""_s},
        {u"-"_s, 0, u"-"_s},
        {u"1e"_s, 1, u"e"_s},
        {u"2e+3x"_s, 2000, u"x"_s},
        {u"1,5"_s, 1, u",5"_s},
        {u"\r5"_s, 0, u"\r5"_s},
        {u"1e-400"_s, 0, u""_s},
        {u"1e999"_s, std::numeric_limits<double>::infinity(), u""_s},
    };
    for (const auto& [text, value, rest] : cases) {
        EXPECT_EQ(STD::NumericValue(text), value) << text.toStdString();
        EXPECT_EQ(STD::TextAfterNumber(text), rest) << text.toStdString();
    }
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour)
{
    const std::pair<double, double> cases[] = {{2.5, 2},    {3.5, 4},  {-2.5, -2},
                                               {-3.5, -4},  {0.5, 0},  {2.4999, 2},
                                               {2.5001, 3}, {-0.4, 0}, {7, 7}};
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(STD::RoundHalfEven(value), rounded) << value;
}

TEST(RoundToInteger, KeepsTheRangeEndsAndRaisesOverflowBeyond)
{
    EXPECT_EQ(STD::RoundToInt16(32767.4), 32767);
    EXPECT_EQ(STD::RoundToInt16(-32768.5), -32768); // the even neighbour is in range
    EXPECT_EQ(STD::RoundToInt32(2147483647.4), 2147483647);
    for (const double outside : {32767.5, -32769.0, std::nan("")})
        EXPECT_TRUE(RaisesError(STD::Overflow, [=] { STD::RoundToInt16(outside); })) << outside;
    EXPECT_TRUE(RaisesError(STD::Overflow, [] { STD::RoundToInt32(2147483647.5); }));
}

} // namespace
