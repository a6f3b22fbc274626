#pragma once

// Reads the golden frames the tests compare with: PNGs written by TrueColourPng
// (8-bit RGB, filter 0 on every row), decoded to the frame's blue, green, red.
#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Empty, with width and height 0, when the file is missing or not such a PNG.
inline std::vector<uint8_t> decodeGolden(const std::string& path, int32_t& width, int32_t& height)
{
    std::ifstream file(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<uint8_t> packed;
    width = height = 0;
    for (size_t pos = 8; pos + 12 <= bytes.size();) {
        const uint32_t length = (bytes[pos] << 24) | (bytes[pos + 1] << 16) | (bytes[pos + 2] << 8) | bytes[pos + 3];
        if (pos + 12 + length > bytes.size())
            return {};
        const std::string type(bytes.begin() + long(pos + 4), bytes.begin() + long(pos + 8));
        const uint8_t* body = bytes.data() + pos + 8;
        if (type == "IHDR" && length >= 8) {
            width = (body[0] << 24) | (body[1] << 16) | (body[2] << 8) | body[3];
            height = (body[4] << 24) | (body[5] << 16) | (body[6] << 8) | body[7];
        }
        if (type == "IDAT")
            packed.insert(packed.end(), body, body + length);
        pos += 12 + length;
    }
    // Goldens are written by TrueColourPng: filter 0 on every row, RGB.
    uLongf size = uLongf(width) * height * 3 + uLongf(height);
    std::vector<uint8_t> raw(size);
    if (width <= 0 || height <= 0 || uncompress(raw.data(), &size, packed.data(), uLong(packed.size())) != Z_OK)
        return {};
    std::vector<uint8_t> bgr;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            const uint8_t* p = raw.data() + size_t(y) * (width * 3 + 1) + 1 + x * 3;
            bgr.insert(bgr.end(), {p[2], p[1], p[0]});
        }
    return bgr;
}
