#include "core/io/ByteArrayOutputStream.h"

#include "core/io/StreamBytes.h"

#include <gtest/gtest.h>

TEST(ByteArrayOutputStreamTest, GrowsToTheNeedOrDoubleCapacity)
{
    ByteArrayOutputStream out;
    EXPECT_EQ(out.capacity(), 32);
    ByteArray hundred(100);
    for (int32_t i = 0; i < 100; ++i)
        hundred[i] = uint8_t(i);
    out.write(hundred, 0, 100);
    EXPECT_EQ(out.capacity(), 100);
    out.write(0x1FF);
    EXPECT_EQ(out.capacity(), 200);
    EXPECT_EQ(out.size(), 101);
    ByteArray copy = out.toByteArray();
    ASSERT_EQ(copy.length, 101);
    EXPECT_EQ(copy[99], 99);
    EXPECT_EQ(copy[100], 0xFF);
}

TEST(ByteArrayOutputStreamTest, BadRangesAreIgnored)
{
    ByteArrayOutputStream out(-5);
    EXPECT_EQ(out.capacity(), 0);
    ByteArray four(4);
    out.write(four, -1, 2);
    out.write(four, 3, 2);
    out.write(four, 5, 0);
    out.write(four, 0, 0);
    out.write(ByteArray(), 0, 1);
    EXPECT_EQ(out.size(), 0);
    out.write(four, 2, 2);
    EXPECT_EQ(out.size(), 2);
    // toByteArray copies: later writes do not show in an earlier copy.
    ByteArray before = out.toByteArray();
    out.write(9);
    EXPECT_EQ(before.length, 2);
}
