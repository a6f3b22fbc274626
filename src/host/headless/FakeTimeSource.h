#pragma once

#include "core/runtime/TimeSource.h"

// A clock that moves only when told to, for tests and the headless backend.
class FakeTimeSource : public TimeSource {
public:
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
