#include "CourseMaker.h"
#include "ErrorExpectations.h"
#include "TempDir.h"

#include "model/CourseCollection.h"

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(Termin, StartsWithItsInitialValues)
{
    const Termin course;
    EXPECT_EQ(course.Caption, u""_s);
    EXPECT_EQ(course.Priority, 0);
    EXPECT_EQ(course.Times, u"00000000000000000000"_s);
    EXPECT_EQ(course.Info, u""_s);
    EXPECT_FALSE(course.VisitAll);
    EXPECT_EQ(course.Color, 0);
}

TEST(CourseCollection, KeepsOneSparePositionWithInitialValues)
{
    CourseCollection courses;
    EXPECT_EQ(courses.Count(), 0);
    EXPECT_EQ(courses.StoreSize(), 1);

    courses.Append().Caption = u"A"_s;
    courses.Append(Course(u"B"_s, 3));
    courses.Append().Caption = u"C"_s;
    EXPECT_EQ(courses.Count(), 3);
    EXPECT_EQ(courses.StoreSize(), 4);
    EXPECT_EQ(courses[3], Termin{});

    courses.RemoveAt(1);
    EXPECT_EQ(courses.Count(), 2);
    EXPECT_EQ(courses[0].Caption, u"A"_s);
    EXPECT_EQ(courses[1].Caption, u"C"_s);
    EXPECT_EQ(courses[2], Termin{});

    courses.RemoveAt(0);
    courses.RemoveAt(0);
    EXPECT_EQ(courses.StoreSize(), 1);
    EXPECT_TRUE(courses.IsEmpty());
}

TEST(CourseCollection, IteratesOverTheCoursesOnly)
{
    CourseCollection courses;
    courses.Append().Caption = u"A"_s;
    courses.Append().Caption = u"B"_s;
    QStringList names;
    for (const Termin& course : courses)
        names << course.Caption;
    EXPECT_EQ(names, (QStringList{u"A"_s, u"B"_s}));
}

TEST(CourseCollection, RefusesPositionsOutsideItsCourses)
{
    CourseCollection courses;
    courses.Append();
    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [&] { courses.RemoveAt(1); }));
    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [&] { courses.SwapRecords(0, 1); }));
    EXPECT_TRUE(RaisesError(STD::InvalidArgument, [&] { courses.RemoveAt(-1); }));
}

TEST(CourseCollection, HoldsAtMost32767Courses)
{
    CourseCollection courses;
    for (int i = 0; i < CourseCollection::MaxCount; ++i)
        courses.Append();
    EXPECT_TRUE(courses.IsFull());
    EXPECT_EQ(courses.Count(), 32767);
    EXPECT_TRUE(RaisesError(STD::Overflow, [&] { courses.Append(); }));
    EXPECT_EQ(courses.Count(), 32767);
}

} // namespace
