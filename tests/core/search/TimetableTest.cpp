#include "search/Timetable.h"

#include "support/CourseMaker.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(Timetable, SplitsTheCoursesIntoPlacedAndLeftOutInTheirOrder)
{
    CourseCollection courses;
    courses.Append(Course(u"Analysis"_s, 5, {}, u"Raum 1"_s, false, 255));
    courses.Append(Course(u"Algebra"_s, 3));
    courses.Append(Course(u"Physik"_s, 1, {}, {}, false, 0xFF00));
    courses.Append(Course(u"Chemie"_s));

    // A distribution shorter than the list leaves the courses past its end out.
    const Timetable timetable =
        MakeTimetable(courses, {CellAtPosition(1) | CellAtPosition(2), 0, CellAtPosition(20)}, 6);

    EXPECT_EQ(timetable.value, 6);
    ASSERT_EQ(timetable.placed.size(), 2u);
    EXPECT_EQ(timetable.placed[0].name, u"Analysis"_s);
    EXPECT_EQ(timetable.placed[0].notes, u"Raum 1"_s);
    EXPECT_EQ(timetable.placed[0].color, 255);
    EXPECT_EQ(timetable.placed[0].cells, CellAtPosition(1) | CellAtPosition(2));
    EXPECT_EQ(timetable.placed[1].name, u"Physik"_s);
    EXPECT_EQ(timetable.leftOut, (QStringList{u"Algebra"_s, u"Chemie"_s}));
    EXPECT_FALSE(timetable.IsEmpty());
    EXPECT_TRUE(MakeTimetable(courses, {}, 0).IsEmpty());
}
