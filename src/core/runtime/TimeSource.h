#pragma once

#include <cstdint>

// What the clock needs from the operating system. The host layer supplies a real
// source for the game and a settable one for tests.
class TimeSource {
public:
    virtual ~TimeSource() = default;

    // Wall-clock time in 100 ns units since 1601-01-01 00:00 UTC.
    virtual int64_t fileTime() = 0;

    // Milliseconds since some start, in a 32-bit counter that wraps after ~49.7 days.
    virtual uint32_t tickCount() = 0;
};
