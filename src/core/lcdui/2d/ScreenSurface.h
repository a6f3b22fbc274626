#pragma once

#include "Base2DGraphics.h"

#include <cstdint>

class FrameSink;

// The graphics context the game draws with: a 24-bit top-down pixel buffer of the
// display size (3 bytes per pixel, blue, green, red; rows of width x 3 bytes) that
// present() hands to the host's frame sink.
class ScreenSurface : public Base2DGraphics {
public:
    // Refuses sizes beyond this many pixels on a side: a display record from the
    // host must not be able to ask for gigabytes.
    static constexpr int32_t MAX_SIDE = 4096;

    ScreenSurface() = default;
    ~ScreenSurface() override;
    ScreenSurface(const ScreenSurface&) = delete;
    ScreenSurface& operator=(const ScreenSurface&) = delete;

    // False, leaving no buffer, for sizes outside 1..MAX_SIDE or when memory fails.
    bool init(const DisplayMetrics& metrics) override { return init(metrics, nullptr); }
    bool init(const DisplayMetrics& metrics, FrameSink* window);
    void release() override;
    void requestRepaint() override;
    void present() override;
    bool lockSurface(SurfaceDescription& surface) override;
    void unlockSurface() override;

    const uint8_t* getBits() const { return bits; }
    int32_t getByteCount() const { return byteCount; }
    int32_t getLockCount() const { return lockCount; }
    int32_t getSurfaceWidth() const { return surfaceWidth; }
    int32_t getSurfaceHeight() const { return surfaceHeight; }

private:
    uint8_t* bitmap = nullptr; // owns the pixel memory
    uint8_t* bits = nullptr;
    int32_t byteCount = 0;
    FrameSink* window = nullptr; // not owned
    int32_t lockCount = 0;
    int32_t surfaceWidth = 0;
    int32_t surfaceHeight = 0;
};
