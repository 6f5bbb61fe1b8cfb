#include "general/NumericValue.h"
#include "general/StdError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

struct ValueCase
{
    QString text;
    double value;
};

inline void PrintTo(const ValueCase& c, std::ostream* out)
{
    *out << '"' << c.text.toStdString() << '"';
}

class NumericValueTest : public testing::TestWithParam<ValueCase>
{
};

TEST_P(NumericValueTest, ReadsTheLeadingNumber)
{
    EXPECT_DOUBLE_EQ(STD::NumericValue(GetParam().text), GetParam().value)
        << GetParam().text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumericValueTest,
    testing::Values(ValueCase{u"-32e3"_s, -32000}, ValueCase{u" 1 2"_s, 12},
                    ValueCase{u"&HFF"_s, 255}, ValueCase{u"&hff"_s, 255}, ValueCase{u"&O17"_s, 15},
                    ValueCase{u"&o78"_s, 7}, ValueCase{u"&HZ"_s, 0}, ValueCase{u"&X1"_s, 0},
                    ValueCase{u"1d2"_s, 100}, ValueCase{u"1D-2"_s, 0.01},
                    ValueCase{u"2.5.3"_s, 2.5}, ValueCase{u""_s, 0}, ValueCase{u"abc"_s, 0},
                    ValueCase{u"12abc"_s, 12}, ValueCase{u"\t-\n 4 2"_s, -42},
                    ValueCase{u"+7"_s, 7}, ValueCase{u".5"_s, 0.5}, ValueCase{u"5."_s, 5},
                    ValueCase{u"-"_s, 0}, ValueCase{u"."_s, 0}, ValueCase{u"1e"_s, 1},
                    ValueCase{u"1e+"_s, 1}, ValueCase{u"2e+3x"_s, 2000}, ValueCase{u"1,5"_s, 1},
                    ValueCase{u"\r5"_s, 0}, ValueCase{u"１"_s, 0}, ValueCase{u"1e-400"_s, 0},
                    ValueCase{u"00042"_s, 42}));

TEST(NumericValue, HugeExponentsGiveInfinity)
{
    EXPECT_EQ(STD::NumericValue(u"1e999"_s), std::numeric_limits<double>::infinity());
    EXPECT_EQ(STD::NumericValue(u"-9e999"_s), -std::numeric_limits<double>::infinity());
}

struct RoundCase
{
    double value;
    double rounded;
};

inline void PrintTo(const RoundCase& c, std::ostream* out)
{
    *out << c.value;
}

class RoundHalfEvenTest : public testing::TestWithParam<RoundCase>
{
};

TEST_P(RoundHalfEvenTest, RoundsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(STD::RoundHalfEven(GetParam().value), GetParam().rounded) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Values, RoundHalfEvenTest,
                         testing::Values(RoundCase{2.5, 2}, RoundCase{3.5, 4}, RoundCase{-2.5, -2},
                                         RoundCase{-3.5, -4}, RoundCase{0.5, 0}, RoundCase{1.5, 2},
                                         RoundCase{2.4999, 2}, RoundCase{2.5001, 3},
                                         RoundCase{-0.4, 0}, RoundCase{7, 7}));

TEST(RoundToInteger, KeepsTheRangeEndsAndRaisesOverflowBeyond)
{
    EXPECT_EQ(STD::RoundToInt16(32767.4), 32767);
    EXPECT_EQ(STD::RoundToInt16(-32768.5), -32768); // the even neighbour is still in range
    EXPECT_EQ(STD::RoundToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(STD::RoundToInt32(-2147483648.0), std::numeric_limits<qint32>::min());

    for (const double outside : {32767.5, -32769.0, std::nan("")}) {
        try {
            STD::RoundToInt16(outside);
            ADD_FAILURE() << outside << " did not overflow";
        } catch (const STD::Error& error) {
            EXPECT_EQ(error.Number(), STD::Overflow);
        }
    }
    EXPECT_THROW(STD::RoundToInt32(2147483647.5), STD::Error);
    EXPECT_THROW(STD::RoundToInt32(std::numeric_limits<double>::infinity()), STD::Error);
}

} // namespace
