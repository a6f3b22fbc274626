#pragma once

#include "core/resources/Base2DImage.h"
#include "core/runtime/SharedPointer.h"

#include <cstdint>
#include <string>
#include <vector>

// libpng as the oracle for the decoder tests, and helpers to run our decoder on bytes.
struct OraclePng {
    int32_t width = 0;
    int32_t height = 0;
    int32_t colorType = -1;
    std::vector<uint8_t> pixels;
    std::vector<uint8_t> paletteBgr; // converted to the decoder's blue, green, red order
    std::vector<uint8_t> transparency;
};

struct Decoded {
    SharedPointer<Base2DImage> image;
    std::string output; // what the decoder printed
};

// Decodes with libpng (8-bit, palette or grey, no transformations).
OraclePng decodeWithLibpng(const std::vector<uint8_t>& png);
// Writes an 8-bit greyscale PNG with libpng; filter 0..4, IDAT chunks of idatSize.
std::vector<uint8_t> writeGreyPng(int32_t width, int32_t height, const std::vector<uint8_t>& pixels, int filter,
                                  size_t idatSize);
// Inserts a tEXt chunk right after IHDR.
std::vector<uint8_t> withTextChunk(const std::vector<uint8_t>& png);
// Decodes with ImagePNG through a MemoryResourceStream, capturing stdout.
Decoded decodeOurs(const std::vector<uint8_t>& png);
std::vector<uint8_t> readFileBytes(const std::string& path);
// Rewrites the image data as IDAT chunks of at most chunkSize bytes each (libpng will
// not write chunks below its own minimum).
std::vector<uint8_t> resplitIdat(const std::vector<uint8_t>& png, size_t chunkSize);
