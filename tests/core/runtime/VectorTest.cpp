#include "core/runtime/Vector.h"

#include "core/runtime/SharedPointer.h"
#include "core/runtime/String.h"

#include "LiveCounter.h"

#include <gtest/gtest.h>

namespace {

TEST(VectorTest, HandlesAreSharedAndReleased)
{
    LiveCounter::live = 0;
    {
        Vector<SharedPointer<LiveCounter>> v;
        SharedPointer<LiveCounter> one(new LiveCounter);
        for (int i = 0; i < 5; ++i)
            v.add(one);
        EXPECT_EQ(one.useCount(), 6);
        Vector<SharedPointer<LiveCounter>> copy;
        copy = v;
        EXPECT_EQ(one.useCount(), 11);
    }
    EXPECT_EQ(LiveCounter::live, 0);
}

TEST(VectorTest, AddingAnElementOfItselfWhileGrowing)
{
    Vector<String> v;
    v.add(String("a"));
    v.add(String("b"));
    v.add(v[0]); // reallocates while the argument lives in the old array
    EXPECT_TRUE(v[2].equals(String("a")));
}

TEST(VectorTest, ByteClearAndErase)
{
    Vector<uint8_t> bytes;
    for (uint8_t b = 1; b <= 4; ++b)
        bytes.add(b);
    bytes.erase(1);
    EXPECT_EQ(bytes.size(), 3);
    EXPECT_EQ(bytes[1], 3);
    EXPECT_EQ(bytes[3], 0);
    bytes.clear();
    EXPECT_EQ(bytes.size(), 0);
    EXPECT_EQ(bytes[0], 0);
}

} // namespace
