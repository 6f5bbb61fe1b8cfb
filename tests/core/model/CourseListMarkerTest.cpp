#include "support/CourseMaker.h"
#include "support/TempDir.h"

#include "model/CourseListFile.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// Every "#" the user types reads back as typed; a file written before reads
// as it always did, but for "#35" right before a marker's digits or "35".
TEST(CourseListMarker, HashTextReadsBackAsTypedAndOlderFilesAsBefore)
{
    const QString typed[][2] = {{u"Raum #44 B"_s, u"Ticket #1337, Raum #44"_s},
                                {u"#35#3544##44#,#"_s, u"#3513##13#\r\n13#13#"_s}};
    TempDir dir;
    const QString file = dir.Path(u"liste.txt"_s);
    CourseCollection courses;
    for (const auto& [caption, info] : typed)
        courses.Append(Course(caption, 1, QString(20, u'0'), info));
    WriteCourseList(file, courses);
    const CourseListContent read = ReadCourseList(file);
    ASSERT_EQ(read.courses.size(), 2u);
    EXPECT_EQ(read.courses[1].Caption, typed[1][0]);
    EXPECT_EQ(read.courses[1].Info, typed[1][1]);
    EXPECT_EQ(std::vector<Termin>(courses.begin(), courses.end()), read.courses);

    const QByteArray old[][2] = {
        {"Raum #44 B,", "a#13b #44"}, {"C# #35 ##44,", "##13#35#1#133"}, {"#3544,", "#3513"}};
    const QString reading[][2] = {{u"Raum , B"_s, u"a\r\nb #44"_s},
                                  {u"C# #35 #,"_s, u"#\r\n#35#1\r\n3"_s},
                                  {u"#44"_s, u"#13"_s}};
    for (int i = 0; i < 3; ++i) {
        const Termin course =
            ReadCourseList(dir.Write(u"liste.txt"_s,
                                     old[i][0] + "0,1,0," + QByteArray(20, '0') + ',' + old[i][1]))
                .courses.at(0);
        EXPECT_EQ(course.Caption, reading[i][0]);
        EXPECT_EQ(course.Info, reading[i][1]);
    }
}

} // namespace
