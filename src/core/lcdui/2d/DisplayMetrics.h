#pragma once

#include <cstdint>

// The display record that selects every per-display table: size in pixels and the
// platform's orientation value (DMDO_0 0, DMDO_90 1, DMDO_180 2, DMDO_270 4; 0 when
// it cannot be queried).
class DisplayMetrics {
public:
    DisplayMetrics() = default;
    DisplayMetrics(int32_t width, int32_t height, int32_t orientation = 0)
        : width(width)
        , height(height)
        , orientation(orientation)
    {
    }
    virtual ~DisplayMetrics() = default;
    DisplayMetrics(const DisplayMetrics&) = default;
    DisplayMetrics& operator=(const DisplayMetrics&) = default;

    int32_t width = 0;
    int32_t height = 0;
    int32_t orientation = 0;
};
