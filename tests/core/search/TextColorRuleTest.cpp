#include "search/TextColorRule.h"

#include <gtest/gtest.h>

namespace {

TEST(ReadableTextColor, FullChannelOnADarkChannelNoneOnALightOne)
{
    const struct
    {
        qint32 background;
        qint32 text;
    } cases[] = {
        {0xD0D0D0, 0x000000},
        {0x000000, 0xFFFFFF},
        {0x0000FF, 0xFFFF00},
        {0x808080, 0x000000},
        {0x7F7F7F, 0xFFFFFF},
        {0x00FF80, 0xFF0000},
        {0x7F807F, 0xFF00FF},
        {0xFFFFFF, 0x000000},
        // Bits above blue are no channel.
        {qint32(0xFF000000u), 0xFFFFFF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadableTextColor(c.background), c.text) << std::hex << c.background;
}

} // namespace
