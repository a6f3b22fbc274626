#include "core/runtime/Clock.h"

#include "host/headless/FakeTimeSource.h"

#include <gtest/gtest.h>

namespace {

// 2026-12-06 00:00 UTC as a file time (100 ns since 1601).
constexpr int64_t FILE_TIME_2026 = (Clock::EPOCH_DIFFERENCE_MS + 1796515200000LL) * 10000;

TEST(ClockTest, AnchorsTheTickCounterToTheWallClock)
{
    FakeTimeSource source(FILE_TIME_2026, 5000);
    Clock clock;
    EXPECT_EQ(clock.currentTimeMillis(), 0); // no source yet
    clock.setUp(source);
    EXPECT_EQ(clock.currentTimeMillis(), 1796515200000LL);
    source.advance(250);
    EXPECT_EQ(clock.currentTimeMillis(), 1796515200250LL);
}

TEST(ClockTest, StaysMonotonicAcrossACounterWrap)
{
    FakeTimeSource source(FILE_TIME_2026, 0xFFFFFF00u);
    Clock clock;
    clock.setUp(source);
    int64_t before = clock.currentTimeMillis();
    source.advance(0x200); // wraps to 0x100
    EXPECT_EQ(source.tickCount(), 0x100u);
    int64_t after = clock.currentTimeMillis();
    EXPECT_EQ(after - before, 0x200);
    source.advance(10);
    EXPECT_EQ(clock.currentTimeMillis() - after, 10);
}

TEST(ClockTest, WallClockChangesAfterSetUpDoNotMoveTime)
{
    FakeTimeSource source(FILE_TIME_2026, 1000);
    Clock clock;
    clock.setUp(source);
    FakeTimeSource& moved = source;
    moved = FakeTimeSource(FILE_TIME_2026 + 36000000000LL, 1100); // user set the clock an hour on
    EXPECT_EQ(clock.currentTimeMillis(), 1796515200100LL);
}

} // namespace
