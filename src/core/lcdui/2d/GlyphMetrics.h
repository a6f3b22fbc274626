#pragma once

#include "ClassGeometry.h"

#include <cstdint>

// The glyph sheet families of every display class. Sheet f of a class lies in
// image slot 45 + f.
enum GlyphFamily : int32_t {
    GLYPHS_LARGE_BOLD = 0,
    GLYPHS_MEDIUM_BOLD = 1,
    GLYPHS_MEDIUM = 2,
    GLYPHS_SMALL_BOLD = 3,
    GLYPHS_SMALL = 4,
};
constexpr int32_t GLYPH_FAMILY_COUNT = 5;
constexpr int32_t GLYPH_COUNT = 94;

// The character set of every sheet, in glyph order.
extern const char* const FONT_CHARSET;

struct GlyphSheetMetrics {
    int32_t cellHeight;
    int32_t ascent; // baseline row within a cell
    int32_t spaceWidth;
    uint8_t widths[GLYPH_COUNT];
};

bool glyphFamilyBold(int32_t family);
int32_t glyphFamilyPixels(const ClassGeometry& geometry, int32_t family);

// Metrics of the sheet as the pack builder renders it (classes 1..7).
const GlyphSheetMetrics& glyphSheetMetrics(int32_t screenClass, int32_t family);
