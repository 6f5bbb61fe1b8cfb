#include "search/TextColorRule.h"

#include <gtest/gtest.h>

namespace {

TEST(ReadableTextColor, FullChannelOnADarkChannelNoneOnALightOne)
{
    // Background and text colour; bits above blue are no channel.
    const std::pair<qint32, qint32> cases[] = {
        {0x000000, 0xFFFFFF}, {0x0000FF, 0xFFFF00}, {0x808080, 0x000000}, {0x7F7F7F, 0xFFFFFF},
        {0x00FF80, 0xFF0000}, {0x7F807F, 0xFF00FF}, {0xFFFFFF, 0x000000}, {0x7F000000, 0xFFFFFF}};
    for (const auto& [background, text] : cases)
        EXPECT_EQ(ReadableTextColor(background), text) << std::hex << background;
}

} // namespace
