#pragma once

#include <cstdint>

// The six cash stakes: blinds and the starting stack (also the tournament buy-in).
class Stakes {
public:
    static constexpr int COUNT = 6;
    static const int32_t SMALL_BLINDS[COUNT];
    static const int32_t BIG_BLINDS[COUNT];
    static const int32_t BUY_INS[COUNT];
};
