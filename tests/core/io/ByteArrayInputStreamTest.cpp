#include "core/io/ByteArrayInputStream.h"

#include "core/io/StreamBytes.h"

#include <gtest/gtest.h>

TEST(ByteArrayInputStreamTest, WindowIsClampedToTheArray)
{
    ByteArray ten = arrayOf({ 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 });
    ByteArrayInputStream in(ten, 4, 100);
    ByteArray into(20);
    EXPECT_EQ(in.read(into, 0, 20), 6);
    EXPECT_EQ(into[0], 4);
    EXPECT_EQ(into[5], 9);
    EXPECT_EQ(in.read(), -1);
    EXPECT_EQ(in.read(into, 0, 1), -1);
}

TEST(ByteArrayInputStreamTest, ReadChecksRangesAndMarkResetSkipMove)
{
    ByteArray data = arrayOf({ 10, 20, 30, 40, 50 });
    ByteArrayInputStream in(data);
    ByteArray into(3);
    EXPECT_EQ(in.read(into, -1, 1), -1);
    EXPECT_EQ(in.read(into, 2, 2), -1);
    EXPECT_EQ(in.read(into, 0, -1), -1);
    EXPECT_EQ(in.read(into, 0, 0), 0);
    EXPECT_EQ(in.read(), 10);
    in.mark(0);
    EXPECT_EQ(in.skip(2), 2);
    EXPECT_EQ(in.available(), 2);
    EXPECT_EQ(in.skip(-3), 0);
    EXPECT_EQ(in.skip(100), 2);
    in.reset();
    EXPECT_EQ(in.read(), 20);
}

TEST(ByteArrayInputStreamTest, TheBaseSkipReadsThroughTheScratchBlock)
{
    // A stream that only knows read(): skip must fall back on the base class.
    class Counting : public InputStream {
    public:
        using InputStream::read;
        int32_t read() override { return left-- > 0 ? 1 : -1; }
        int32_t left = 5000;
    };
    Counting in;
    EXPECT_EQ(in.skip(4500), 4500);
    EXPECT_EQ(in.skip(4500), 500);
    EXPECT_EQ(in.skip(0), 0);
}
