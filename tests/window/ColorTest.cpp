#include "app/PackedColor.h"

#include <gtest/gtest.h>

namespace {

TEST(PackedColorTest, RedIsTheLowByte)
{
    const struct
    {
        qint32 packed;
        QColor color;
    } colors[] = {
        {0x0000FF, QColor(255, 0, 0)},        {0x00FF00, QColor(0, 255, 0)},
        {0xFF0000, QColor(0, 0, 255)},        {0xD0D0D0, QColor(208, 208, 208)},
        {0x123456, QColor(0x56, 0x34, 0x12)}, {0, QColor(0, 0, 0)},
    };
    for (const auto& c : colors) {
        EXPECT_EQ(ColorFromPacked(c.packed), c.color) << c.packed;
        EXPECT_EQ(PackedFromColor(c.color), c.packed) << c.packed;
    }
    // Bits above blue carry no colour.
    EXPECT_EQ(ColorFromPacked(qint32(0xFF0000FFu)), QColor(255, 0, 0));
}

} // namespace
