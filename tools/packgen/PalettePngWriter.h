#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes 8-bit palette PNGs with libpng, the only image form the game's decoder
// draws. Every pixel is either fully opaque or fully transparent: the renderer's
// blend makes partly transparent pixels vanish, so alpha is never written between
// 0 and 255. Invalid input throws std::runtime_error naming the fault.
class PalettePngWriter {
public:
    struct PaletteEntry {
        uint8_t red = 0;
        uint8_t green = 0;
        uint8_t blue = 0;
        bool transparent = false;
    };

    // PNG filter for every row (0 None .. 4 Paeth), or ADAPTIVE to let libpng choose
    // per row. IDAT chunks are at most idatSize bytes (libpng's compression buffer).
    static constexpr int ADAPTIVE = -1;
    struct Options {
        int filter = ADAPTIVE;
        int compressionLevel = 9;
        size_t idatSize = 8192;
    };

    // indices holds width x height palette indices, row by row from the top. A tRNS
    // chunk is written only when some entry is transparent, and only up to the last
    // transparent entry (indices past the table are opaque).
    static std::vector<uint8_t> encode(int32_t width, int32_t height, const std::vector<uint8_t>& indices,
                                       const std::vector<PaletteEntry>& palette);
    static std::vector<uint8_t> encode(int32_t width, int32_t height, const std::vector<uint8_t>& indices,
                                       const std::vector<PaletteEntry>& palette, const Options& options);

    // Builds the palette from 8-bit RGBA pixels (4 bytes each): alpha below 128 becomes
    // the one transparent entry (index 0), anything else is opaque in its exact colour.
    // Throws when more than 256 entries would be needed.
    static std::vector<uint8_t> encodeRgba(int32_t width, int32_t height, const std::vector<uint8_t>& rgba);
    static std::vector<uint8_t> encodeRgba(int32_t width, int32_t height, const std::vector<uint8_t>& rgba,
                                           const Options& options);

    static void writeFile(const std::string& path, const std::vector<uint8_t>& bytes);
};
