#pragma once

#include <cstdint>

// Anchor bits of drawImage, drawRegion and drawString. TOP|LEFT (20) is the usual one.
constexpr int32_t HCENTER = 1;
constexpr int32_t VCENTER = 2;
constexpr int32_t LEFT = 4;
constexpr int32_t RIGHT = 8;
constexpr int32_t TOP = 16;
constexpr int32_t BOTTOM = 32;
constexpr int32_t BASELINE = 64;
