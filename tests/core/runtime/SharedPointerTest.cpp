#include "core/runtime/SharedPointer.h"

#include "LiveCounter.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class SharedPointerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        LiveCounter::live = 0;
        LiveCounter::destroyed = 0;
    }
    void TearDown() override { EXPECT_EQ(LiveCounter::live, 0); }
};

TEST_F(SharedPointerTest, LastOfTwoHoldersDestroysExactlyOnce)
{
    {
        SharedPointer<LiveCounter> first(new LiveCounter);
        {
            SharedPointer<LiveCounter> second = first;
            EXPECT_EQ(first.useCount(), 2);
            EXPECT_TRUE(first == second);
        }
        EXPECT_EQ(LiveCounter::live, 1);
        EXPECT_EQ(first.useCount(), 1);
        SharedPointer<LiveCounter> third = first;
        third.release();
        EXPECT_TRUE(third == nullptr); // released handles are empty, never stale
        EXPECT_EQ(first.useCount(), 1);
    }
    EXPECT_EQ(LiveCounter::destroyed, 1);
}

TEST_F(SharedPointerTest, AssignmentReleasesThePreviousObject)
{
    SharedPointer<LiveCounter> a(new LiveCounter);
    SharedPointer<LiveCounter> b(new LiveCounter);
    a = b;
    EXPECT_EQ(LiveCounter::destroyed, 1);
    EXPECT_EQ(b.useCount(), 2);
    SharedPointer<LiveCounter>& alias = a;
    a = alias; // self-assignment keeps the object and its count
    EXPECT_EQ(b.useCount(), 2);
    EXPECT_EQ(LiveCounter::live, 1);
}

// The handle being assigned may be owned by the object it replaces.
struct Node : public LiveCounter {
    SharedPointer<Node> next;
};

TEST_F(SharedPointerTest, AssigningFromAHandleOwnedByTheReplacedObject)
{
    SharedPointer<Node> head(new Node);
    head->next = SharedPointer<Node>(new Node);
    head = head->next;
    EXPECT_EQ(LiveCounter::live, 1);
    EXPECT_EQ(head.useCount(), 1);
}

TEST_F(SharedPointerTest, NullHandleHasNoCountBlockAndThrowsTheFixedText)
{
    SharedPointer<LiveCounter> empty(static_cast<LiveCounter*>(nullptr));
    EXPECT_EQ(empty.count, nullptr);
    SharedPointer<LiveCounter> copy = empty;
    copy = empty;
    copy.release();
    EXPECT_EQ(copy.count, nullptr);
    EXPECT_TRUE(empty == nullptr);
    // Dereferencing it prints and throws the fixed text.
    testing::internal::CaptureStdout();
    try {
        static_cast<void>(empty->destroyed);
        FAIL() << "no exception";
    } catch (const char* text) {
        EXPECT_STREQ(text, "SharedPointer - NullPointerException");
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "SharedPointer - NullPointerException\n");
}

TEST_F(SharedPointerTest, UpcastSharesTheBlockAndDestroysThroughVirtualDestructor)
{
    {
        SharedPointer<DerivedCounter> derived(new DerivedCounter);
        SharedPointer<LiveCounter> base = derived;
        EXPECT_EQ(derived.useCount(), 2);
        derived.release();
        EXPECT_EQ(LiveCounter::live, 1);
        SharedPointer<DerivedCounter> back = base.staticCast<DerivedCounter>();
        EXPECT_EQ(back->payload, 7);
    }
    EXPECT_EQ(LiveCounter::destroyed, 1);
}

} // namespace
