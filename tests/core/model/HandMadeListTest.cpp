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

// Without a single line feed, CR ends the line; with one, a CR not before
// it stays text, as it always did.
TEST(HandMadeList, LinesEndingInCrAloneAreReadOneByOne)
{
    const CourseListContent crOnly =
        Read("A,0,1,0," + Mask() + ",x#13y\r\rB,0,1,0," + Mask() + ",\r");
    ASSERT_EQ(crOnly.courses.size(), 2u);
    EXPECT_EQ(crOnly.courses[0].Info, u"x\r\ny"_s);
    ASSERT_EQ(crOnly.notices.size(), 2u);
    EXPECT_TRUE(crOnly.notices[0].reason.contains(u"CR allein"_s));
    EXPECT_EQ(crOnly.notices[1].lineNumber, 2);

    const CourseListContent withLineFeed = Read("A,0,1,0," + Mask() + ",x\ry\r\rB\r\n");
    EXPECT_EQ(withLineFeed.courses.at(0).Info, u"x\ry\r\rB"_s);
    EXPECT_TRUE(withLineFeed.notices.empty());
}

// A short mask ends at its comma or the line's end; the notes after that
// comma are kept, and the line is named. Twenty characters and a comma are
// the mask, whatever they are: the program wrote them so.
TEST(HandMadeList, AShortMaskKeepsTheNotesAfterItAndIsTold)
{
    const QString cases[][3] = {{u"101,Raum 3, Dr. Y"_s, u"101"_s, u"Raum 3, Dr. Y"_s},
                                {u",x"_s, u""_s, u"x"_s},
                                {u"1"_s, u"1"_s, u""_s},
                                {u"10,x0000000000000000,y"_s, u"10,x0000000000000000"_s, u"y"_s}};
    for (const auto& [line, times, info] : cases) {
        const CourseListContent content = Read("A,0,1,0," + line.toLatin1());
        EXPECT_EQ(content.courses.at(0).Times, times);
        EXPECT_EQ(content.courses.at(0).Info, info);
        const bool isShort = times.size() < 20;
        ASSERT_EQ(content.notices.size(), isShort ? 1u : 0u);
        if (isShort) {
            EXPECT_TRUE(content.notices[0].lineNumber == 1 &&
                        content.notices[0].reason.contains(u"nur %1 statt"_s.arg(times.size())));
        }
    }
}

} // namespace
