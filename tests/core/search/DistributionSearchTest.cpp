// The distribution search held against small lists checked by hand, against
// the literal enumeration on random short lists, and against exact counting
// on long lists.
#include "search/DistributionSearch.h"
#include "model/CourseOrder.h"
#include "support/CourseKinds.h"
#include "support/ErrorExpectations.h"
#include "support/ReferenceSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace Qt::Literals::StringLiterals;

// Beside CourseCollection, where GoogleTest looks for it.
void PrintTo(const CourseCollection& courses, std::ostream* out)
{
    for (const Termin& course : courses)
        *out << "\n  " << course.Priority << (course.VisitAll ? " all " : " one ")
             << course.Times.toStdString();
}

namespace {

// One call of FindDistribution: its inputs beyond the courses.
struct SearchCall
{
    qint32 valueSoFar = 0, bestValue = 0;
    qint16 index = 0, wantedRank = 0, foundCount = 0;
    CellMask taken = 0;          // cells not free when the call starts
    Distribution placedBefore{}; // entries before index
};

// What the call gives back.
struct SearchOutcome
{
    Distribution result;
    qint32 bestValue = 0;
    qint16 foundCount = 0;
    bool operator==(const SearchOutcome&) const = default;
};

void PrintTo(const SearchOutcome& o, std::ostream* out)
{
    *out << testing::PrintToString(std::tie(o.result, o.bestValue, o.foundCount));
}

// Runs Search (DistributionSearch or ReferenceSearch) once on fresh
// distributions sized to the courses.
template <typename Search>
SearchOutcome RunSearch(const CourseCollection& courses, const SearchCall& call)
{
    FreeCellTable freeCells;
    for (const int p : PositionsOf(call.taken))
        freeCells.SetFree((p - 1) / 4, (p - 1) % 4, false);
    Distribution working(courses.Count(), 0);
    std::copy(call.placedBefore.begin(), call.placedBefore.end(), working.begin());
    SearchOutcome outcome{Distribution(courses.Count(), 0), call.bestValue, call.foundCount};
    Search(courses, freeCells)
        .FindDistribution(working, outcome.result, call.valueSoFar, outcome.bestValue, call.index,
                          call.wantedRank, outcome.foundCount);
    return outcome;
}

// The cells at the given positions.
constexpr auto At = [](auto... p) { return (CellMask(0) | ... | CellAtPosition(p)); };

struct CourseRow
{
    qint16 priority;
    CellMask offered;
    bool visitAll = false;
};

CourseCollection Courses(const std::vector<CourseRow>& rows)
{
    CourseCollection courses;
    for (const CourseRow& row : rows) {
        Termin& course = courses.Append();
        course.Priority = row.priority;
        course.VisitAll = row.visitAll;
        for (const int position : PositionsOf(row.offered))
            course.Times[position - 1] = u'1';
    }
    return courses;
}

// Each case checks the literal enumeration, which the random lists below
// rely on, as much as the search.
TEST(DistributionSearch, HandCheckedCases)
{
    const std::vector<CourseRow> one{{3, At(2, 7)}}, later{{5, At(1, 2)}, {4, At(1)}},
        beside{{5, At(1, 5, 9), true}, {3, At(5, 6)}},
        blocked{{5, At(1)}, {4, At(1, 2), true}, {3, At(2)}}, noCell{{4, 0, true}, {2, At(1)}},
        zeros{{0, At(1, 2)}, {0, At(2)}}, negative{{5, At(1)}, {-1, At(2)}},
        negatives{{5, At(1)}, {-3, At(2, 3)}, {-3, At(2, 3)}}, twins{{2, At(3)}, {2, At(3)}};
    const struct
    {
        const char* name;
        const std::vector<CourseRow>& courses;
        qint16 wantedRank; // with bestValue, as passed; 0 and 0 for a fresh search
        qint32 bestValue;
        SearchOutcome expected;
    } cases[] = {
        {"one course, first cell", one, 0, 0, {{At(2)}, 3, 0}},
        {"one course, second rank", one, 2, 3, {{At(7)}, 3, 2}},
        {"better value found later", later, 0, 0, {{At(2), At(1)}, 9, 0}},
        {"VisitAll beside one cell", beside, 0, 0, {{At(1, 5, 9), At(6)}, 8, 0}},
        {"VisitAll blocked by an earlier course", blocked, 0, 0, {{At(1), 0, At(2)}, 8, 0}},
        {"VisitAll without a cell still counts", noCell, 0, 0, {{0, At(1)}, 6, 0}},
        {"nothing above zero places nothing", zeros, 0, 0, {{0, 0}, 0, 0}},
        {"second of value zero", zeros, 2, 0, {{At(1), 0}, 0, 2}},
        {"negative after the best", negative, 0, 0, {{At(1), 0}, 5, 0}},
        {"negative, second rank finds the best again", negative, 2, 5, {{At(1), 0}, 5, 1}},
        {"two negatives do not hide the best", negatives, 0, 0, {{At(1), 0, 0}, 5, 0}},
        {"equal courses, first in order", twins, 0, 0, {{At(3), 0}, 2, 0}},
        {"equal courses, third rank runs out", twins, 3, 2, {{0, At(3)}, 2, 2}},
        // Counting starts afresh at the better value.
        {"rank search meets a better value", twins, 2, 1, {{0, At(3)}, 2, 2}},
        {"value out of reach keeps the result", one, 3, 4, {{0}, 4, 0}},
    };
    for (const auto& c : cases) {
        const SearchCall call{.bestValue = c.bestValue, .wantedRank = c.wantedRank};
        const CourseCollection courses = Courses(c.courses);
        EXPECT_EQ(RunSearch<DistributionSearch>(courses, call), c.expected) << c.name;
        EXPECT_EQ(RunSearch<ReferenceSearch>(courses, call), c.expected) << "reference, " << c.name;
    }
}

TEST(DistributionSearch, RefusesCallsOutsideItsContract)
{
    const CourseCollection courses = Courses({{2, At(3)}});
    FreeCellTable freeCells;
    Distribution result{At(9)};
    qint32 bestValue = 10;
    qint16 foundCount = 0;
    const auto search = [&](const CourseCollection& list, int size, qint32 valueSoFar,
                            qint16 index) {
        Distribution working(size, 0);
        DistributionSearch(list, freeCells)
            .FindDistribution(working, result, valueSoFar, bestValue, index, 1, foundCount);
    };
    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [&] { search({}, 0, 0, 0); }));
    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [&] { search(courses, 1, 0, 1); }));
    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [&] { search(courses, 1, 0, -1); }));
    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [&] { search(courses, 0, 0, 0); }));
    EXPECT_TRUE(RaisesError(STD::Overflow, [&] { search(courses, 1, 2'000'000'000, 0); }));
    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [&] { freeCells.SetFree(5, 0, true); }));
    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [&] { freeCells.IsFree(0, 4); }));
    // Nothing worth 10 to record: the result is not touched.
    search(courses, 1, 0, 0);
    EXPECT_EQ((SearchOutcome{result, bestValue, foundCount}), (SearchOutcome{{At(9)}, 10, 0}));
    search(courses, 1, 1000, 0);
}

// Both searches on one call; what the reference gives.
SearchOutcome Agreed(const CourseCollection& courses, const SearchCall& call)
{
    const SearchOutcome expected = RunSearch<ReferenceSearch>(courses, call);
    EXPECT_EQ(RunSearch<DistributionSearch>(courses, call), expected)
        << "courses:" << testing::PrintToString(courses) << "\ncall "
        << testing::PrintToString(std::tie(call.valueSoFar, call.bestValue, call.index,
                                           call.wantedRank, call.foundCount, call.taken,
                                           call.placedBefore));
    return expected;
}

// Per kind, in the order of CourseKind: at most this many courses, and this
// many lists, so that the literal enumeration stays within a few seconds for
// all kinds together; fewer where it is slowest.
constexpr int MostCourses[] = {9, 8, 12, 5, 9, 12};
constexpr int ListCount[] = {3000, 700, 3000, 500, 3000, 3000};

using Differential = testing::TestWithParam<CourseKind>;

TEST_P(Differential, AgreesWithTheLiteralEnumeration)
{
    const CourseKind kind = GetParam();
    std::mt19937 random(20240611u + unsigned(kind));
    const auto uniform = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int list = 0; list < ListCount[int(kind)] && !HasFailure(); ++list) {
        const CourseCollection drawn =
            RandomCourses(kind, uniform(1, MostCourses[int(kind)]), random);
        // As the search button asks: sorted, fresh, then each rank with the
        // value found, until fewer than the rank are found.
        CourseCollection courses = drawn;
        SortCollection(courses, u"priority"_s);
        SearchCall click;
        click.bestValue = Agreed(courses, click).bestValue;
        for (click.wantedRank = 2; click.wantedRank <= 30; ++click.wantedRank) {
            if (Agreed(courses, click).foundCount < click.wantedRank)
                break;
        }

        // Then every other input: unsorted, odd masks, any value to beat,
        // counts already begun, cells already taken, a start further in.
        courses = drawn;
        for (int i = 0; i < courses.Count(); ++i) {
            Termin& course = courses[i];
            if (uniform(0, 9) == 0)
                course.Times.truncate(uniform(0, 19));
            if (uniform(0, 9) == 0)
                course.Times.replace(u'0', uniform(0, 1) ? u' ' : u'x');
            if (uniform(0, 9) == 0)
                course.Times += u"1111"_s;
            if (uniform(0, 9) == 0)
                course.Priority = qint16(uniform(-2, 2));
            if (uniform(0, 29) == 0)
                course.Priority = uniform(0, 1) ? 32767 : -32768;
        }
        if (uniform(0, 1))
            SortCollection(courses, u"priority"_s);
        // Around the value this list reaches, where the cut and the counting bite.
        const qint32 reached = RunSearch<ReferenceSearch>(courses, {}).bestValue;
        SearchCall call;
        call.bestValue = uniform(0, 4) ? reached + uniform(-3, 1) : uniform(-40, 40);
        call.wantedRank = qint16(uniform(-1, 30));
        call.foundCount = qint16(uniform(0, 3) ? 0 : uniform(-1, call.wantedRank + 1));
        if (uniform(0, 3) == 0)
            call.taken = CellMask(uniform(0, int(AllCells))) & CellMask(uniform(0, int(AllCells)));
        if (uniform(0, 3) == 0) {
            call.index = qint16(uniform(0, courses.Count() - 1));
            call.valueSoFar = uniform(-10, 20);
            for (int i = 0; i < call.index; ++i)
                call.placedBefore.push_back(CellMask(uniform(0, int(AllCells))));
        }
        Agreed(courses, call);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, Differential, testing::ValuesIn(AllCourseKinds()),
                         [](const auto& info) { return KindName(info.param).toStdString(); });

// Long lists on six cells, far beyond the literal enumeration: there the
// best value and how many distributions reach it can be counted per
// (course, free cells), and the k-th of them found in enumeration order.
class Counter
{
public:
    explicit Counter(const CourseCollection& courses) : courses_(courses) {}

    // The best value of the courses from `index` on, and how many reach it.
    std::pair<qint64, qint64> Best(int index, CellMask free)
    {
        if (index == courses_.Count())
            return {0, 1};
        const auto [entry, fresh] = known_.try_emplace({index, free});
        if (!fresh)
            return entry->second;
        std::pair<qint64, qint64> best{0, 0}; // a count of 0: none yet
        for (const auto& [cells, gain] : Options(index, free)) {
            const auto [value, count] = Best(index + 1, free & ~cells);
            if (best.second == 0 || value + gain > best.first)
                best = {value + gain, count};
            else if (value + gain == best.first)
                best.second += count;
        }
        return entry->second = best;
    }

    // The k-th distribution of the best value, or the last if there are fewer.
    Distribution Kth(qint64 k)
    {
        Distribution placed(courses_.Count(), 0);
        CellMask free = AllCells;
        auto [value, count] = Best(0, free);
        k = std::clamp<qint64>(k, 1, count);
        for (int i = 0; i < courses_.Count(); ++i) {
            for (const auto& [cells, gain] : Options(i, free)) {
                const auto [rest, ways] = Best(i + 1, free & ~cells);
                if (rest + gain == value && ways >= k) {
                    placed[i] = cells;
                    free &= ~cells;
                    value -= gain;
                    break;
                }
                k -= rest + gain == value ? ways : 0;
            }
        }
        return placed;
    }

private:
    // Course `index` on `free` cells, in enumeration order: cells taken, value added.
    std::vector<std::pair<CellMask, qint64>> Options(int index, CellMask free) const
    {
        const Termin& course = courses_[index];
        const CellMask offered = OfferedCells(course);
        std::vector<std::pair<CellMask, qint64>> options;
        if (course.VisitAll && (offered & ~free) == 0)
            options.emplace_back(offered, course.Priority);
        for (CellMask rest = course.VisitAll ? 0 : offered & free; rest != 0; rest &= rest - 1)
            options.emplace_back(rest & ~(rest - 1), course.Priority);
        options.emplace_back(0, 0);
        return options;
    }

    const CourseCollection& courses_;
    std::map<std::pair<int, CellMask>, std::pair<qint64, qint64>> known_;
};

TEST(DistributionSearch, LongListsOnFewCells)
{
    std::mt19937 random(77);
    for (int instance = 0; instance < 60; ++instance) {
        const int count = 20 + instance % 5 * 10;
        CourseCollection courses = RandomCourses(CourseKind::Crowded, count, random);
        // Only priorities 0 to 2, or -1 to 1 for every third course: ties
        // everywhere, so that counts run past the ranks.
        for (int i = 0; i < count; ++i) {
            if (instance % 2 == 1)
                courses[i].Priority = qint16(courses[i].Priority % 3);
            else if (i % 3 == 0)
                courses[i].Priority = qint16(courses[i].Priority % 3 - 1);
        }
        SortCollection(courses, u"priority"_s);
        Counter counter(courses);
        const auto [best, ways] = counter.Best(0, AllCells);
        // A fresh search, then continuations with the value it showed.
        SearchCall call;
        for (const qint16 rank : {0, 2, 7, 40, 150}) {
            call.wantedRank = rank;
            const SearchOutcome expected{counter.Kth(rank), qint32(best),
                                         qint16(std::min<qint64>(rank, ways))};
            const SearchOutcome click = RunSearch<DistributionSearch>(courses, call);
            EXPECT_EQ(click, expected) << "instance " << instance << " rank " << rank;
            call.bestValue = click.bestValue;
        }
    }
}

} // namespace
