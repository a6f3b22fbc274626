#include "table/GameSpeed.h"

#include <algorithm>

GameSpeed::GameSpeed(PlayOptions::Speed speed)
    : pace(speed)
{
}

int32_t GameSpeed::thinkingFrames(int32_t normalFrames) const
{
    switch (pace) {
    case PlayOptions::SPEED_FAST:
        return normalFrames / 2;
    case PlayOptions::SPEED_TURBO:
        return 0;
    default:
        return normalFrames;
    }
}

int32_t GameSpeed::nextAnimationStep(int32_t step, int32_t length) const
{
    switch (pace) {
    case PlayOptions::SPEED_FAST:
        return std::min(length, step + 2);
    case PlayOptions::SPEED_TURBO:
        return std::max(length, step + 1);
    default:
        return step + 1;
    }
}
