// The search button's clicks through a session that keeps its place, held
// against the literal enumeration run afresh for every click (short lists,
// with edits between clicks) and against today's recount (long runs).
#include "search/SearchSession.h"
#include "model/CourseOrder.h"
#include "search/DistributionSearch.h"
#include "support/CourseKinds.h"
#include "support/ReferenceSearch.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// What a click shows, as one comparable value.
std::tuple<Distribution, qint32, qint16> Shown(const SearchClick& click)
{
    return {click.result, click.bestValue, click.foundCount};
}

template <typename Search>
SearchClick Recount(const CourseCollection& courses, qint32 bestValue, qint16 wantedRank)
{
    FreeCellTable freeCells;
    Search search(courses, freeCells);
    return RunSearchClick(search, freeCells, courses.Count(), bestValue, wantedRank);
}

// One change to what the search reads, or to nothing it reads.
void Edit(CourseCollection& courses, std::mt19937& random)
{
    const auto uniform = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    Termin& course = courses[uniform(0, courses.Count() - 1)];
    switch (uniform(0, 6)) {
    case 0:
        course.Priority = qint16(uniform(-2, 10));
        break;
    case 1:
        course.VisitAll = !course.VisitAll;
        break;
    case 2:
        course.Times[uniform(0, 19)] = uniform(0, 1) ? u'1' : u'0';
        break;
    case 3:
        courses.SwapRecords(uniform(0, courses.Count() - 1), uniform(0, courses.Count() - 1));
        break;
    case 4:
        if (courses.Count() > 1)
            courses.RemoveAt(uniform(0, courses.Count() - 1));
        break;
    case 5:
        courses.Append(course);
        break;
    default:
        // Same slots in a new text, and a new name: the search reads neither.
        course.Times = QString(course.Times.constData(), course.Times.size());
        course.Caption += u'x';
    }
}

using Continued = testing::TestWithParam<CourseKind>;

TEST_P(Continued, EveryClickAsTheLiteralEnumerationGivesIt)
{
    std::mt19937 random(4711u + unsigned(GetParam()));
    const auto uniform = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    // The literal enumeration is slowest on many cells per course.
    const int mostCourses = GetParam() == CourseKind::Wide ? 5 : 8;
    for (int list = 0; list < 300 && !HasFailure(); ++list) {
        CourseCollection courses = RandomCourses(GetParam(), uniform(1, mostCourses), random);
        SortCollection(courses, u"priority"_s);
        SearchSession session;
        qint32 shown = session.Click(courses, 0, 0).bestValue;
        qint16 rank = 1;
        for (int click = 0; click < 25 && !HasFailure(); ++click) {
            // Mostly the next rank of the value shown; now and then an edit,
            // another value, a rank repeated or skipped.
            const int odd = uniform(0, 9);
            if (odd == 0)
                Edit(courses, random);
            const qint32 value = odd == 1 ? shown + uniform(-2, 2) : shown;
            rank = qint16(odd == 2 ? uniform(1, rank + 2) : rank + 1);
            const SearchClick expected = Recount<ReferenceSearch>(courses, value, rank);
            ASSERT_EQ(Shown(session.Click(courses, value, rank)), Shown(expected))
                << "list " << list << " click " << click << " rank " << rank;
            shown = expected.bestValue;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, Continued, testing::ValuesIn(AllCourseKinds()),
                         [](const auto& info) { return KindName(info.param).toStdString(); });

// Long runs on lists far beyond the literal enumeration: every click as the
// recount from the first course gives it, ranks up to a few hundred.
TEST(Continued, LongRunsAsTheRecountGivesThem)
{
    std::mt19937 random(99);
    for (const CourseKind kind : {CourseKind::Typical, CourseKind::Crowded, CourseKind::Negative}) {
        CourseCollection courses = RandomCourses(kind, 300, random);
        SortCollection(courses, u"priority"_s);
        SearchSession session;
        const qint32 best = session.Click(courses, 0, 0).bestValue;
        for (qint16 rank = 2; rank <= 400; ++rank) {
            const SearchClick click = session.Click(courses, best, rank);
            if (rank % 37 == 0 || click.foundCount < rank) {
                ASSERT_EQ(Shown(click), Shown(Recount<DistributionSearch>(courses, best, rank)))
                    << KindName(kind).toStdString() << " rank " << rank;
            }
            if (click.foundCount < rank)
                break;
        }
    }
}

} // namespace
