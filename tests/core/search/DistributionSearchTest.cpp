// The distribution search held against small lists checked by hand and
// against the literal enumeration on random short lists.
#include "search/DistributionSearch.h"
#include "model/CourseOrder.h"
#include "search/SearchClick.h"
#include "support/CourseKinds.h"
#include "support/ReferenceSearch.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// Beside CourseCollection, where GoogleTest looks for it.
void PrintTo(const CourseCollection& courses, std::ostream* out)
{
    for (const Termin& course : courses)
        *out << "\n  " << course.Priority << (course.VisitAll ? " all " : " one ")
             << course.Times.toStdString();
}

namespace {

// What the search button passes beyond the courses: the value shown and
// the rank wanted (0 and 0 for a fresh search); every cell free.
struct SearchCall
{
    qint32 bestValue = 0;
    qint16 wantedRank = 0;
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

// Runs Search (DistributionSearch or ReferenceSearch) as a click does.
template <typename Search>
SearchOutcome RunSearch(const CourseCollection& courses, const SearchCall& call)
{
    FreeCellTable freeCells;
    Search search(courses, freeCells);
    const SearchClick click =
        RunSearchClick(search, freeCells, courses.Count(), call.bestValue, call.wantedRank);
    return {click.result, click.bestValue, click.foundCount};
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

// Both searches on one call; what the reference gives.
SearchOutcome Agreed(const CourseCollection& courses, const SearchCall& call)
{
    const SearchOutcome expected = RunSearch<ReferenceSearch>(courses, call);
    EXPECT_EQ(RunSearch<DistributionSearch>(courses, call), expected)
        << "courses:" << testing::PrintToString(courses) << "\ncall "
        << testing::PrintToString(std::tie(call.bestValue, call.wantedRank));
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
        CourseCollection courses = RandomCourses(kind, uniform(1, MostCourses[int(kind)]), random);
        // Now and then what only a hand-made list holds: odd masks, the
        // priorities' limits.
        for (int i = 0; i < courses.Count(); ++i) {
            Termin& course = courses[i];
            if (uniform(0, 19) == 0)
                course.Times.truncate(uniform(0, 19));
            if (uniform(0, 19) == 0)
                course.Times.replace(u'0', uniform(0, 1) ? u' ' : u'x');
            if (uniform(0, 19) == 0)
                course.Times += u"1111"_s;
            if (uniform(0, 29) == 0)
                course.Priority = uniform(0, 1) ? 32767 : -32768;
        }
        // As the search button asks: fresh, then each rank with the value
        // found, until fewer than the rank are found. Every other list stays
        // unsorted, where the search cuts above the ordered part too.
        if (list % 2 == 0)
            SortCollection(courses, u"priority"_s);
        SearchCall click;
        click.bestValue = Agreed(courses, click).bestValue;
        for (click.wantedRank = 2; click.wantedRank <= 30; ++click.wantedRank) {
            if (Agreed(courses, click).foundCount < click.wantedRank)
                break;
        }
        // A value to beat below the best: what is counted before the best
        // turns up starts afresh.
        Agreed(courses, {click.bestValue - uniform(1, 3), qint16(uniform(0, 5))});
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, Differential, testing::ValuesIn(AllCourseKinds()),
                         [](const auto& info) { return KindName(info.param).toStdString(); });

} // namespace
