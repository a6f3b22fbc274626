#include "poker/Stakes.h"

const int32_t Stakes::SMALL_BLINDS[COUNT] = { 5, 25, 50, 100, 200, 500 };
const int32_t Stakes::BIG_BLINDS[COUNT] = { 10, 50, 100, 200, 400, 1000 };
const int32_t Stakes::BUY_INS[COUNT] = { 1000, 5000, 10000, 20000, 40000, 100000 };
