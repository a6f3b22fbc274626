#include "GlyphSheet.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstring>
#include <stdexcept>

const char* const GLYPH_CHARSET =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789~!@#$%^&*()_+|{}:\"'<>?`-=\\/[];,.";

std::string dejaVuPath(bool bold)
{
    return bold ? "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
                : "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
}

namespace {

struct Library {
    Library()
    {
        if (FT_Init_FreeType(&handle))
            throw std::runtime_error("FreeType does not start");
    }
    ~Library() { FT_Done_FreeType(handle); }
    FT_Library handle = nullptr;
};

struct Face {
    Face(FT_Library library, const std::string& path)
    {
        if (FT_New_Face(library, path.c_str(), 0, &handle))
            throw std::runtime_error("cannot open font " + path);
    }
    ~Face() { FT_Done_Face(handle); }
    FT_Face handle = nullptr;
};

struct Glyph {
    int32_t left = 0, top = 0, advance = 0;
    int32_t rows = 0, columns = 0;
    std::vector<uint8_t> ink; // columns x rows, 1 = ink
};

Glyph load(FT_Face face, char c)
{
    if (FT_Load_Char(face, FT_ULong(uint8_t(c)), FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME))
        throw std::runtime_error(std::string("cannot render glyph ") + c);
    FT_GlyphSlot slot = face->glyph;
    Glyph glyph;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.advance = int32_t((slot->advance.x + 32) >> 6);
    glyph.rows = int32_t(slot->bitmap.rows);
    glyph.columns = int32_t(slot->bitmap.width);
    glyph.ink.assign(size_t(glyph.rows) * glyph.columns, 0);
    for (int32_t y = 0; y < glyph.rows; ++y) {
        const uint8_t* row = slot->bitmap.buffer + y * slot->bitmap.pitch;
        for (int32_t x = 0; x < glyph.columns; ++x)
            glyph.ink[size_t(y) * glyph.columns + x] = (row[x >> 3] >> (7 - (x & 7))) & 1;
    }
    return glyph;
}

} // namespace

GlyphSheet renderGlyphSheet(const std::string& fontPath, int32_t pixels)
{
    Library library;
    Face face(library.handle, fontPath);
    if (FT_Set_Pixel_Sizes(face.handle, 0, FT_UInt(pixels)))
        throw std::runtime_error("cannot size font");
    GlyphSheet sheet;
    sheet.ascent = int32_t((face.handle->size->metrics.ascender + 63) >> 6);
    const int32_t descent = int32_t((-face.handle->size->metrics.descender + 63) >> 6);
    sheet.cellHeight = sheet.ascent + descent;
    const size_t count = std::strlen(GLYPH_CHARSET);
    std::vector<Glyph> glyphs;
    for (size_t i = 0; i < count; ++i) {
        Glyph glyph = load(face.handle, GLYPH_CHARSET[i]);
        // Glyphs that start left of the pen are moved right; the cell grows to fit.
        if (glyph.left < 0)
            glyph.left = 0;
        const int32_t width = std::max(glyph.advance, glyph.left + glyph.columns);
        sheet.widths.push_back(uint8_t(std::min(width, 255)));
        sheet.width = std::max(sheet.width, width);
        glyphs.push_back(glyph);
    }
    sheet.spaceWidth = load(face.handle, ' ').advance;
    sheet.pixels.assign(size_t(sheet.width) * sheet.cellHeight * count, 1);
    for (size_t i = 0; i < count; ++i) {
        const Glyph& glyph = glyphs[i];
        const int32_t cellTop = int32_t(i) * sheet.cellHeight;
        for (int32_t y = 0; y < glyph.rows; ++y) {
            const int32_t row = sheet.ascent - glyph.top + y;
            if (row < 0 || row >= sheet.cellHeight)
                continue; // accents reaching past the cell are cut
            for (int32_t x = 0; x < glyph.columns; ++x) {
                const int32_t column = glyph.left + x;
                if (column < sheet.widths[i] && glyph.ink[size_t(y) * glyph.columns + x])
                    sheet.pixels[size_t(cellTop + row) * sheet.width + column] = 0;
            }
        }
    }
    return sheet;
}
