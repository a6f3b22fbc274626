#include "core/runtime/Array.h"

#include "LiveCounter.h"

#include <gtest/gtest.h>

namespace {

TEST(ArrayTest, SharedArraySurvivesOneHolderReallocating)
{
    IntArray first(4);
    for (int i = 0; i < 4; ++i)
        first[i] = i * 10;
    IntArray second = first;
    EXPECT_EQ(second.data, first.data);
    EXPECT_EQ(first.count->useCount, 2);

    first.allocate(2);
    EXPECT_EQ(second.length, 4);
    EXPECT_EQ(second[3], 30);
    EXPECT_EQ(second.count->useCount, 1);

    second.release();
    EXPECT_EQ(second.data, nullptr);
    EXPECT_EQ(second.length, 0);
}

TEST(ArrayTest, SizesBeyondThirtyTwoBitsOfBytesFailInsteadOfWrapping)
{
    IntArray ints;
    // 0x40000001 ints are 0x100000004 bytes: wrapping would give a 4-byte block.
    EXPECT_FALSE(ints.allocate(0x40000001));
    EXPECT_EQ(ints.data, nullptr);
    EXPECT_EQ(ints.length, 0);
    EXPECT_FALSE(ints.allocate(-1));
    EXPECT_EQ(allocateElements<int32_t>(0x40000001), nullptr);
    ByteArray none; // zero elements still own a count block
    EXPECT_TRUE(none.allocate(0));
    EXPECT_NE(none.count, nullptr);
}

TEST(ArrayTest, FillCopiesOrReleasesAndTablesReleaseEveryRow)
{
    IntArray ints(3);
    const int32_t source[] = {5, 6, 7};
    ints.fill(source);
    EXPECT_EQ(ints[2], 7);
    ints.fill(nullptr);
    EXPECT_EQ(ints.length, 0);
    EXPECT_EQ(ints.count, nullptr);

    IntArrayArray table(3); // releasing a table releases every row
    for (int row = 0; row < 3; ++row)
        table[row].allocate(row + 1);
    IntArray kept = table[2];
    table.release();
    EXPECT_EQ(kept.length, 3);
    EXPECT_EQ(kept.count->useCount, 1);
}

TEST(ArrayTest, SelfAssignmentKeepsThePayload)
{
    ByteArray bytes;
    bytes.allocateZeroed(8);
    ByteArray& alias = bytes;
    bytes = alias;
    EXPECT_EQ(bytes.length, 8);
    EXPECT_EQ(bytes[7], 0);
    EXPECT_EQ(bytes.count->useCount, 1);
}

} // namespace
