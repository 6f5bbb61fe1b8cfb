#include "ErrorExpectations.h"
#include "TempDir.h"

#include "general/StringComparison.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

struct DistanceCase
{
    QString a;
    QString b;
    int distance;
};

inline void PrintTo(const DistanceCase& c, std::ostream* out)
{
    *out << c.a.left(12).toStdString() << " ~ " << c.b.left(12).toStdString();
}

class EditDistanceTest : public testing::TestWithParam<DistanceCase>
{
};

TEST_P(EditDistanceTest, CountsInsertionsDeletionsAndSubstitutionsBothWays)
{
    const DistanceCase& c = GetParam();
    EXPECT_EQ(STD::EditDistance(c.a, c.b), c.distance);
    EXPECT_EQ(STD::EditDistance(c.b, c.a), c.distance);
}

INSTANTIATE_TEST_SUITE_P(Texts, EditDistanceTest,
                         testing::Values(DistanceCase{u""_s, u""_s, 0},
                                         DistanceCase{u""_s, u"abc"_s, 3},
                                         DistanceCase{u"Analysis"_s, u"analysis"_s, 1},
                                         DistanceCase{u"Physik"_s, u"Physics"_s, 2},
                                         DistanceCase{u"flaw"_s, u"lawn"_s, 2},
                                         DistanceCase{u"abcd"_s, u"abdc"_s, 2},
                                         DistanceCase{u"Übung"_s, u"Ubung"_s, 1},
                                         DistanceCase{QString(255, u'a'), u""_s, 255},
                                         DistanceCase{QString(255, u'a'), QString(255, u'b'), 255},
                                         DistanceCase{QString(255, u'a'), QString(254, u'a'), 1}));

TEST(EditDistance, RefusesTextsBeyondItsCells)
{
    const QString of256(256, u'x');
    const QString of257(257, u'x');
    for (const QString& other : {u""_s, u"a"_s, QString(200, u'x')}) {
        EXPECT_TRUE(RaisesError(STD::Overflow, [&] { STD::EditDistance(of256, other); }));
        EXPECT_TRUE(RaisesError(STD::Overflow, [&] { STD::EditDistance(other, of256); }));
        EXPECT_TRUE(RaisesError(STD::InvalidArgument, [&] { STD::EditDistance(of257, other); }));
    }
    // The length test comes before anything else.
    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [&] { STD::EditDistance(of256, of257); }));
}

TEST(MinOfMaxOf, FoldLeftToRightAndKeepTheFirstOfEqualValues)
{
    EXPECT_EQ(STD::MinOf({qint16(7)}), 7);
    EXPECT_EQ(STD::MinOf({3, 1, 2}), 1);
    EXPECT_EQ(STD::MaxOf({3, 1, 2}), 3);
    EXPECT_EQ(STD::MaxOf({-1.5, -0.5}), -0.5);

    // Equal values: the first is handed back, as -0.0 against 0.0 shows.
    EXPECT_TRUE(std::signbit(STD::MinOf({-0.0, 0.0})));
    EXPECT_FALSE(std::signbit(STD::MinOf({0.0, -0.0})));
    EXPECT_TRUE(std::signbit(STD::MaxOf({-0.0, 0.0})));

    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [] { STD::MinOf(std::span<const int>()); }));
    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [] { STD::MaxOf(std::span<const double>()); }));
}

TEST(Clamp, BoundsToTheRangeAndPrefersHighWhenTheRangeIsEmpty)
{
    EXPECT_EQ(STD::Clamp(40000, 0, 32767), 32767);
    EXPECT_EQ(STD::Clamp(-5, 0, 32767), 0);
    EXPECT_EQ(STD::Clamp(12.5, 0, 32767), 12.5);
    EXPECT_EQ(STD::Clamp(5, 10, 0), 0);
}

} // namespace
