#include "poker/BlindSchedule.h"

const int32_t BlindSchedule::SMALL_BLINDS[LEVELS] = { 5, 10, 15, 25, 35, 50, 75, 100, 150, 250, 500, 750, 1000,
    1500, 2500, 3500, 5000, 7500, 10000, 15000 };
const int32_t BlindSchedule::BIG_BLINDS[LEVELS] = { 10, 20, 30, 50, 70, 100, 150, 200, 300, 500, 1000, 1500, 2000,
    3000, 5000, 7000, 10000, 15000, 20000, 30000 };
