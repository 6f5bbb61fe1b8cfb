// kalustra-search run as a program: its lines, its stop rule, its failures.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct ToolRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun RunTool(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(KALUSTRA_SEARCH_TOOL), arguments);
    tool.waitForFinished(30000);
    return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardOutput()),
            QString::fromUtf8(tool.readAllStandardError())};
}

class SearchTool : public ::testing::Test
{
protected:
    QTemporaryDir dir;

    QString ListFile(const QByteArray& lines)
    {
        const QString name = dir.filePath(u"liste.txt"_s);
        QFile file(name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(lines);
        return name;
    }
};

TEST_F(SearchTool, PrintsEveryClickInSortedOrderUntilTheRankIsMissed)
{
    // C before B before A once sorted; A needs all of 1, 5 and 9.
    const QString list = ListFile("A,1,3,0,10001000100000000000,\r\n"
                                  "B,0,4,0,0000100000000000000,\r\n"
                                  "C,0,5,0,11000,\r\n"
                                  "D,0,0,0,00000000000000000000,\r\n");
    const ToolRun run = RunTool({list, u"9"_s});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, u"rank 1 value 9 found 0 placement 1 5 - -\n"
                       u"rank 2 value 9 found 2 placement 2 5 - -\n"
                       u"rank 3 value 9 found 2 placement 2 5 - -\n"_s);
}

TEST_F(SearchTool, OneClickByDefaultAndVisitAllCellsJoined)
{
    const QString list = ListFile("A,1,3,0,10001000100000000000,\r\nB,0,2,0,01,\r\n");
    const ToolRun run = RunTool({list});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, u"rank 1 value 5 found 0 placement 1+5+9 2\n"_s);
}

TEST_F(SearchTool, UnreadableFileOrBadCommandLineFails)
{
    const QString missing = dir.filePath(u"fehlt.txt"_s);
    for (const QString& file : {missing, dir.path()}) {
        const ToolRun run = RunTool({file, u"3"_s});
        EXPECT_EQ(run.exitCode, 2) << qPrintable(file);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(file));
    }
    EXPECT_FALSE(QFile::exists(missing));
    const QString list = ListFile("A,0,1,0,1,\r\n");
    for (const QStringList& arguments :
         {QStringList{}, QStringList{list, u"0"_s}, QStringList{list, u"zwei"_s},
          QStringList{list, u"1"_s, u"1"_s}}) {
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.isEmpty());
    }
}

} // namespace
