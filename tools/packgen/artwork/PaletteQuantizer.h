#pragma once

#include "PalettePngWriter.h"

#include <cstdint>
#include <vector>

// Turns a 32-bit drawing into an 8-bit palette image. Pixels at or above half
// coverage become opaque, their anti-aliased edge already blended over the matte
// colour they will be shown on; the rest become the one transparent entry (index 0
// when there is any). More than 255 colours are reduced by median cut, so the
// result is deterministic.
class PaletteQuantizer {
public:
    struct Result {
        std::vector<uint8_t> indices;
        std::vector<PalettePngWriter::PaletteEntry> palette;
    };

    // argb: cairo's premultiplied ARGB32 words, width x height, stride in words.
    static Result quantize(const uint32_t* argb, int32_t width, int32_t height, int32_t strideWords,
                           uint32_t matteRgb);
};
