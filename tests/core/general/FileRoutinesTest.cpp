#include "support/ErrorExpectations.h"
#include "support/TempDir.h"

#include "general/FileRoutines.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(ReadLine, SplitsAtLineFeedsAndMarksTheEndWithCR)
{
    const std::pair<QByteArray, QStringList> cases[] = {
        {"ab\r\ncd", {u"ab"_s, u"cd"_s}},    {"\n\n", {u""_s, u""_s}}, {"", {}},
        {"a\rb\r\n", {u"a\rb"_s}},           {"x\r", {u"x\r"_s}},      {"x\r\r\n", {u"x\r"_s}},
        {"\x80\xe4\x81\n", {u"€ä\u0081"_s}},
    };
    for (const auto& [bytes, lines] : cases) {
        TempDir dir;
        STD::FileTable files;
        files.Open(dir.Write(u"f.txt"_s, bytes), 1, STD::FileMode::Random, 1);
        for (const QString& line : lines)
            EXPECT_EQ(STD::ReadLine(files, 1), line) << bytes.toStdString();
        EXPECT_EQ(files.Position(1), bytes.size() + 1);
        EXPECT_EQ(STD::ReadLine(files, 1), u"\r"_s) << bytes.toStdString();
    }
}

TEST(WriteText, EveryByteRoundTripsAndUnwritableCharactersAreCounted)
{
    TempDir dir;
    QByteArray allBytes;
    for (int b = 0; b < 256; ++b)
        allBytes += b == '\n' ? QByteArray() : QByteArray(1, char(b));
    STD::FileTable files;
    files.Open(dir.Write(u"bytes"_s, allBytes + "\r\n"), 1, STD::FileMode::Random, 1);
    const QString text = STD::ReadLine(files, 1);
    ASSERT_EQ(text.size(), 255);
    // Past the end now: the writing appends.
    STD::WriteLine(files, 1, text);
    STD::WriteText(files, 1, u"Ω€😀"_s);
    EXPECT_EQ(files.ReplacedCharacters(1), 2);
    files.Close(1);
    EXPECT_EQ(dir.Read(u"bytes"_s), allBytes + "\r\n" + allBytes + "\r\n?\x80?");
}

TEST(OpenNewFile, DeletesTheFileAndOpensItEmptyInEveryMode)
{
    for (const QString& mode : {u""_s, u"RANDOM"_s, u"output"_s, u"Binary"_s, u"append"_s}) {
        TempDir dir;
        const QString file = dir.Write(u"liste.txt"_s, "alt\r\n");
        STD::FileTable files;
        STD::OpenNewFile(files, file, 1, mode, 1);
        EXPECT_EQ(files.Length(1), 0) << mode.toStdString();
        STD::WriteLine(files, 1, u"neu"_s);
        files.Close(1);
        EXPECT_EQ(dir.Read(u"liste.txt"_s), "neu\r\n") << mode.toStdString();
    }
    const std::pair<QString, int> refused[] = {{u"read"_s, STD::InvalidArgument},
                                               {u"input"_s, STD::FileNotFound}};
    for (const auto& [mode, error] : refused) {
        TempDir dir;
        const QString file = dir.Write(u"liste.txt"_s, "alt\r\n");
        STD::FileTable files;
        EXPECT_TRUE(RaisesError(error, [&] { STD::OpenNewFile(files, file, 1, mode, 1); }));
        EXPECT_FALSE(QFileInfo::exists(file)) << mode.toStdString();
    }
}

TEST(FileTable, RefusesWrongNumbersAndDirectories)
{
    TempDir dir;
    STD::FileTable files;
    EXPECT_TRUE(RaisesError(STD::BadFileNumber, [&] { STD::ReadLine(files, 3); }));
    EXPECT_TRUE(RaisesError(STD::BadFileNumber,
                            [&] { files.Open(dir.Path(u"x"_s), 0, STD::FileMode::Random); }));
    files.Open(dir.Path(u"x"_s), 1, STD::FileMode::Random);
    EXPECT_TRUE(QFileInfo::exists(dir.Path(u"x"_s))); // created when missing
    EXPECT_TRUE(RaisesError(STD::FileAlreadyOpen,
                            [&] { files.Open(dir.Path(u"y"_s), 1, STD::FileMode::Random); }));
    QDir(dir.Path(u""_s)).mkdir(u"sub"_s);
    EXPECT_TRUE(RaisesError(STD::PathFileAccessError,
                            [&] { files.Open(dir.Path(u"sub"_s), 2, STD::FileMode::Random); }));
}

TEST(FileTable, AReplacementTakesEffectOnlyWhenItIsComplete)
{
    TempDir dir;
    const QString file = dir.Write(u"liste.txt"_s, "alt\r\n");
    STD::FileTable files;
    files.OpenReplacement(file, 1);
    STD::WriteLine(files, 1, u"neu"_s);
    EXPECT_EQ(dir.Read(u"liste.txt"_s), "alt\r\n");
    files.Close(1);
    EXPECT_EQ(dir.Read(u"liste.txt"_s), "neu\r\n");

    files.OpenReplacement(dir.Path(u"fehlt/liste.txt"_s), 1);
    EXPECT_TRUE(RaisesError(STD::PathNotFound, [&] { files.Close(1); }));
    EXPECT_FALSE(files.IsOpen(1));

    // A replacement left unclosed, as when an error ends the writing early.
    {
        STD::FileTable unfinished;
        unfinished.OpenReplacement(file, 1);
        STD::WriteText(unfinished, 1, u"halb"_s);
    }
    EXPECT_EQ(dir.Read(u"liste.txt"_s), "neu\r\n");
}

} // namespace
