#include "support/CourseMaker.h"
#include "support/TempDir.h"

#include "model/CourseListFile.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QString NoSlot()
{
    return QString(20, u'0');
}

// Whatever "#" the user types, next to the digits of a marker or not, the
// name and the notes read back as typed.
TEST(CourseListMarker, HashTextReadsBackAsTyped)
{
    const std::pair<QString, QString> typed[] = {
        {u"Raum #44 B"_s, u"Ticket #1337, Raum #44"_s},
        {u"Kurs #13"_s, u"#13#44#35"_s},
        {u"#35#3544##44#,#"_s, u"#3513##13#\r\n13#"_s},
        {u"C#, #"_s, u"a#\nb #35"_s},
    };
    TempDir dir;
    CourseCollection courses;
    for (const auto& [caption, info] : typed)
        courses.Append(Course(caption, 1, NoSlot(), info));
    WriteCourseList(dir.Path(u"liste.txt"_s), courses);
    const CourseListContent content = ReadCourseList(dir.Path(u"liste.txt"_s));
    EXPECT_TRUE(content.notices.empty());
    ASSERT_EQ(content.courses.size(), std::size(typed));
    for (std::size_t i = 0; i < std::size(typed); ++i) {
        EXPECT_EQ(content.courses[i].Caption, typed[i].first);
        // A lone line feed is a line break, as the notes field shows it.
        EXPECT_EQ(content.courses[i].Info,
                  QString(typed[i].second).replace(u"\r\n"_s, u"\n"_s).replace(u"\n"_s, u"\r\n"_s));
    }
}

// Files written before read as they always did: "#35" stands for "#" only
// right before the digits of a marker or of "35", which no older file
// held but by chance ("#3544" in a name, "#3513" in the notes).
TEST(CourseListMarker, OlderFilesKeepTheirReading)
{
    const struct
    {
        QByteArray name;
        QByteArray info;
        QString caption;
        QString notes;
    } cases[] = {
        {"Raum #44 B", "a#13b", u"Raum , B"_s, u"a\r\nb"_s},
        {"Raum #35", "Raum #35, #44", u"Raum #35"_s, u"Raum #35, #44"_s},
        {"C# ##44", "##13#1#133", u"C# #,"_s, u"#\r\n#1\r\n3"_s},
        {"#3544", "#3513", u"#44"_s, u"#13"_s},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const CourseListContent content = ReadCourseList(dir.Write(
            u"liste.txt"_s, c.name + ",0,1,0," + QByteArray(20, '0') + ',' + c.info + "\r\n"));
        ASSERT_EQ(content.courses.size(), 1u);
        EXPECT_EQ(content.courses[0].Caption, c.caption);
        EXPECT_EQ(content.courses[0].Info, c.notes);
    }
}

} // namespace
