#include "CourseMaker.h"
#include "ErrorExpectations.h"
#include "TempDir.h"

#include "general/Windows1252.h"
#include "model/CourseListFile.h"

#include <QDir>
#include <QFileInfo>

#include <random>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString ListName = u"liste.txt"_s;

CourseListContent ReadBytes(const TempDir& dir, const QByteArray& bytes)
{
    return ReadCourseList(dir.Write(ListName, bytes));
}

QByteArray Written(const CourseCollection& courses)
{
    TempDir dir;
    WriteCourseList(dir.Path(ListName), courses);
    return dir.Read(ListName);
}

CourseCollection Collection(const std::vector<Termin>& list)
{
    CourseCollection courses;
    for (const Termin& course : list)
        courses.Append(course);
    return courses;
}

TEST(CourseListFile, AMissingFileReadsAsNoCourseAndIsCreated)
{
    TempDir dir;
    const CourseListContent content = ReadCourseList(dir.Path(ListName));
    EXPECT_TRUE(content.courses.empty());
    EXPECT_TRUE(content.notices.empty());
    EXPECT_TRUE(QFileInfo::exists(dir.Path(ListName)));
    EXPECT_EQ(Written(CourseCollection{}), QByteArray());
}

TEST(CourseListFile, ReadsEveryFieldOfAWellFormedLine)
{
    TempDir dir;
    const CourseListContent content =
        ReadBytes(dir, "Analysis I,0,5,255,10000000010000000000,Raum 1#13Prof. X\r\n"
                       "\xdc"
                       "bung \x80,5,-32e3,16711680,11111111111111111111,#13#13\r\n"
                       ",x,0,0,00000000000000000000,\r\n");
    ASSERT_EQ(content.courses.size(), 3u);
    EXPECT_TRUE(content.notices.empty());

    const Termin& analysis = content.courses[0];
    EXPECT_EQ(analysis.Caption, u"Analysis I"_s);
    EXPECT_FALSE(analysis.VisitAll);
    EXPECT_EQ(analysis.Priority, 5);
    EXPECT_EQ(analysis.Color, 255);
    EXPECT_EQ(analysis.Times, u"10000000010000000000"_s);
    EXPECT_EQ(analysis.Info, u"Raum 1\r\nProf. X"_s);

    const Termin& exercise = content.courses[1];
    EXPECT_EQ(exercise.Caption, u"Übung €"_s);
    EXPECT_TRUE(exercise.VisitAll);
    EXPECT_EQ(exercise.Priority, -32000);
    EXPECT_EQ(exercise.Color, 16711680);
    EXPECT_EQ(exercise.Info, u"\r\n\r\n"_s);

    EXPECT_EQ(content.courses[2], Termin{});
}

TEST(CourseListFile, LineEndingsAndAMissingFinalBreakReadAlike)
{
    TempDir dir;
    const CourseListContent content = ReadBytes(dir, "A,0,1,0,10000000000000000000,a\n"
                                                     "B,0,2,0,01000000000000000000,\r\n"
                                                     "C,0,3,0,00100000000000000000,Ende");
    ASSERT_EQ(content.courses.size(), 3u);
    EXPECT_EQ(content.courses[0].Info, u"a"_s);
    EXPECT_EQ(content.courses[2].Info, u"Ende"_s);
    EXPECT_TRUE(content.notices.empty());

    EXPECT_EQ(Written(Collection(content.courses)),
              QByteArray("A,0,1,0,10000000000000000000,a\r\n"
                         "B,0,2,0,01000000000000000000,\r\n"
                         "C,0,3,0,00100000000000000000,Ende\r\n"));
}

TEST(CourseListFile, AShortMaskStaysAsReadAndIsWrittenInFull)
{
    TempDir dir;
    // The mask takes the next twenty characters, whatever they are.
    const CourseListContent content = ReadBytes(dir, "A,0,1,0,001,Ende\r\n");
    ASSERT_EQ(content.courses.size(), 1u);
    EXPECT_EQ(content.courses[0].Times, u"001,Ende"_s);
    EXPECT_EQ(content.courses[0].Info, u""_s);
    // Written as read, the short mask would swallow the comma and the info.
    EXPECT_EQ(Written(Collection(content.courses)),
              QByteArray("A,0,1,0,001,Ende000000000000,\r\n"));
}

TEST(CourseListFile, WritesEachCourseAsOneLine)
{
    const Termin analysis =
        Course(u"Analysis I"_s, 5, u"10000000010000000000"_s, u"Raum 1\r\nProf. X"_s, false, 255);
    const Termin exercise = Course(u"Übung €"_s, -1, QString(20, u'1'), u""_s, true, 0);
    EXPECT_EQ(Written(Collection({analysis, exercise, Termin{}})),
              QByteArray("Analysis I,0,5,255,10000000010000000000,Raum 1#13Prof. X\r\n"
                         "\xdc"
                         "bung \x80,1,-1,0,11111111111111111111,\r\n"
                         ",0,0,0,00000000000000000000,\r\n"));
}

TEST(CourseListFile, AnyNonZeroDigitMeansVisitAllAndIsWrittenAsOne)
{
    TempDir dir;
    const CourseListContent content =
        ReadBytes(dir, "A,5,0,0,00000000000000000000,\r\nB,x,0,0,00000000000000000000,\r\n");
    ASSERT_EQ(content.courses.size(), 2u);
    EXPECT_TRUE(content.courses[0].VisitAll);
    EXPECT_FALSE(content.courses[1].VisitAll);
    EXPECT_TRUE(Written(Collection(content.courses)).startsWith("A,1,0,0,"));
}

struct RepairCase
{
    const char* name;
    QByteArray line;
    Termin course;
};

inline void PrintTo(const RepairCase& c, std::ostream* out)
{
    *out << c.name;
}

class CourseLineRepairTest : public testing::TestWithParam<RepairCase>
{
};

TEST_P(CourseLineRepairTest, ReadsAsFarAsTheLineGoesAndSaysWhere)
{
    TempDir dir;
    const CourseListContent content = ReadBytes(
        dir, "Erste,0,1,0,00000000000000000000,\r\n" + GetParam().line + "\r\nLetzte,0,1,0,1,\r\n");
    ASSERT_EQ(content.courses.size(), 3u) << GetParam().name;
    EXPECT_EQ(content.courses[1], GetParam().course) << GetParam().name;
    EXPECT_EQ(content.courses[2].Caption, u"Letzte"_s);
    ASSERT_EQ(content.notices.size(), 1u) << GetParam().name;
    EXPECT_EQ(content.notices[0].lineNumber, 2);
    EXPECT_FALSE(content.notices[0].reason.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CourseLineRepairTest,
    testing::Values(RepairCase{"no comma at all", "Nur ein Name", Course(u"Nur ein Name"_s)},
                    RepairCase{"nothing after the flag", "A,1",
                               Course(u"A"_s, 0, QString(20, u'0'), {}, true)},
                    RepairCase{"no comma after the priority", "A,0,7", Course(u"A"_s, 7)},
                    RepairCase{"no comma after the colour", "A,0,7,255",
                               Course(u"A"_s, 7, QString(20, u'0'), {}, false, 255)},
                    RepairCase{"priority too high", "A,0,40000,0,1", Course(u"A"_s, 32767, u"1"_s)},
                    RepairCase{"priority too low", "A,0,-1e9,0,1", Course(u"A"_s, -32768, u"1"_s)},
                    RepairCase{"colour too large", "A,0,1,1e12,1",
                               Course(u"A"_s, 1, u"1"_s, {}, false, 2147483647)},
                    RepairCase{"colour beyond a double", "A,0,1,-1e999,1",
                               Course(u"A"_s, 1, u"1"_s, {}, false, -2147483647 - 1)}));

TEST(CourseListFile, EmptyLinesAreSkippedAndReported)
{
    TempDir dir;
    const CourseListContent content = ReadBytes(dir, "A,0,1,0,1,\r\n\r\n\nB,0,2,0,1,\r\n\r\r\n");
    ASSERT_EQ(content.courses.size(), 2u);
    EXPECT_EQ(content.courses[1].Caption, u"B"_s);
    EXPECT_EQ(content.notices, (std::vector<LineNotice>{{2, u"leere Zeile übersprungen"_s},
                                                        {3, u"leere Zeile übersprungen"_s},
                                                        {5, u"leere Zeile übersprungen"_s}}));
}

TEST(CourseListFile, LinesBeyondTheLargestListAreNotLoaded)
{
    TempDir dir;
    QByteArray bytes;
    for (int i = 0; i < CourseCollection::MaxCount + 2; ++i)
        bytes += "K" + QByteArray::number(i) + ",0,0,0,1,\r\n";
    const CourseListContent content = ReadBytes(dir, bytes);
    EXPECT_EQ(content.courses.size(), size_t(CourseCollection::MaxCount));
    EXPECT_EQ(content.courses.back().Caption, u"K32766"_s);
    ASSERT_EQ(content.notices.size(), 1u);
    EXPECT_EQ(content.notices[0].lineNumber, 32768);
}

TEST(CourseListFile, TextsThatWouldBreakTheLineComeBack)
{
    const Termin course{u"Mathe, Teil 1\nneu"_s, 1, u"1"_s, u"a\nb\r\nc"_s};
    const QByteArray bytes = Written(Collection({course}));
    EXPECT_EQ(bytes, QByteArray("Mathe#44 Teil 1#10neu,0,1,0,10000000000000000000,a#13b#13c\r\n"));

    TempDir dir;
    const CourseListContent content = ReadBytes(dir, bytes);
    ASSERT_EQ(content.courses.size(), 1u);
    EXPECT_EQ(content.courses[0].Caption, course.Caption);
    EXPECT_EQ(content.courses[0].Times, u"10000000000000000000"_s);
    EXPECT_EQ(content.courses[0].Info, u"a\r\nb\r\nc"_s);
}

TEST(CourseListFile, AFileThatCannotBeReadIsAnErrorNotAnEmptyList)
{
    TempDir dir;
    QDir(dir.Path(u""_s)).mkdir(ListName);
    EXPECT_TRUE(RaisesError(STD::PathFileAccessError, [&] { ReadCourseList(dir.Path(ListName)); }));
}

TEST(CourseListFile, AFileThatCannotBeCreatedReadsAsNoCourseWithANotice)
{
    TempDir dir;
    const CourseListContent content = ReadCourseList(dir.Path(u"fehlt/liste.txt"_s));
    EXPECT_TRUE(content.courses.empty());
    ASSERT_EQ(content.notices.size(), 1u);
    EXPECT_EQ(content.notices[0].lineNumber, 0);
}

TEST(CourseListFile, AFailedSaveLeavesTheOldFileAsItWas)
{
    TempDir dir;
    const CourseCollection courses = Collection({Course(u"Neu"_s)});
    EXPECT_TRUE(RaisesError(STD::PathNotFound,
                            [&] { WriteCourseList(dir.Path(u"fehlt/liste.txt"_s), courses); }));

    QDir(dir.Path(u""_s)).mkdir(ListName);
    EXPECT_TRUE(RaisesError(STD::PathFileAccessError,
                            [&] { WriteCourseList(dir.Path(ListName), courses); }));
    EXPECT_TRUE(QFileInfo(dir.Path(ListName)).isDir());
}

TEST(CourseListFile, CountsCharactersWrittenAsQuestionMarks)
{
    TempDir dir;
    const CourseCollection courses =
        Collection({Course(u"Ωmega"_s, 0, QString(20, u'0'), u"α und β"_s)});
    EXPECT_EQ(WriteCourseList(dir.Path(ListName), courses), 3);
    EXPECT_TRUE(dir.Read(ListName).startsWith("?mega,"));
}

// Random courses within the limits the format keeps exactly: no comma, line
// feed or "#" in names, no lone line feed or "#" in infos.
class RandomCourses
{
public:
    explicit RandomCourses(unsigned seed) : random_(seed) {}

    Termin Next()
    {
        Termin course;
        course.Caption = Text(0, 12, {u',', u'\n', u'#'});
        course.VisitAll = Number(0, 1) == 1;
        course.Priority = qint16(Number(-32768, 32767));
        course.Color = qint32(Number(-2147483648LL, 2147483647LL));
        course.Times = Text(20, 20, {u'\n'});
        for (int line = Number(0, 3); line >= 0; --line)
            course.Info += Text(0, 8, {u'\n', u'#'}) + (line > 0 ? u"\r\n"_s : u""_s);
        return course;
    }

private:
    qint64 Number(qint64 low, qint64 high)
    {
        return std::uniform_int_distribution<qint64>(low, high)(random_);
    }

    QString Text(int shortest, int longest, std::initializer_list<char16_t> left_out)
    {
        QString text;
        for (qint64 n = Number(shortest, longest); n > 0;) {
            const QChar c = STD::Windows1252::ToChar(quint8(Number(0, 255)));
            if (std::find(left_out.begin(), left_out.end(), c.unicode()) != left_out.end())
                continue;
            text += c;
            --n;
        }
        return text;
    }

    std::mt19937 random_;
};

TEST(CourseListFile, RandomListsRoundTripExactly)
{
    RandomCourses random(20261206);
    for (int round = 0; round < 200; ++round) {
        std::vector<Termin> original;
        for (int n = round % 17; n > 0; --n)
            original.push_back(random.Next());

        TempDir dir;
        WriteCourseList(dir.Path(ListName), Collection(original));
        const QByteArray firstBytes = dir.Read(ListName);
        const CourseListContent content = ReadCourseList(dir.Path(ListName));
        ASSERT_EQ(content.courses, original) << "round " << round;
        EXPECT_TRUE(content.notices.empty()) << "round " << round;

        WriteCourseList(dir.Path(ListName), Collection(content.courses));
        ASSERT_EQ(dir.Read(ListName), firstBytes) << "round " << round;
    }
}

} // namespace
