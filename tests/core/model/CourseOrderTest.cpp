#include "support/CourseMaker.h"
#include "support/ErrorExpectations.h"
#include "support/LiteralExchange.h"

#include "model/CourseOrder.h"

#include <QStringList>

#include <gtest/gtest.h>

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
        {"no course", u"alphabet"_s, {}, {}, {}},
    };
    for (const auto& c : cases) {
        CourseCollection courses;
        for (int i = 0; i < c.names.size(); ++i)
            courses.Append(Course(c.names[i], c.priorities[i]));
        SortCollection(courses, c.key);
        EXPECT_EQ(Names(courses), c.sorted) << c.what;
        EXPECT_EQ(courses[courses.Count()], Termin{}) << c.what << ": the spare position";
    }
}

// Every list of up to seven courses over three keys, and of up to six over
// four: all patterns of better, equal and worse keys that short lists have.
TEST(ExchangeOrder, MatchesTheLiteralExchangeOnEveryShortList)
{
    for (const int keys : {3, 4}) {
        for (int count = 0; count <= (keys == 3 ? 7 : 6); ++count) {
            int lists = 1;
            for (int i = 0; i < count; ++i)
                lists *= keys;
            for (int list = 0; list < lists; ++list) {
                CourseCollection courses;
                for (int i = 0, rest = list; i < count; ++i, rest /= keys)
                    courses.Append(Course(QString(QChar(u'a' + rest % keys)), qint16(rest % keys)));
                for (const QString& key : {u"priority"_s, u"alphabet"_s}) {
                    ASSERT_EQ(ExchangeOrder(courses, key), LiteralExchangeOrder(courses, key))
                        << "list " << list << " of " << count << " courses, key "
                        << key.toStdString();
                }
            }
        }
    }
}

QString RandomName(std::mt19937& random, bool fewNames)
{
    // Case, umlauts, leading blanks and prefixes, which the name order must
    // keep apart; few names make many ties.
    static const char16_t* const names[] = {u"Analysis", u"analysis", u" Analysis", u"Analysis I",
                                            u"Äpfel",    u"apfel",    u"Zebra",     u"",
                                            u"Übung",    u"  Blank",  u"ä",         u"Ä"};
    if (fewNames)
        return QString::fromUtf16(names[random() % 4]);
    if (random() % 2 == 0)
        return QString::fromUtf16(names[random() % std::size(names)]);
    static const char16_t letters[] = u" aAäÄz";
    QString name;
    for (int length = int(random() % 4); length > 0; --length)
        name += QChar(letters[random() % 6]);
    return name;
}

qint16 RandomPriority(std::mt19937& random, int distinct)
{
    if (distinct == 0)
        return qint16(int(random() % 65536) - 32768);
    return qint16(int(random() % distinct) - distinct / 2);
}

// Random lists of up to 300 courses: few and many distinct keys, negative
// priorities, equal names; the order and where a selected course ends.
TEST(ExchangeOrder, MatchesTheLiteralExchangeOnRandomLists)
{
    std::mt19937 random(20261207);
    for (int list = 0; list < 3000; ++list) {
        const int count = list < 2500 ? int(random() % 40) : int(random() % 300);
        // 0: any 16-bit priority; otherwise that many around 0.
        const int distinct = std::array{0, 1, 2, 3, 5, 20}[random() % 6];
        const bool fewNames = random() % 2 == 0;
        CourseCollection courses;
        for (int i = 0; i < count; ++i)
            courses.Append(Course(RandomName(random, fewNames), RandomPriority(random, distinct)));
        const int selected = count == 0 ? -1 : int(random() % (count + 1)) - 1;

        for (const QString& key : {u" Priority"_s, u"alphabet "_s}) {
            CourseCollection literal = courses;
            int literalSelected = selected;
            // The chooser's rule: the selection goes where its item goes.
            LiteralExchangeSort(literal, key, [&](int i, int j) {
                if (literalSelected == i)
                    literalSelected = j;
                else if (literalSelected == j)
                    literalSelected = i;
            });
            const std::vector<int> order = ExchangeOrder(courses, key);
            CourseCollection sorted = courses;
            SortCollection(sorted, key);
            ASSERT_EQ(Names(sorted), Names(literal))
                << "list " << list << " key " << key.toStdString();
            for (int p = 0; p < count; ++p)
                ASSERT_EQ(sorted[p], literal[p]) << "list " << list << " position " << p;
            // The selection ends where its course ends.
            const auto found = std::find(order.begin(), order.end(), selected);
            ASSERT_EQ(selected == -1 ? -1 : int(found - order.begin()), literalSelected)
                << "list " << list;
        }
    }
}

TEST(CourseCollection, ReordersOnlyByAnArrangementOfItsPositions)
{
    CourseCollection courses;
    for (const char16_t* name : {u"A", u"B", u"C"})
        courses.Append(Course(QString::fromUtf16(name)));
    for (const std::vector<int>& wrong : {std::vector<int>{0, 1}, {0, 1, 1}, {0, 1, 3}, {-1, 0, 1}})
        EXPECT_TRUE(RaisesError(STD::InvalidArgument, [&] { courses.Reorder(wrong); }));
    EXPECT_EQ(Names(courses), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
    courses.Reorder({2, 0, 1});
    EXPECT_EQ(Names(courses), (QStringList{u"C"_s, u"A"_s, u"B"_s}));
    EXPECT_EQ(courses[3], Termin{});
}

} // namespace
