#include "support/CourseMaker.h"
#include "support/ErrorExpectations.h"

#include "model/CourseCollection.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(CourseCollection, KeepsOneSparePositionAndRefusesACourseBeyondTheLargestList)
{
    CourseCollection courses;
    EXPECT_EQ(courses[0].Times, u"00000000000000000000"_s);

    courses.Append().Caption = u"A"_s;
    courses.Append(Course(u"B"_s, 3));
    courses.Append().Caption = u"C"_s;
    EXPECT_EQ(courses[3], Termin{});
    EXPECT_THROW(courses[4], std::out_of_range);

    courses.RemoveAt(1);
    QStringList names;
    for (const Termin& course : courses)
        names << course.Caption;
    EXPECT_EQ(names, (QStringList{u"A"_s, u"C"_s}));
    EXPECT_EQ(courses[2], Termin{});
    // The window refuses a course beyond the largest list before this guard.
    while (!courses.IsFull())
        courses.Append();
    EXPECT_TRUE(RaisesError(STD::Overflow, [&] { courses.Append(); }));
}

} // namespace
