#include "support/ErrorExpectations.h"
#include "support/TempDir.h"

#include "general/FileRoutines.h"

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(ReadLine, SplitsAtLineFeedsAndMarksTheEndWithCR)
{
    const std::pair<QByteArray, QStringList> cases[] = {
        {"ab\r\ncd", {u"ab"_s, u"cd"_s}}, {"\n\n", {u""_s, u""_s}}, {"a\rb\r\n", {u"a\rb"_s}},
        {"x\r\r\n", {u"x\r"_s}},          {"\x80\xe4\x81\n", {u"€ä\u0081"_s}},
    };
    for (const auto& [bytes, lines] : cases) {
        TempDir dir;
        STD::FileTable files;
        files.Open(dir.Write(u"f.txt"_s, bytes), 1, STD::FileMode::Random, 1);
        for (const QString& line : lines)
            EXPECT_EQ(STD::ReadLine(files, 1), line) << bytes.toStdString();
        EXPECT_EQ(STD::ReadLine(files, 1), u"\r"_s) << bytes.toStdString();
    }
}

// Every byte but the line feed reads to its Windows-1252 character and is
// written back as it was; a character the code page lacks becomes one "?".
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
    EXPECT_EQ(text[0x80 - 1], u'€');
    EXPECT_EQ(text[0x9F - 1], u'Ÿ');
    EXPECT_EQ(text[0xFF - 1], u'ÿ');
    // Past the end now: the writing appends.
    STD::WriteLine(files, 1, text);
    STD::WriteText(files, 1, u"Ω€😀"_s);
    EXPECT_EQ(files.ReplacedCharacters(1), 2);
    files.Close(1);
    EXPECT_EQ(dir.Read(u"bytes"_s), allBytes + "\r\n" + allBytes + "\r\n?\x80?");
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
    // An empty replacement empties the file.
    files.OpenReplacement(file, 1);
    files.Close(1);
    EXPECT_EQ(dir.Read(u"liste.txt"_s), "");

    files.OpenReplacement(dir.Path(u"fehlt/liste.txt"_s), 1);
    EXPECT_TRUE(RaisesError(STD::PathNotFound, [&] { files.Close(1); }));
    EXPECT_FALSE(files.IsOpen(1));

    // A replacement left unclosed, as when an error ends the writing early.
    {
        STD::FileTable unfinished;
        unfinished.OpenReplacement(file, 1);
        STD::WriteText(unfinished, 1, u"halb"_s);
    }
    EXPECT_EQ(dir.Read(u"liste.txt"_s), "");
}

} // namespace
