// Small lists whose enumeration can be followed by hand, the cut mended for
// negative priorities, held against both the fast search and the literal one.
#include "search/DistributionSearch.h"
#include "ReferenceSearch.h"
#include "SearchHarness.h"
#include "general/StdError.h"

#include <gtest/gtest.h>

#include <initializer_list>

using namespace Qt::Literals::StringLiterals;

namespace {

struct CourseRow
{
    qint16 priority;
    std::initializer_list<int> positions;
    bool visitAll = false;
};

CourseCollection Courses(std::initializer_list<CourseRow> rows)
{
    CourseCollection courses;
    for (const CourseRow& row : rows) {
        Termin& course = courses.Append();
        course.Priority = row.priority;
        course.VisitAll = row.visitAll;
        for (const int position : row.positions)
            course.Times[position - 1] = u'1';
    }
    return courses;
}

Distribution Placed(std::initializer_list<std::initializer_list<int>> entries)
{
    Distribution distribution;
    for (const auto& positions : entries) {
        CellMask cells = 0;
        for (const int position : positions)
            cells |= CellAtPosition(position);
        distribution.push_back(cells);
    }
    return distribution;
}

struct Case
{
    const char* name;
    CourseCollection courses;
    SearchCall call;
    Distribution result;
    qint32 bestValue;
    qint16 foundCount;
};

SearchCall Rank(qint16 wantedRank, qint32 bestValue)
{
    SearchCall call;
    call.wantedRank = wantedRank;
    call.bestValue = bestValue;
    return call;
}

const std::vector<Case>& Cases()
{
    static const std::vector<Case> cases{
        {"OneCourseFirstCell", Courses({{3, {2, 7}}}), {}, Placed({{2}}), 3, 0},
        {"OneCourseSecondRank", Courses({{3, {2, 7}}}), Rank(2, 3), Placed({{7}}), 3, 2},
        {"OneCourseThirdRankRunsOut", Courses({{3, {2, 7}}}), Rank(3, 3), Placed({{7}}), 3, 2},
        {"BetterValueFoundLater", Courses({{5, {1, 2}}, {4, {1}}}), {}, Placed({{2}, {1}}), 9, 0},
        {"VisitAllBesideOneCell",
         Courses({{5, {1, 5, 9}, true}, {3, {5, 6}}}),
         {},
         Placed({{1, 5, 9}, {6}}),
         8,
         0},
        {"VisitAllBlockedByAnEarlierCourse",
         Courses({{5, {1}}, {4, {1, 2}, true}, {3, {2}}}),
         {},
         Placed({{1}, {}, {2}}),
         8,
         0},
        {"VisitAllWithoutCellStillCounts",
         Courses({{4, {}, true}, {2, {1}}}),
         {},
         Placed({{}, {1}}),
         6,
         0},
        {"NothingAboveZeroPlacesNothing",
         Courses({{0, {1, 2}}, {0, {2}}}),
         {},
         Placed({{}, {}}),
         0,
         0},
        {"SecondOfValueZero", Courses({{0, {1, 2}}, {0, {2}}}), Rank(2, 0), Placed({{1}, {}}), 0,
         2},
        {"NegativeAfterBest", Courses({{5, {1}}, {-1, {2}}}), {}, Placed({{1}, {}}), 5, 0},
        {"NegativeSecondRankFindsTheBestAgain", Courses({{5, {1}}, {-1, {2}}}), Rank(2, 5),
         Placed({{1}, {}}), 5, 1},
        {"TwoNegativesDoNotHideTheBest",
         Courses({{5, {1}}, {-3, {2, 3}}, {-3, {2, 3}}}),
         {},
         Placed({{1}, {}, {}}),
         5,
         0},
        {"EqualCoursesFirstInOrder", Courses({{2, {3}}, {2, {3}}}), {}, Placed({{3}, {}}), 2, 0},
        {"EqualCoursesSecondRank", Courses({{2, {3}}, {2, {3}}}), Rank(2, 2), Placed({{}, {3}}), 2,
         2},
        {"EqualCoursesThirdRankRunsOut", Courses({{2, {3}}, {2, {3}}}), Rank(3, 2),
         Placed({{}, {3}}), 2, 2},
        // A k-th search that meets a better value starts counting afresh there.
        {"RankSearchMeetsBetterValue", Courses({{2, {3}}, {2, {3}}}), Rank(2, 1), Placed({{}, {3}}),
         2, 2},
        // Out of reach: nothing is recorded, and the result stays as sized.
        {"ValueOutOfReachKeepsResult", Courses({{2, {3}}}), Rank(2, 3), Placed({{}}), 3, 0},
    };
    return cases;
}

template <typename Search> void ExpectCases()
{
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        const SearchOutcome outcome = RunSearch<Search>(c.courses, c.call);
        EXPECT_EQ(outcome.result, c.result);
        EXPECT_EQ(outcome.bestValue, c.bestValue);
        EXPECT_EQ(outcome.foundCount, c.foundCount);
        EXPECT_TRUE(outcome.freeCellsRestored);
        EXPECT_TRUE(outcome.workingRestored);
    }
}

TEST(DistributionSearch, HandCheckedCases)
{
    ExpectCases<DistributionSearch>();
}

TEST(ReferenceSearch, HandCheckedCases)
{
    ExpectCases<ReferenceSearch>();
}

TEST(DistributionSearch, TakenCellsAreAvoided)
{
    SearchCall call;
    call.taken = CellAtPosition(5);
    const CourseCollection courses = Courses({{5, {1, 5}, true}, {3, {5, 6}}});
    const SearchOutcome outcome = RunSearch<DistributionSearch>(courses, call);
    EXPECT_EQ(outcome.result, Placed({{}, {6}}));
    EXPECT_EQ(outcome.bestValue, 3);
    EXPECT_TRUE(outcome.freeCellsRestored);
}

TEST(DistributionSearch, NothingRecordedLeavesTheResultAlone)
{
    const CourseCollection courses = Courses({{2, {3}}, {1, {4}}});
    FreeCellTable freeCells;
    DistributionSearch search(courses, freeCells);
    Distribution working(2, 0);
    Distribution result{CellAtPosition(9)};
    qint32 bestValue = 10;
    qint16 foundCount = 0;
    search.FindDistribution(working, result, 0, bestValue, 0, 1, foundCount);
    EXPECT_EQ(result, Distribution{CellAtPosition(9)});
    EXPECT_EQ(bestValue, 10);
    EXPECT_EQ(foundCount, 0);
}

TEST(DistributionSearch, RefusesCallsOutsideItsContract)
{
    const CourseCollection courses = Courses({{2, {3}}});
    const CourseCollection none;
    FreeCellTable freeCells;
    Distribution one(1, 0);
    Distribution empty;
    qint32 bestValue = 0;
    qint16 foundCount = 0;
    const auto errorOf = [&](const CourseCollection& list, Distribution& working, qint32 valueSoFar,
                             qint16 index) {
        try {
            DistributionSearch(list, freeCells)
                .FindDistribution(working, one, valueSoFar, bestValue, index, 0, foundCount);
        } catch (const STD::Error& error) {
            return error.Number();
        }
        return 0;
    };
    EXPECT_EQ(errorOf(none, empty, 0, 0), STD::InvalidArgument);
    EXPECT_EQ(errorOf(courses, one, 0, 1), STD::InvalidArgument);
    EXPECT_EQ(errorOf(courses, one, 0, -1), STD::InvalidArgument);
    EXPECT_EQ(errorOf(courses, empty, 0, 0), STD::InvalidArgument);
    EXPECT_EQ(errorOf(courses, one, 2'000'000'000, 0), STD::Overflow);
    EXPECT_EQ(errorOf(courses, one, 1000, 0), 0);
}

TEST(OfferedCells, ReadsOnlyOnesOfTheFirstTwenty)
{
    Termin course;
    course.Times = u"1x 1"_s;
    EXPECT_EQ(OfferedCells(course), CellAtPosition(1) | CellAtPosition(4));
    course.Times = u"00000000000000000001111"_s;
    EXPECT_EQ(OfferedCells(course), CellAtPosition(20));
    course.Times.clear();
    EXPECT_EQ(OfferedCells(course), 0u);
    EXPECT_EQ(PositionsOf(CellAtPosition(20) | CellAtPosition(3)), (std::vector<int>{3, 20}));
}

TEST(FreeCellTable, DayAndSlotAreThePositionsOfTheWeek)
{
    FreeCellTable cells;
    EXPECT_TRUE(cells.AllFree());
    cells.SetFree(1, 2, false); // Dienstag 13-15 Uhr, position 7
    EXPECT_EQ(cells.Mask(), AllCells & ~CellAtPosition(7));
    EXPECT_FALSE(cells.IsFree(1, 2));
    EXPECT_TRUE(cells.IsFree(2, 1));
    EXPECT_THROW(cells.SetFree(5, 0, true), STD::Error);
    EXPECT_THROW(cells.IsFree(0, 4), STD::Error);
    cells.MarkAllFree();
    EXPECT_TRUE(cells.AllFree());
}

} // namespace
