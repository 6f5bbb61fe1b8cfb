#include "ErrorExpectations.h"
#include "TempDir.h"

#include "general/FileRoutines.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList ReadAllLines(const QString& fileName)
{
    STD::FileTable files;
    files.Open(fileName, 1, STD::FileMode::Random, 1);
    QStringList lines;
    for (int guard = 0; guard < 100; ++guard) {
        lines << STD::ReadLine(files, 1);
        if (lines.last() == u"\r"_s)
            break;
    }
    return lines;
}

struct ReadLineCase
{
    QByteArray bytes;
    QStringList lines; // ends with the end-of-file marker
};

inline void PrintTo(const ReadLineCase& c, std::ostream* out)
{
    PrintTo(c.bytes, out);
}

class ReadLineTest : public testing::TestWithParam<ReadLineCase>
{
};

TEST_P(ReadLineTest, SplitsAtLineFeedsAndMarksTheEnd)
{
    TempDir dir;
    EXPECT_EQ(ReadAllLines(dir.Write(u"f.txt"_s, GetParam().bytes)), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Bytes, ReadLineTest,
                         testing::Values(ReadLineCase{"ab\r\ncd", {u"ab"_s, u"cd"_s, u"\r"_s}},
                                         ReadLineCase{"\n\n", {u""_s, u""_s, u"\r"_s}},
                                         ReadLineCase{"", {u"\r"_s}},
                                         ReadLineCase{"a\rb\r\n", {u"a\rb"_s, u"\r"_s}},
                                         ReadLineCase{"x\r", {u"x\r"_s, u"\r"_s}},
                                         ReadLineCase{"x\r\r\n", {u"x\r"_s, u"\r"_s}},
                                         ReadLineCase{"\x80\xe4\x81\n", {u"€ä\u0081"_s, u"\r"_s}}));

TEST(ReadLine, LeavesThePositionJustAfterTheLineFeed)
{
    TempDir dir;
    STD::FileTable files;
    files.Open(dir.Write(u"f.txt"_s, "ab\r\ncd"), 1, STD::FileMode::Random, 1);
    STD::ReadLine(files, 1);
    EXPECT_EQ(files.Position(1), 5);
    STD::ReadLine(files, 1);
    EXPECT_EQ(files.Position(1), 7);
}

TEST(WriteText, EveryByteRoundTrips)
{
    TempDir dir;
    QByteArray allBytes;
    for (int b = 0; b < 256; ++b) {
        if (b != '\n')
            allBytes += char(b);
    }
    const QString file = dir.Write(u"bytes.bin"_s, allBytes + "\r\n");
    const QString text = ReadAllLines(file).first();
    ASSERT_EQ(text.size(), 255);

    STD::FileTable files;
    files.OpenReplacement(dir.Path(u"copy.bin"_s), 2);
    STD::WriteLine(files, 2, text);
    EXPECT_EQ(files.ReplacedCharacters(2), 0);
    files.Close(2);
    EXPECT_EQ(dir.Read(u"copy.bin"_s), allBytes + "\r\n");
}

TEST(WriteText, OverwritesFromThePositionAndCountsUnwritableCharacters)
{
    TempDir dir;
    STD::FileTable files;
    files.Open(dir.Write(u"f.txt"_s, "abcdef"), 1, STD::FileMode::Random, 1);
    STD::ReadLine(files, 1); // the position is now beyond the end
    STD::WriteText(files, 1, u"Ω€😀"_s);
    STD::WriteText(files, 1, u""_s);
    EXPECT_EQ(files.ReplacedCharacters(1), 2);
    files.Close(1);
    EXPECT_EQ(dir.Read(u"f.txt"_s), "abcdef?\x80?");
}

TEST(OpenNewFile, ModesInAnyCaseOpenAnEmptyFile)
{
    for (const QString& mode :
         {u""_s, u"RANDOM"_s, u"Random"_s, u"output"_s, u"Binary"_s, u"append"_s}) {
        TempDir dir;
        const QString file = dir.Write(u"liste.txt"_s, "old content\r\n");
        STD::FileTable files;
        STD::OpenNewFile(files, file, 1, mode, 1);
        EXPECT_TRUE(files.IsOpen(1)) << mode.toStdString();
        EXPECT_EQ(files.Length(1), 0) << mode.toStdString();
        STD::WriteLine(files, 1, u"neu"_s);
        files.Close(1);
        EXPECT_EQ(dir.Read(u"liste.txt"_s), "neu\r\n") << mode.toStdString();
    }
}

TEST(OpenNewFile, RefusedModesLeaveTheFileDeleted)
{
    const std::pair<QString, int> cases[] = {{u"read"_s, STD::InvalidArgument},
                                             {u"input"_s, STD::FileNotFound}};
    for (const auto& [mode, error] : cases) {
        TempDir dir;
        const QString file = dir.Write(u"liste.txt"_s, "old\r\n");
        STD::FileTable files;
        EXPECT_TRUE(RaisesError(error, [&] { STD::OpenNewFile(files, file, 1, mode, 1); }));
        EXPECT_FALSE(QFileInfo::exists(file)) << mode.toStdString();
        EXPECT_FALSE(files.IsOpen(1));
    }
}

TEST(OpenNewFile, ClosesWhatWasOpenUnderTheNumberFirst)
{
    TempDir dir;
    STD::FileTable files;
    files.Open(dir.Write(u"a.txt"_s, "a"), 1, STD::FileMode::Random, 1);
    STD::WriteText(files, 1, u"b"_s);
    STD::OpenNewFile(files, dir.Path(u"b.txt"_s), 1, u"random"_s, 1);
    EXPECT_EQ(dir.Read(u"a.txt"_s), "b");
    EXPECT_TRUE(QFileInfo::exists(dir.Path(u"b.txt"_s)));
}

TEST(FileTable, RandomAccessCreatesAMissingFile)
{
    TempDir dir;
    STD::FileTable files;
    files.Open(dir.Path(u"neu.txt"_s), 1, STD::FileMode::Random, 1);
    EXPECT_TRUE(QFileInfo::exists(dir.Path(u"neu.txt"_s)));
    EXPECT_EQ(STD::ReadLine(files, 1), u"\r"_s);
}

TEST(FileTable, RefusesWrongNumbersAndDirectories)
{
    TempDir dir;
    STD::FileTable files;
    EXPECT_TRUE(RaisesError(STD::BadFileNumber, [&] { STD::ReadLine(files, 3); }));
    EXPECT_TRUE(RaisesError(STD::BadFileNumber,
                            [&] { files.Open(dir.Path(u"x"_s), 0, STD::FileMode::Random); }));
    files.Open(dir.Path(u"x"_s), 1, STD::FileMode::Random);
    EXPECT_TRUE(RaisesError(STD::FileAlreadyOpen,
                            [&] { files.Open(dir.Path(u"y"_s), 1, STD::FileMode::Random); }));
    QDir(dir.Path(u""_s)).mkdir(u"sub"_s);
    EXPECT_TRUE(RaisesError(STD::PathFileAccessError,
                            [&] { files.Open(dir.Path(u"sub"_s), 2, STD::FileMode::Random); }));
}

TEST(FileTable, AReplacementLeavesTheOldFileUntilItIsComplete)
{
    TempDir dir;
    const QString file = dir.Write(u"liste.txt"_s, "alt\r\n");
    STD::FileTable files;
    files.OpenReplacement(file, 1);
    STD::WriteLine(files, 1, u"neu"_s);
    EXPECT_EQ(dir.Read(u"liste.txt"_s), "alt\r\n");
    files.Close(1);
    EXPECT_EQ(dir.Read(u"liste.txt"_s), "neu\r\n");
}

TEST(FileTable, AReplacementThatCannotBeWrittenRaisesTheReason)
{
    TempDir dir;
    STD::FileTable files;
    files.OpenReplacement(dir.Path(u"fehlt/liste.txt"_s), 1);
    STD::WriteLine(files, 1, u"neu"_s);
    try {
        files.Close(1);
        ADD_FAILURE() << "the save into a missing directory succeeded";
    } catch (const STD::Error& error) {
        EXPECT_EQ(error.Number(), STD::PathNotFound);
        EXPECT_TRUE(error.Text().contains(u"liste.txt"_s)) << error.Text().toStdString();
    }
    EXPECT_FALSE(files.IsOpen(1));
}

} // namespace
