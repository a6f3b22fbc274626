#pragma once

#include "core/lcdui/2d/FrameSink.h"

#include <cstdint>
#include <string>
#include <vector>

// The window of the headless backend: keeps a copy of the last presented frame so
// that tests can look at it and write it as a PNG.
class HeadlessFrameSink : public FrameSink {
public:
    void requestRepaint(int32_t width, int32_t height) override;
    void showFrame(const uint8_t* pixels, int32_t width, int32_t height) override;

    const std::vector<uint8_t>& frame() const { return pixels; } // blue, green, red
    int32_t width() const { return frameWidth; }
    int32_t height() const { return frameHeight; }
    int32_t presentCount() const { return presents; }
    int32_t repaintRequests() const { return repaints; }

    // False when nothing was presented yet or the file cannot be written.
    bool writePng(const std::string& path) const;

private:
    std::vector<uint8_t> pixels;
    int32_t frameWidth = 0;
    int32_t frameHeight = 0;
    int32_t presents = 0;
    int32_t repaints = 0;
};
