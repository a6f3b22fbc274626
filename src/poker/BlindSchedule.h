#pragma once

#include <cstdint>

// The tournament's 20 levels; the blinds rise every 10 hands and stay at the last
// level from hand 191 on (19 rises x 10 hands + 1).
class BlindSchedule {
public:
    static constexpr int LEVELS = 20;
    static constexpr int HANDS_PER_LEVEL = 10;
    static const int32_t SMALL_BLINDS[LEVELS];
    static const int32_t BIG_BLINDS[LEVELS];
};
