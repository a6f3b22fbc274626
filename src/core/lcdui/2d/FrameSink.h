#pragma once

#include <cstdint>

// What the screen surface needs from the host to show a frame: the window of the
// SDL backend, or the headless backend that keeps the last frame for tests.
class FrameSink {
public:
    virtual ~FrameSink() = default;

    // The rectangle 0, 0, width, height is to be repainted (no background erase).
    virtual void requestRepaint(int32_t width, int32_t height) = 0;

    // Copies one frame: width x height pixels, 3 bytes each (blue, green, red), rows
    // top first and directly one after the other. The pixels are only valid during
    // the call.
    virtual void showFrame(const uint8_t* pixels, int32_t width, int32_t height) = 0;
};
