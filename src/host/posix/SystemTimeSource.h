#pragma once

#include "core/runtime/TimeSource.h"

// The machine's own clocks: wall time for the anchor, a monotonic counter for ticks.
class SystemTimeSource : public TimeSource {
public:
    int64_t fileTime() override;
    uint32_t tickCount() override;
};
