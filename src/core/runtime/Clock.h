#pragma once

#include "TimeSource.h"

#include <cstdint>
#include <mutex>

// Milliseconds since 1970 from a wrapping 32-bit tick counter anchored once to the
// wall clock, so that timed behaviour never jumps when the user sets the clock.
class Clock {
public:
    // Milliseconds from 1601-01-01 to 1970-01-01.
    static constexpr int64_t EPOCH_DIFFERENCE_MS = 11644473600000LL;

    // Anchors the clock to the source; done once when the display is built.
    void setUp(TimeSource& source);

    // Never decreases while the tick counter only moves forward, even across a wrap.
    int64_t currentTimeMillis();

private:
    std::mutex lock;
    TimeSource* source = nullptr;
    int64_t offset = 0;
    uint32_t lastTick = 0;
};

// The one clock of the process.
Clock& processClock();
int64_t currentTimeMillis();
