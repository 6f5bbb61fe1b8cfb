// kalustra-search's exports and its command line, run as a program.
#include "support/TempDir.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Result
{
    int exitCode;
    QString out;
    QString error;
};

Result RunTool(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(KALUSTRA_SEARCH_TOOL), arguments);
    tool.waitForFinished(30000);
    return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardOutput()),
            QString::fromUtf8(tool.readAllStandardError())};
}

class SearchToolExport : public ::testing::Test
{
protected:
    TempDir dir;
    // Two equally good timetables: B on Monday 09-11 or Tuesday 09-11.
    QString list = dir.Write(u"liste.txt"_s, "A,0,5,255,01000000000000000000,\r\n"
                                             "B,0,3,65280,10001000000000000000,\r\n");
};

TEST_F(SearchToolExport, WritesTheLastClicksTimetableThreeWaysAndPrintsAsBefore)
{
    const QString ics = dir.Path(u"t.ics"_s);
    const Result plain = RunTool({list, u"2"_s});
    const Result exported = RunTool({list, u"2"_s, u"--ics"_s, ics, u"--from"_s, u"2027-04-12"_s,
                                     u"--to"_s, u"2027-07-16"_s, u"--pdf"_s, dir.Path(u"t.pdf"_s),
                                     u"--png"_s, dir.Path(u"t.png"_s)});
    EXPECT_EQ(exported.exitCode, 0) << qPrintable(exported.error);
    EXPECT_EQ(exported.out, plain.out);
    // The second click places B on Tuesday: 13.04.2027.
    EXPECT_TRUE(dir.Read(u"t.ics"_s).contains("DTSTART:20270413T090000"));
    EXPECT_TRUE(dir.Read(u"t.pdf"_s).startsWith("%PDF"));
    EXPECT_TRUE(dir.Read(u"t.png"_s).startsWith("\x89PNG"));
}

TEST_F(SearchToolExport, AWrongCommandLineIsOneLineExitTwoAndWritesNothing)
{
    const QString out = dir.Path(u"out.ics"_s);
    const QString pdf = dir.Path(u"out.pdf"_s);
    const QList<QStringList> wrong = {
        {list, u"--ics"_s, out, u"--from"_s, u"2027-04-12"_s},
        {list, u"--from"_s, u"2027-04-12"_s, u"--to"_s, u"2027-07-16"_s},
        {list, u"--ics"_s, out, u"--from"_s, u"2027-02-30"_s, u"--to"_s, u"2027-07-16"_s},
        {list, u"--ics"_s, out, u"--from"_s, u"12.04.2027"_s, u"--to"_s, u"2027-07-16"_s},
        {list, u"--ics"_s, out, u"--from"_s, u"2027-07-16"_s, u"--to"_s, u"2027-04-12"_s},
        {list, u"--bogus"_s},
        {list, u"--pdf"_s},
        {list, u"0"_s, u"--pdf"_s, pdf},
        {list, u"1"_s, u"2"_s},
        {},
    };
    for (const QStringList& arguments : wrong) {
        const Result result = RunTool(arguments);
        EXPECT_EQ(result.exitCode, 2) << qPrintable(arguments.join(u' '));
        EXPECT_EQ(result.error.count(u'\n'), 1) << qPrintable(result.error);
        EXPECT_FALSE(QFile::exists(out) || QFile::exists(pdf)) << qPrintable(arguments.join(u' '));
    }
    // Valid, but no course meets between Saturday and Sunday: the PDF is
    // not written either.
    EXPECT_EQ(RunTool({list, u"--pdf"_s, pdf, u"--ics"_s, out, u"--from"_s, u"2027-04-17"_s,
                       u"--to"_s, u"2027-04-18"_s})
                  .exitCode,
              2);
    EXPECT_FALSE(QFile::exists(out) || QFile::exists(pdf));

    const Result help = RunTool({u"--help"_s});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(u"usage: kalustra-search FILE [K]"_s));
}

} // namespace
