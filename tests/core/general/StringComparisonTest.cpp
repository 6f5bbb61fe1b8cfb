#include "support/ErrorExpectations.h"

#include "general/StringComparison.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(EditDistance, CountsEditsTheSameBothWays)
{
    const struct
    {
        QString a, b;
        int distance;
    } cases[] = {
        {u""_s, u""_s, 0},
        {u""_s, u"abc"_s, 3},
        {u"Analysis"_s, u"analysis"_s, 1},
        {u"Physik"_s, u"Physics"_s, 2},
        {u"flaw"_s, u"lawn"_s, 2},
        {u"abcd"_s, u"abdc"_s, 2},
        {QString(255, u'a'), u""_s, 255},
        {QString(255, u'a'), QString(255, u'b'), 255},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(STD::EditDistance(c.a, c.b), c.distance) << c.a.left(9).toStdString();
        EXPECT_EQ(STD::EditDistance(c.b, c.a), c.distance) << c.b.left(9).toStdString();
    }
}

TEST(EditDistance, RefusesTextsBeyondItsCells)
{
    for (const QString& other : {u""_s, u"a"_s, QString(200, u'x')}) {
        EXPECT_TRUE(
            RaisesError(STD::Overflow, [&] { STD::EditDistance(QString(256, u'x'), other); }));
        EXPECT_TRUE(
            RaisesError(STD::Overflow, [&] { STD::EditDistance(other, QString(256, u'x')); }));
        EXPECT_TRUE(RaisesError(STD::InvalidArgument,
                                [&] { STD::EditDistance(QString(257, u'x'), other); }));
    }
}

TEST(MinOfMaxOfClamp, FoldLeftToRightKeepingTheFirstOfEqualValues)
{
    EXPECT_EQ(STD::MinOf({qint16(7)}), 7);
    EXPECT_EQ(STD::MinOf({3, 1, 2}), 1);
    EXPECT_EQ(STD::MaxOf({3, 1, 2}), 3);
    // Of equal values the first comes back, as -0.0 against 0.0 shows.
    EXPECT_TRUE(std::signbit(STD::MinOf({-0.0, 0.0})));
    EXPECT_FALSE(std::signbit(STD::MaxOf({0.0, -0.0})));
    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [] { STD::MinOf(std::span<const int>()); }));
    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [] { STD::MaxOf(std::span<const double>()); }));

    EXPECT_EQ(STD::Clamp(40000, 0, 32767), 32767);
    EXPECT_EQ(STD::Clamp(-5, 0, 32767), 0);
    EXPECT_EQ(STD::Clamp(12.5, 0, 32767), 12.5);
    EXPECT_EQ(STD::Clamp(5, 10, 0), 0);
}

} // namespace
