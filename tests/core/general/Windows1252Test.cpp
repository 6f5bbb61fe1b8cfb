#include "general/Windows1252.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(Windows1252, EveryByteReadsToItsCharacterAndWritesBack)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString text = STD::Windows1252::Decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text[0x80], u'€');
    EXPECT_EQ(text[0xE4], u'ä');
    EXPECT_EQ(text[0x9F], u'Ÿ');
    for (const int unassigned : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(text[unassigned].unicode(), unassigned);
    qsizetype replaced = -1;
    EXPECT_EQ(STD::Windows1252::Encode(text, &replaced), all);
    EXPECT_EQ(replaced, 0);

    // One "?" for each character it cannot hold, a surrogate pair included.
    EXPECT_EQ(STD::Windows1252::Encode(u"aΩ😀€\u0100"_s, &replaced), QByteArray("a??\x80?"));
    EXPECT_EQ(replaced, 3);
}

} // namespace
