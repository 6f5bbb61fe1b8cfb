#include "CourseMaker.h"
#include "TempDir.h"

#include "model/CourseOrder.h"

using namespace Qt::Literals::StringLiterals;

namespace {

CourseCollection Courses(const QStringList& names, const QList<qint16>& priorities = {})
{
    CourseCollection courses;
    for (int i = 0; i < names.size(); ++i)
        courses.Append(Course(names[i], priorities.value(i)));
    return courses;
}

QStringList Names(const CourseCollection& courses)
{
    QStringList names;
    for (const Termin& course : courses)
        names << course.Caption;
    return names;
}

TEST(OutOfOrder, ComparesByTheTrimmedLowerCasedKey)
{
    const Termin low = Course(u"b"_s, 1);
    const Termin high = Course(u"a"_s, 2);
    EXPECT_TRUE(OutOfOrder(low, high, u"priority"_s));
    EXPECT_TRUE(OutOfOrder(low, high, u" Priority "_s));
    EXPECT_FALSE(OutOfOrder(high, low, u"priority"_s));
    EXPECT_TRUE(OutOfOrder(low, high, u"ALPHABET"_s));
    EXPECT_FALSE(OutOfOrder(low, high, u"name"_s));
    EXPECT_FALSE(OutOfOrder(low, low, u"priority"_s));
    EXPECT_FALSE(OutOfOrder(low, low, u"alphabet"_s));
    // A name that begins a longer one comes first.
    EXPECT_TRUE(OutOfOrder(Course(u"Analysis I"_s), Course(u"Analysis"_s), u"alphabet"_s));
}

TEST(SortCollection, OrdersNamesByCharacterCode)
{
    CourseCollection courses =
        Courses({u"Zebra"_s, u"apfel"_s, u"Birne"_s, u"Äpfel"_s, u" Blank"_s, u"9"_s});
    SortCollection(courses, u"alphabet"_s);
    EXPECT_EQ(Names(courses),
              (QStringList{u" Blank"_s, u"9"_s, u"Birne"_s, u"Zebra"_s, u"apfel"_s, u"Äpfel"_s}));
}

TEST(SortCollection, OrdersPrioritiesDescendingAsTheExchangeLeavesEqualOnes)
{
    CourseCollection courses = Courses({u"P3"_s, u"Pm1"_s, u"P7"_s}, {3, -1, 7});
    SortCollection(courses, u"priority"_s);
    EXPECT_EQ(Names(courses), (QStringList{u"P7"_s, u"P3"_s, u"Pm1"_s}));

    // A and B tie: the exchange turns them round, a stable sort would not.
    CourseCollection ties = Courses({u"A"_s, u"B"_s, u"C"_s}, {1, 1, 2});
    SortCollection(ties, u"priority"_s);
    EXPECT_EQ(Names(ties), (QStringList{u"C"_s, u"B"_s, u"A"_s}));
}

TEST(SortCollection, ReportsEveryExchangeInTheOrderItHappens)
{
    CourseCollection courses = Courses({u"A"_s, u"B"_s, u"C"_s}, {1, 2, 3});
    QList<std::pair<int, int>> swaps;
    SortCollection(courses, u"priority"_s, [&](int i, int j) { swaps.append({i, j}); });
    EXPECT_EQ(swaps, (QList<std::pair<int, int>>{{0, 1}, {0, 2}, {1, 2}}));
    EXPECT_EQ(Names(courses), (QStringList{u"C"_s, u"B"_s, u"A"_s}));
}

TEST(SortCollection, AnUnknownKeyAndShortListsMoveNothing)
{
    for (const QStringList& names :
         {QStringList{}, QStringList{u"b"_s}, QStringList{u"b"_s, u"a"_s}}) {
        CourseCollection courses = Courses(names);
        int swaps = 0;
        SortCollection(courses, u"name"_s, [&](int, int) { ++swaps; });
        EXPECT_EQ(Names(courses), names);
        EXPECT_EQ(swaps, 0);
    }
}

} // namespace
