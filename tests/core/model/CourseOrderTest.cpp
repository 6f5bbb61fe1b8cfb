#include "support/CourseMaker.h"

#include "model/CourseOrder.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <numeric>
#include <random>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList Names(const CourseCollection& courses)
{
    QStringList names;
    for (const Termin& course : courses)
        names << course.Caption;
    return names;
}

TEST(SortCollection, OrdersByTheTrimmedLowerCasedKeyAsTheExchangeLeavesThem)
{
    const struct
    {
        QString key;
        QStringList names;
        QList<qint16> priorities;
        QStringList sorted;
    } cases[] = {
        // By character code: blank, capitals, small letters, umlauts; prefixes first.
        {u"alphabet"_s,
         {u"Zebra"_s, u"apfel"_s, u"Birne"_s, u"Äpfel"_s, u" Blank"_s, u"Analysis I"_s,
          u"Analysis"_s},
         {0, 0, 0, 0, 0, 0, 0},
         {u" Blank"_s, u"Analysis"_s, u"Analysis I"_s, u"Birne"_s, u"Zebra"_s, u"apfel"_s,
          u"Äpfel"_s}},
        {u" Priority "_s, {u"P3"_s, u"Pm1"_s, u"P7"_s}, {3, -1, 7}, {u"P7"_s, u"P3"_s, u"Pm1"_s}},
        // A and B tie: the exchange turns them round, a stable sort would not.
        {u"priority"_s, {u"A"_s, u"B"_s, u"C"_s}, {1, 1, 2}, {u"C"_s, u"B"_s, u"A"_s}},
        {u"name"_s, {u"b"_s, u"a"_s}, {1, 2}, {u"b"_s, u"a"_s}},
        {u"alphabet"_s, {}, {}, {}},
    };
    for (const auto& c : cases) {
        CourseCollection courses;
        for (int i = 0; i < c.names.size(); ++i)
            courses.Append(Course(c.names[i], c.priorities[i]));
        SortCollection(courses, c.key);
        EXPECT_EQ(Names(courses), c.sorted) << c.key.toStdString();
        EXPECT_EQ(courses[courses.Count()], Termin{}) << "the spare position";
    }
}

// The exchange done literally, step by step: the oracle for the computed
// order. Element p is the position, before the sort, of the course that
// ends at p.
std::vector<int> StepByStepOrder(CourseCollection courses, const QString& key)
{
    std::vector<int> order(courses.Count());
    std::iota(order.begin(), order.end(), 0);
    SortStepByStep(courses, key, [&](int i, int j) { std::swap(order[i], order[j]); });
    return order;
}

void ExpectTheLiteralOrder(const CourseCollection& courses, int list)
{
    for (const QString& key : {u" Priority"_s, u"alphabet "_s})
        ASSERT_EQ(ExchangeOrder(courses, key), StepByStepOrder(courses, key))
            << "list " << list << ", key " << key.toStdString();
}

// Every list of up to seven courses over three keys, and of up to six over
// four: all patterns of better, equal and worse keys that short lists have.
TEST(ExchangeOrder, MatchesTheLiteralExchangeOnEveryShortList)
{
    for (const int keys : {3, 4}) {
        for (int count = 0, lists = 1; count <= 10 - keys; ++count, lists *= keys) {
            for (int list = 0; list < lists; ++list) {
                CourseCollection courses;
                for (int i = 0, rest = list; i < count; ++i, rest /= keys)
                    courses.Append(Course(QString(QChar(u'a' + rest % keys)), qint16(rest % keys)));
                ExpectTheLiteralOrder(courses, list);
            }
        }
    }
}

// Random lists of up to 300 courses with few or many distinct keys: case,
// umlauts, leading blanks, prefixes and empty names, which the name order
// must keep apart, and negative priorities down to the smallest.
TEST(ExchangeOrder, MatchesTheLiteralExchangeOnRandomLists)
{
    const QString names[] = {u"Analysis"_s, u"analysis"_s, u" Analysis"_s, u"Analysis I"_s,
                             u"Äpfel"_s,    u"apfel"_s,    u"Zebra"_s,     u""_s,
                             u"Übung"_s,    u"  Blank"_s,  u"ä"_s,         u"Ä"_s};
    std::mt19937 random(20261207);
    for (int list = 0; list < 3000; ++list) {
        const int count = int(random() % (list < 2500 ? 40 : 300));
        // 0: any 16-bit priority; otherwise that many around 0.
        const int distinct = std::array{0, 1, 2, 3, 5, 20}[random() % 6];
        const int nameCount = random() % 2 == 0 ? 4 : 12;
        CourseCollection courses;
        for (int i = 0; i < count; ++i) {
            const int priority = distinct == 0 ? int(random() % 65536) - 32768
                                               : int(random() % distinct) - distinct / 2;
            courses.Append(Course(names[random() % nameCount], qint16(priority)));
        }
        ExpectTheLiteralOrder(courses, list);
    }
}

} // namespace
