#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Encodes 24-bit frames as PNG (colour type 2, bit depth 8, filter 0 on every row),
// for tests and the maintainers' contact sheets. The game itself never writes PNGs.
class TrueColourPng {
public:
    // pixels: width x height x 3 bytes, blue, green, red, rows top first.
    static std::vector<uint8_t> encodeBgr(const uint8_t* pixels, int32_t width, int32_t height);
    static bool writeBgr(const std::string& path, const uint8_t* pixels, int32_t width, int32_t height);
};
