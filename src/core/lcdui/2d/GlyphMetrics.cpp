#include "GlyphMetrics.h"

const char* const FONT_CHARSET =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789~!@#$%^&*()_+|{}:\"'<>?`-=\\/[];,.";

namespace {

const GlyphSheetMetrics sheets[7 * GLYPH_FAMILY_COUNT] = {
#include "GlyphMetricsData.inc"
};

} // namespace

bool glyphFamilyBold(int32_t family) { return family != GLYPHS_MEDIUM && family != GLYPHS_SMALL; }

int32_t glyphFamilyPixels(const ClassGeometry& geometry, int32_t family)
{
    switch (family) {
    case GLYPHS_LARGE_BOLD:
        return geometry.largePixels;
    case GLYPHS_MEDIUM_BOLD:
    case GLYPHS_MEDIUM:
        return geometry.mediumPixels;
    default:
        return geometry.smallPixels;
    }
}

const GlyphSheetMetrics& glyphSheetMetrics(int32_t screenClass, int32_t family)
{
    if (screenClass < 1 || screenClass > 7)
        screenClass = 3;
    if (family < 0 || family >= GLYPH_FAMILY_COUNT)
        family = GLYPHS_MEDIUM;
    return sheets[(screenClass - 1) * GLYPH_FAMILY_COUNT + family];
}
