#include "support/CourseMaker.h"
#include "support/TempDir.h"

#include "model/CourseListFile.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray Mask()
{
    return "10000000000000000000";
}

CourseListContent Read(const QByteArray& bytes)
{
    TempDir dir;
    return ReadCourseList(dir.Write(u"liste.txt"_s, bytes));
}

QByteArray Saved(const CourseListContent& content)
{
    TempDir dir;
    CourseCollection courses;
    for (const Termin& course : content.courses)
        courses.Append(course);
    WriteCourseList(dir.Path(u"liste.txt"_s), courses, content.keptLines);
    return dir.Read(u"liste.txt"_s);
}

TEST(HandMadeList, LinesEndingInCrAloneAreReadOneByOne)
{
    const QByteArray lines[] = {"A,0,1,0," + Mask() + ",x#13y", "", "B,1,2,0," + Mask() + ","};
    const CourseListContent content = Read(lines[0] + '\r' + lines[1] + '\r' + lines[2] + '\r');
    ASSERT_EQ(content.courses.size(), 2u);
    EXPECT_EQ(content.courses[0], Course(u"A"_s, 1, QString::fromLatin1(Mask()), u"x\r\ny"_s));
    EXPECT_EQ(content.courses[1].Caption, u"B"_s);
    ASSERT_EQ(content.notices.size(), 2u);
    EXPECT_EQ(content.notices[0].lineNumber, 0);
    EXPECT_TRUE(content.notices[0].reason.contains(u"CR allein"_s));
    EXPECT_EQ(content.notices[1].lineNumber, 2);
    EXPECT_EQ(Saved(content), lines[0] + "\r\n" + lines[2] + "\r\n");
}

// With a single line feed the file is read as before: a CR is text
// unless it stands before the LF.
TEST(HandMadeList, ACrBeforeTheFirstLineFeedStaysText)
{
    const CourseListContent content = Read("A,0,1,0," + Mask() + ",x\ry\rz\r\r\n");
    ASSERT_EQ(content.courses.size(), 1u);
    EXPECT_EQ(content.courses[0].Info, u"x\ry\rz\r"_s);
    EXPECT_TRUE(content.notices.empty());
}

// A short mask ends at its comma or at the line's end; what follows the
// comma stays the notes, and the line is named.
TEST(HandMadeList, AShortMaskKeepsTheNotesAfterItAndIsTold)
{
    const struct
    {
        QByteArray line;
        QString times;
        QString info;
    } cases[] = {
        {"101,Raum 3, Dr. Y", u"101"_s, u"Raum 3, Dr. Y"_s},
        {",Raum 3", u""_s, u"Raum 3"_s},
        {"1", u"1"_s, u""_s},
        {"1010101010,12345678", u"1010101010"_s, u"12345678"_s},
    };
    for (const auto& c : cases) {
        const CourseListContent content =
            Read("A,0,1,0," + Mask() + ",\r\nB,0,1,0," + c.line + "\r\n");
        ASSERT_EQ(content.courses.size(), 2u) << c.line.toStdString();
        EXPECT_EQ(content.courses[1].Times, c.times) << c.line.toStdString();
        EXPECT_EQ(content.courses[1].Info, c.info) << c.line.toStdString();
        ASSERT_EQ(content.notices.size(), 1u) << c.line.toStdString();
        EXPECT_EQ(content.notices[0].lineNumber, 2);
        EXPECT_TRUE(content.notices[0].reason.contains(u"nur %1 statt 20"_s.arg(c.times.size())))
            << content.notices[0].reason.toStdString();
    }
    // Twenty characters and a comma are the mask, whatever they are: the
    // program wrote it so.
    const CourseListContent written = Read("A,0,1,0,10,notes000000000000,x\r\n");
    EXPECT_EQ(written.courses[0].Times, u"10,notes000000000000"_s);
    EXPECT_EQ(written.courses[0].Info, u"x"_s);
}

} // namespace
