#include "Clock.h"

void Clock::setUp(TimeSource& timeSource)
{
    std::lock_guard<std::mutex> guard(lock);
    source = &timeSource;
    uint32_t tick = source->tickCount();
    offset = source->fileTime() / 10000 - int64_t(tick) - EPOCH_DIFFERENCE_MS;
    lastTick = tick;
}

int64_t Clock::currentTimeMillis()
{
    std::lock_guard<std::mutex> guard(lock);
    if (offset == 0 || !source)
        return lastTick;
    uint32_t tick = source->tickCount();
    if (tick < lastTick)
        offset += int64_t(1) << 32; // the counter wrapped
    lastTick = tick;
    return offset + tick;
}

Clock& processClock()
{
    static Clock clock;
    return clock;
}

int64_t currentTimeMillis()
{
    return processClock().currentTimeMillis();
}
