#pragma once

#include "core/runtime/TimeSource.h"

// A clock that moves only when told to, for tests and the headless backend.
class FakeTimeSource : public TimeSource {
public:
    // 2026-01-01 00:00:00 UTC as a file time: (11644473600 s from 1601 to 1970 +
    // 1767225600 s from 1970) x 10^7. Where the scripted player's clock starts.
    static constexpr int64_t NEW_YEAR_2026 = 134116992000000000LL;

    FakeTimeSource(int64_t fileTime, uint32_t tickCount)
        : wallTime(fileTime)
        , ticks(tickCount)
    {
    }

    int64_t fileTime() override { return wallTime; }
    uint32_t tickCount() override { return ticks; }

    // Moves both clocks forward; the tick counter wraps at 2^32 as the real one does.
    void advance(uint32_t milliseconds)
    {
        ticks += milliseconds;
        wallTime += int64_t(milliseconds) * 10000;
    }
    void setTickCount(uint32_t tickCount) { ticks = tickCount; }

private:
    int64_t wallTime;
    uint32_t ticks;
};
