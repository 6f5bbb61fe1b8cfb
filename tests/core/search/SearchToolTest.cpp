// kalustra-search run as a program: its lines, its stop rule, its failures.
#include "support/TempDir.h"

#include <QProcess>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(SearchTool, PrintsEachClickInSortedOrderUntilTheRankIsMissed)
{
    const TempDir dir;
    // Sorted: C, A, B, D. A needs all of 1, 5 and 9; D is offered nowhere.
    const QString list = dir.Write(u"liste.txt"_s, "B,0,2,0,0011,\r\n"
                                                   "A,1,3,0,10001000100000000000,\r\n"
                                                   "D,0,1,0,,\r\n"
                                                   "C,0,5,0,010000000001,\r\n");
    QProcess tool;
    const auto run = [&tool](const QStringList& arguments) {
        tool.start(QStringLiteral(KALUSTRA_SEARCH_TOOL), arguments);
        tool.waitForFinished(30000);
        return QString::fromUtf8(tool.readAllStandardOutput());
    };
    EXPECT_EQ(run({list, u"9"_s}), u"rank 1 value 10 found 0 placement 2 1+5+9 3 -\n"
                                   u"rank 2 value 10 found 2 placement 2 1+5+9 4 -\n"
                                           u"rank 3 value 10 found 3 placement 12 1+5+9 3 -\n"
                                           u"rank 4 value 10 found 4 placement 12 1+5+9 4 -\n"
                                           u"rank 5 value 10 found 4 placement 12 1+5+9 4 -\n"_s);
    EXPECT_EQ(tool.exitCode(), 0);

    const QString unreadable = dir.Path(u"fehlt.txt"_s);
    EXPECT_EQ(run({unreadable, u"3"_s}), QString());
    EXPECT_EQ(tool.exitCode(), 2);
    EXPECT_TRUE(QString::fromUtf8(tool.readAllStandardError()).contains(unreadable));
    EXPECT_FALSE(QFile::exists(dir.Path(u"fehlt.txt"_s)));
}

} // namespace
