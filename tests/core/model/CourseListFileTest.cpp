#include "support/CourseMaker.h"
#include "support/TempDir.h"

#include "model/CourseListFile.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QString ListName()
{
    return u"liste.txt"_s;
}
QString NoSlot()
{
    return QString(20, u'0');
}
// What makes a mask of "1" twenty characters long.
QByteArray Zeros()
{
    return QByteArray(19, '0');
}
QString OneSlot()
{
    return u"1"_s + NoSlot().left(19);
}

CourseCollection Collection(const std::vector<Termin>& list)
{
    CourseCollection courses;
    for (const Termin& course : list)
        courses.Append(course);
    return courses;
}

QByteArray Written(const std::vector<Termin>& list)
{
    TempDir dir;
    WriteCourseList(dir.Path(ListName()), Collection(list));
    return dir.Read(ListName());
}

TEST(CourseListFile, ReadsTheFieldsOfEachLineAndWritesThemBack)
{
    TempDir dir;
    const CourseListContent content = ReadCourseList(
        dir.Write(ListName(), "Analysis I,0,5,255,10000000010000000000,Raum 1#13Prof. X\r\n"
                              "\xdc"
                              "bung \x80,5,-32e3,16711680,11111111111111111111,#13\n"
                              "Chemie,x,-2,0,00000000000000000001,Ende\r\n"
                              ",0,0,0,00000000000000000000,"));
    EXPECT_TRUE(content.notices.empty());
    const std::vector<Termin> expected = {
        Course(u"Analysis I"_s, 5, u"10000000010000000000"_s, u"Raum 1\r\nProf. X"_s, false, 255),
        Course(u"Übung €"_s, -32000, QString(20, u'1'), u"\r\n"_s, true, 16711680),
        Course(u"Chemie"_s, -2, u"00000000000000000001"_s, u"Ende"_s),
        Termin{},
    };
    EXPECT_EQ(content.courses, expected);
    // Every line ends with CR LF, and any non-zero flag is written as 1.
    EXPECT_EQ(Written(content.courses),
              QByteArray("Analysis I,0,5,255,10000000010000000000,Raum 1#13Prof. X\r\n"
                         "\xdc"
                         "bung \x80,1,-32000,16711680,11111111111111111111,#13\r\n"
                         "Chemie,0,-2,0,00000000000000000001,Ende\r\n"
                         ",0,0,0,00000000000000000000,\r\n"));
}

TEST(CourseListFile, ReadsABrokenLineAsFarAsItGoesAndSaysWhere)
{
    const struct
    {
        const char* what;
        QByteArray line;
        Termin course;
    } cases[] = {
        {"no comma at all", "Nur ein Name", Course(u"Nur ein Name"_s)},
        {"nothing after the flag", "A,1", Course(u"A"_s, 0, NoSlot(), {}, true)},
        {"no comma after the priority", "A,0,7", Course(u"A"_s, 7)},
        {"no comma after the colour", "A,0,7,255", Course(u"A"_s, 7, NoSlot(), {}, false, 255)},
        {"priority too high", "A,0,40000,0,1" + Zeros(), Course(u"A"_s, 32767, OneSlot())},
        {"priority too low", "A,0,-1e9,0,1" + Zeros(), Course(u"A"_s, -32768, OneSlot())},
        {"colour beyond a double", "A,0,1,-1e999,1" + Zeros(),
         Course(u"A"_s, 1, OneSlot(), {}, false, -2147483647 - 1)},
        {"text after the priority", "A,0,5x,0,1" + Zeros(), Course(u"A"_s, 5, OneSlot())},
        {"a word for the colour", "A,0,5,rot,1" + Zeros(), Course(u"A"_s, 5, OneSlot())},
        {"a word for the priority", "A,0, hoch ,255,1" + Zeros(),
         Course(u"A"_s, 0, OneSlot(), {}, false, 255)},
        {"a sign alone", "A,0,-,0,1" + Zeros(), Course(u"A"_s, 0, OneSlot())},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const CourseListContent content =
            ReadCourseList(dir.Write(ListName(), "Erste,0,1,0,1" + Zeros() + "\r\n" + c.line +
                                                     "\r\nLetzte,0,1,0,1" + Zeros()));
        ASSERT_EQ(content.courses.size(), 3u) << c.what;
        EXPECT_EQ(content.courses[1], c.course) << c.what;
        ASSERT_EQ(content.notices.size(), 1u) << c.what;
        EXPECT_EQ(content.notices[0].lineNumber, 2) << c.what;
    }
}

// What would be gone at the next save is quoted, so the user can put it back.
TEST(CourseListFile, TextThatANumberFieldDropsIsNamedInTheNotice)
{
    const std::pair<QByteArray, QString> cases[] = {
        {"A,0,5x,0,1", u"Priorität steht nach der Zahl „x“"_s},
        {"A,0,5,rot,1", u"Farbe steht „rot“ statt einer Zahl"_s},
        {"A,0,1,2 e 3 Grad,1", u"Farbe steht nach der Zahl „Grad“"_s},
        {"A,0," + QByteArray(100, '7') + "!,0,1", u"Priorität"_s},
    };
    for (const auto& [line, named] : cases) {
        TempDir dir;
        const CourseListContent content = ReadCourseList(dir.Write(ListName(), line));
        ASSERT_FALSE(content.notices.empty()) << line.toStdString();
        const LineNotice& notice = content.notices.front();
        EXPECT_TRUE(notice.reason.contains(named)) << notice.reason.toStdString();
        EXPECT_TRUE(notice.leavesOutText);
        EXPECT_LT(notice.reason.size(), 200) << "a long field is quoted in part";
    }
}

// Lines beyond the largest list are written back as they stood, and the
// notice that says so comes first.
TEST(CourseListFile, LinesBeyondTheLargestListAreKeptAndToldFirst)
{
    TempDir dir;
    QByteArray bytes = "A,0,1,0,1" + Zeros() + "\r\n\r\n\n\r\nB,0,2x,0,1" + Zeros() + "\r\n\r\r\n";
    QByteArray loaded = "A,0,1,0,10000000000000000000,\r\nB,0,2,0,10000000000000000000,\r\n";
    for (int i = 2; i < CourseCollection::MaxCount; ++i) {
        bytes += "K,0,0,0,1" + Zeros() + "\r\n";
        loaded += "K,0,0,0,10000000000000000000,\r\n";
    }
    const QByteArray beyond = "Mehr,0,1,0,1\n\r\nLetzte,0,0,0,1,\xe4";
    const CourseListContent content = ReadCourseList(dir.Write(ListName(), bytes + beyond));
    ASSERT_EQ(content.courses.size(), std::size_t(CourseCollection::MaxCount));
    EXPECT_EQ(content.courses[1].Caption, u"B"_s);
    EXPECT_EQ(content.keptLines, beyond);

    // Line, whether text is left out, and what the reason says.
    const std::tuple<int, bool, QString> expected[] = {
        {5, true, u"nach der Zahl"_s},
        {32772, true, u"Diese und die 2 folgenden Zeilen"_s},
        {2, false, u"ebenso die 2 folgenden"_s},
        {6, false, u"leere Zeile übersprungen"_s},
    };
    ASSERT_EQ(content.notices.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const auto& [line, leavesOut, reason] = expected[i];
        EXPECT_EQ(content.notices[i].lineNumber, line) << i;
        EXPECT_EQ(content.notices[i].leavesOutText, leavesOut) << i;
        EXPECT_TRUE(content.notices[i].reason.contains(reason))
            << content.notices[i].reason.toStdString();
    }

    CourseCollection courses;
    for (const Termin& course : content.courses)
        courses.Append(course);
    WriteCourseList(dir.Path(ListName()), courses, content.keptLines);
    EXPECT_TRUE(dir.Read(ListName()) == loaded + beyond) << "a megabyte, not shown";
    // Read again, the same lines are kept and the same courses loaded.
    const CourseListContent again = ReadCourseList(dir.Path(ListName()));
    EXPECT_EQ(again.keptLines, beyond);
    EXPECT_EQ(again.courses.size(), content.courses.size());
}

TEST(CourseListFile, TextsThatWouldBreakTheLineComeBack)
{
    const Termin course = Course(u"Mathe, Teil 1\nneu #10"_s, 1, u"001,Ende"_s, u"a\nb\r\nc"_s);
    const QByteArray bytes = Written({course});
    // A short mask is written in full, or it would take the comma and the info.
    EXPECT_EQ(bytes,
              QByteArray("Mathe#44 Teil 1 neu #10,0,1,0,001,Ende000000000000,a#13b#13c\r\n"));
    TempDir dir;
    const CourseListContent content = ReadCourseList(dir.Write(ListName(), bytes));
    ASSERT_EQ(content.courses.size(), 1u);
    EXPECT_EQ(content.courses[0].Caption, u"Mathe, Teil 1 neu #10"_s);
    EXPECT_EQ(content.courses[0].Info, u"a\r\nb\r\nc"_s);
}

// Unlike a file that cannot be read, which the window's special files and
// failed saves show, one that cannot even be created reads as no course.
TEST(CourseListFile, AFileThatCannotBeCreatedIsAnEmptyListWithANotice)
{
    TempDir dir;
    const CourseListContent content = ReadCourseList(dir.Path(u"fehlt/liste.txt"_s));
    EXPECT_TRUE(content.courses.empty());
    ASSERT_EQ(content.notices.size(), 1u);
    EXPECT_EQ(content.notices[0].lineNumber, 0);
}

} // namespace
