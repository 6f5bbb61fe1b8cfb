// Lists far too long for the literal enumeration, on few cells: there the
// best value and the number of distributions reaching it can be counted
// over every set of taken cells, and the search must give the same.
#include "CourseKinds.h"
#include "model/CourseOrder.h"
#include "search/DistributionSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <map>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qint64 CountLimit = 1000;

struct BestAndCount
{
    qint64 value = 0;
    qint64 count = 1; // distributions reaching value, at most CountLimit
};

// Best value and how many complete distributions reach it, from course
// `index` on with `free` cells, by dynamic programming over free cells.
class Counter
{
public:
    explicit Counter(const CourseCollection& courses) : courses_(courses) {}

    BestAndCount From(int index, CellMask free)
    {
        if (index == courses_.Count())
            return {};
        const auto key = std::make_pair(index, free);
        if (const auto known = memo_.find(key); known != memo_.end())
            return known->second;
        const Termin& course = courses_[index];
        const CellMask offered = OfferedCells(course);
        BestAndCount best = From(index + 1, free);
        const auto option = [&](CellMask cells) {
            BestAndCount placed = From(index + 1, free & ~cells);
            placed.value += course.Priority;
            if (placed.value > best.value)
                best = placed;
            else if (placed.value == best.value)
                best.count = std::min(CountLimit, best.count + placed.count);
        };
        if (course.VisitAll) {
            if ((offered & ~free) == 0)
                option(offered);
        } else {
            for (CellMask rest = offered & free; rest != 0; rest &= rest - 1)
                option(CellMask(1) << std::countr_zero(rest));
        }
        return memo_[key] = best;
    }

private:
    const CourseCollection& courses_;
    std::map<std::pair<int, CellMask>, BestAndCount> memo_;
};

struct Click
{
    Distribution result;
    qint32 bestValue;
    qint16 foundCount;
};

Click Search(const CourseCollection& courses, qint32 bestValue, qint16 wantedRank)
{
    FreeCellTable freeCells;
    Distribution working(courses.Count(), 0);
    Click click{Distribution(courses.Count(), 0), bestValue, 0};
    DistributionSearch(courses, freeCells)
        .FindDistribution(working, click.result, 0, click.bestValue, 0, wantedRank,
                          click.foundCount);
    return click;
}

// Whether the result is a distribution of that value: each course on its
// offered cells as its kind allows, no cell twice.
bool IsDistributionOfValue(const CourseCollection& courses, const Distribution& result,
                           qint64 value)
{
    CellMask used = 0;
    qint64 sum = 0;
    for (int i = 0; i < courses.Count(); ++i) {
        const CellMask offered = OfferedCells(courses[i]);
        const CellMask cells = result[i];
        const bool fits = courses[i].VisitAll
                              ? cells == offered || cells == 0
                              : std::popcount(cells) <= 1 && (cells & ~offered) == 0;
        if (!fits || (cells & used) != 0)
            return false;
        used |= cells;
        sum += cells != 0 ? courses[i].Priority : 0;
    }
    return sum == value;
}

TEST(ManyCourses, BestValueAndCountOnFewCells)
{
    std::mt19937 random(77);
    for (int instance = 0; instance < 60; ++instance) {
        const int count = 20 + instance % 5 * 10;
        CourseCollection courses = RandomCourses(CourseKind::Crowded, count, random);
        // Negatives among the rest, or ties everywhere, so that counts run past the ranks.
        for (int i = 0; i < count; ++i) {
            if (instance % 2 == 1)
                courses[i].Priority = i % 4 == 0 ? 0 : 1;
            else if (i % 3 == 0)
                courses[i].Priority = qint16(courses[i].Priority % 3 - 1);
        }
        SortCollection(courses, u"priority"_s);
        const BestAndCount expected = Counter(courses).From(0, AllCells);
        const Click fresh = Search(courses, 0, 0);
        ASSERT_EQ(fresh.bestValue, expected.value) << "instance " << instance;
        for (const qint16 rank : {2, 7, 40, 150}) {
            const Click next = Search(courses, fresh.bestValue, rank);
            EXPECT_EQ(next.foundCount, std::min<qint64>(rank, expected.count))
                << "instance " << instance << " rank " << rank;
            EXPECT_TRUE(IsDistributionOfValue(courses, next.result, expected.value))
                << "instance " << instance << " rank " << rank;
        }
    }
}

} // namespace
