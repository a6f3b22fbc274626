#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One glyph sheet of the game's bitmap fonts, rendered by FreeType in 1-bit mode so
// that every pixel is ink (palette index 0, black, opaque) or paper (index 1,
// transparent): recolouring the black entry then recolours the whole text.
// Variable-width layout: the 94 glyphs stacked in one column of cells.
struct GlyphSheet {
    int32_t width = 0;      // widest glyph cell
    int32_t cellHeight = 0; // height of one cell = ascent + descent
    int32_t ascent = 0;     // baseline row within the cell
    int32_t spaceWidth = 0; // hinted advance of a space
    std::vector<uint8_t> widths; // advance of each glyph, charset order
    std::vector<uint8_t> pixels; // width x (94 x cellHeight) indices
};

// The 94 characters of every sheet, in glyph order.
extern const char* const GLYPH_CHARSET;

// fontPath is a TrueType file; pixels the em size. Throws std::runtime_error when
// FreeType fails.
GlyphSheet renderGlyphSheet(const std::string& fontPath, int32_t pixels);

// DejaVu Sans and DejaVu Sans Bold, as Debian installs them.
std::string dejaVuPath(bool bold);
