#include "support/CourseMaker.h"

#include "model/CourseOrder.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(SortCollection, OrdersByTheTrimmedLowerCasedKeyAsTheExchangeLeavesThem)
{
    const struct
    {
        const char* what;
        QString key;
        QStringList names;
        QList<qint16> priorities;
        QStringList sorted;
    } cases[] = {
        {"by character code",
         u"alphabet"_s,
         {u"Zebra"_s, u"apfel"_s, u"Birne"_s, u"Äpfel"_s, u" Blank"_s, u"Analysis"_s,
          u"Analysis I"_s},
         {0, 0, 0, 0, 0, 0, 0},
         {u" Blank"_s, u"Analysis"_s, u"Analysis I"_s, u"Birne"_s, u"Zebra"_s, u"apfel"_s,
          u"Äpfel"_s}},
        {"descending priority",
         u" Priority "_s,
         {u"P3"_s, u"Pm1"_s, u"P7"_s},
         {3, -1, 7},
         {u"P7"_s, u"P3"_s, u"Pm1"_s}},
        // A and B tie: the exchange turns them round, a stable sort would not.
        {"equal keys",
         u"priority"_s,
         {u"A"_s, u"B"_s, u"C"_s},
         {1, 1, 2},
         {u"C"_s, u"B"_s, u"A"_s}},
        {"unknown key", u"name"_s, {u"b"_s, u"a"_s}, {1, 2}, {u"b"_s, u"a"_s}},
        {"one course", u"alphabet"_s, {u"b"_s}, {0}, {u"b"_s}},
    };
    for (const auto& c : cases) {
        CourseCollection courses;
        for (int i = 0; i < c.names.size(); ++i)
            courses.Append(Course(c.names[i], c.priorities[i]));
        SortCollection(courses, c.key);
        QStringList names;
        for (const Termin& course : courses)
            names << course.Caption;
        EXPECT_EQ(names, c.sorted) << c.what;
    }
}

TEST(SortCollection, ReportsEveryExchangeInTheOrderItHappens)
{
    CourseCollection courses;
    for (const qint16 priority : {1, 2, 3})
        courses.Append(Course(u"P"_s, priority));
    QList<std::pair<int, int>> swaps;
    SortCollection(courses, u"priority"_s, [&](int i, int j) { swaps.append({i, j}); });
    EXPECT_EQ(swaps, (QList<std::pair<int, int>>{{0, 1}, {0, 2}, {1, 2}}));
    EXPECT_FALSE(OutOfOrder(courses[0], courses[1], u"PRIORITY"_s));
    EXPECT_TRUE(OutOfOrder(courses[1], courses[0], u"PRIORITY"_s));
}

} // namespace
