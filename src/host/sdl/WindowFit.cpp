#include "host/sdl/WindowFit.h"

#include <algorithm>
#include <cmath>

bool WindowFit::fitsWithin(FrameSizes::Size frame, int32_t scale, Area usable)
{
    // In 64 bits, so that a nonsense size from a display cannot overflow.
    return int64_t(frame.width) * scale * 100 <= int64_t(usable.width) * DESKTOP_PERCENT
        && int64_t(frame.height) * scale * 100 <= int64_t(usable.height) * DESKTOP_PERCENT;
}

int32_t WindowFit::windowScale(FrameSizes::Size frame, Area usable)
{
    if (frame.width <= 0 || frame.height <= 0)
        return 1;
    const int64_t across = int64_t(usable.width) * DESKTOP_PERCENT / (int64_t(frame.width) * 100);
    const int64_t down = int64_t(usable.height) * DESKTOP_PERCENT / (int64_t(frame.height) * 100);
    return int32_t(std::max<int64_t>(1, std::min(across, down)));
}

int32_t WindowFit::fillScale(FrameSizes::Size frame, Area screen)
{
    if (frame.width <= 0 || frame.height <= 0)
        return 1;
    return std::max(1, std::min(screen.width / frame.width, screen.height / frame.height));
}

WindowFit::Choice WindowFit::firstStart(Area screen, Area usable)
{
    if (screen.width > screen.height && screen.height > 0) {
        // Nearest by the ratio of the sides: 16:9 -> 640x360, 16:10 -> 640x400, and
        // 4:3 and 5:4 -> 640x480.
        const double shape = double(screen.width) / screen.height;
        const FrameSizes::Size* nearest = nullptr;
        double nearestDistance = 0;
        for (int32_t i = FrameSizes::PHONE_COUNT; i < FrameSizes::COUNT; ++i) {
            const FrameSizes::Size& size = FrameSizes::ALL[i];
            const double distance = std::fabs(shape - double(size.width) / size.height);
            if (!nearest || distance < nearestDistance) {
                nearest = &size;
                nearestDistance = distance;
            }
        }
        if (fitsWithin(*nearest, 1, usable))
            return Choice{ *nearest, windowScale(*nearest, usable) };
    }
    FrameSizes::Size chosen = FrameSizes::ALL[0];
    for (int32_t i = 0; i < FrameSizes::PHONE_COUNT; ++i) {
        const FrameSizes::Size& size = FrameSizes::ALL[i];
        const bool fits = size.width + DECORATION_ROOM <= usable.width && size.height + DECORATION_ROOM <= usable.height;
        // Of the two of equal area the upright one, listed first, wins.
        if (fits && size.width * size.height > chosen.width * chosen.height)
            chosen = size;
    }
    return Choice{ chosen, windowScale(chosen, usable) };
}
