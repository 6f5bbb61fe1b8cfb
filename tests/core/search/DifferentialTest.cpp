// The fast search against the literal enumeration on random course lists.
#include "CourseKinds.h"
#include "ReferenceSearch.h"
#include "SearchHarness.h"
#include "model/CourseOrder.h"
#include "search/DistributionSearch.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// Large enough for thousands of lists, small enough for the literal
// enumeration to stay within a few seconds for all kinds together.
int MaxCourses(CourseKind kind)
{
    switch (kind) {
    case CourseKind::Equal:
        return 8;
    case CourseKind::Wide:
        return 5;
    case CourseKind::Crowded:
    case CourseKind::AllVisitAll:
        return 12;
    default:
        return 9;
    }
}

// Where the literal enumeration is slowest, fewer lists of the same sizes.
int ButtonLists(CourseKind kind)
{
    return kind == CourseKind::Wide ? 500 : kind == CourseKind::Equal ? 700 : 1500;
}

::testing::AssertionResult SameOutcome(const CourseCollection& courses, const SearchCall& call)
{
    const SearchOutcome expected = RunSearch<ReferenceSearch>(courses, call);
    const SearchOutcome actual = RunSearch<DistributionSearch>(courses, call);
    if (actual == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "courses:\n"
           << Describe(courses, call).toStdString() << "\nexpected "
           << Describe(expected).toStdString() << "\nactual   " << Describe(actual).toStdString();
}

class Differential : public ::testing::TestWithParam<CourseKind>
{
protected:
    std::mt19937 random{20240611u + unsigned(GetParam())};

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    CourseCollection Courses()
    {
        return RandomCourses(GetParam(), Uniform(1, MaxCourses(GetParam())), random);
    }
};

// As the search button asks: sorted, fresh, then each rank with the value
// the click before showed, until fewer than the rank are found.
TEST_P(Differential, ButtonClicksAgree)
{
    for (int instance = 0; instance < ButtonLists(GetParam()); ++instance) {
        CourseCollection courses = Courses();
        SortCollection(courses, u"priority"_s);
        SearchCall call;
        const SearchOutcome fresh = RunSearch<ReferenceSearch>(courses, call);
        ASSERT_TRUE(SameOutcome(courses, call)) << "fresh search";
        call.bestValue = fresh.bestValue;
        for (qint16 rank = 2; rank <= 30; ++rank) {
            call.wantedRank = rank;
            ASSERT_TRUE(SameOutcome(courses, call)) << "rank " << rank;
            if (RunSearch<ReferenceSearch>(courses, call).foundCount < rank)
                break;
        }
    }
}

// Every other input as well: unsorted lists, odd masks, any value to beat,
// counts already begun, cells already taken, a start further in.
TEST_P(Differential, AnyCallAgrees)
{
    for (int instance = 0; instance < 3000; ++instance) {
        CourseCollection courses = Courses();
        for (int i = 0; i < courses.Count(); ++i) {
            Termin& course = courses[i];
            if (Uniform(0, 9) == 0)
                course.Times.truncate(Uniform(0, 19));
            if (Uniform(0, 9) == 0)
                course.Times.replace(u'0', Uniform(0, 1) ? u' ' : u'x');
            if (Uniform(0, 9) == 0)
                course.Priority = qint16(Uniform(-2, 2));
            if (Uniform(0, 29) == 0)
                course.Priority = Uniform(0, 1) ? 32767 : -32768;
        }
        if (Uniform(0, 1))
            SortCollection(courses, u"priority"_s);
        // Around the value this list reaches, where the cut and the counting bite.
        const qint32 reached = RunSearch<ReferenceSearch>(courses, {}).bestValue;
        SearchCall call;
        call.bestValue = Uniform(0, 4) ? reached + Uniform(-3, 1) : Uniform(-40, 40);
        call.wantedRank = qint16(Uniform(-1, 30));
        call.foundCount = qint16(Uniform(0, 3) ? 0 : Uniform(-1, call.wantedRank + 1));
        if (Uniform(0, 3) == 0)
            call.taken = CellMask(Uniform(0, int(AllCells))) & CellMask(Uniform(0, int(AllCells)));
        if (Uniform(0, 3) == 0) {
            call.index = qint16(Uniform(0, courses.Count() - 1));
            call.valueSoFar = Uniform(-10, 20);
            for (int i = 0; i < call.index; ++i)
                call.placedBefore.push_back(CellMask(Uniform(0, int(AllCells))));
        }
        ASSERT_TRUE(SameOutcome(courses, call));
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, Differential, ::testing::ValuesIn(AllCourseKinds()),
                         [](const auto& info) { return KindName(info.param).toStdString(); });

} // namespace
