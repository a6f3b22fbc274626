#pragma once

#include "core/runtime/Array.h"
#include "core/runtime/Object.h"
#include "core/runtime/SharedPointer.h"
#include "core/runtime/String.h"

#include <cstdint>

class Base2DGraphics;
class Base2DImage;
class ImageProvider;

// Style bits of a font.
constexpr int32_t FONT_STYLE_BOLD = 1;
constexpr int32_t FONT_STYLE_SLANTED = 2;
constexpr int32_t FONT_STYLE_UNDERLINE = 4;
constexpr int32_t FONT_STYLE_SECOND_COLOR = 8;

// A bitmap font over a glyph sheet of the image cache. Fixed-width sheets hold the
// glyphs row by row; variable-width sheets stack them in one column, one cell of
// glyphHeight each. Bold, slanted and underlined text are drawn from the same
// glyphs; colours recolour the sheet's black palette entries.
class Font : public Object {
public:
    // widths with exactly one entry make a fixed-width font of that width.
    Font(ImageProvider* images, int32_t imageIndex, const ByteArray& widths, int32_t glyphHeight,
         int32_t lineHeight, int32_t charGap, int32_t baselineOffset, int32_t spaceWidth, const String& charset);
    ~Font() override;

    // 0 keeps the sheet's own colours.
    virtual void setColor(int32_t color);
    virtual int32_t getColor() const { return color1; }
    virtual void setSecondColor(int32_t color);
    virtual int32_t getSecondColor() const { return color2; }
    virtual void setStyle(int32_t bits);
    virtual int32_t getStyle() const { return style; }
    virtual int32_t stringWidth(const String& text) const;
    virtual int32_t charWidth(char16_t c) const;
    virtual int32_t getHeight() const { return baselineOffset + lineHeight; }
    virtual void setLineHeight(int32_t value) { lineHeight = value; }
    virtual int32_t getCellHeight() const { return baselineOffset + glyphHeight; }
    virtual int32_t anchorX(int32_t x, int32_t textWidth, int32_t anchor) const;
    virtual int32_t anchorY(int32_t y, int32_t anchor) const;
    virtual int32_t getSpaceWidth() const { return spaceWidth; }
    virtual void setSpaceWidth(int32_t value) { spaceWidth = value; }

    // Width of the characters start..end-1 of a text.
    int32_t stringWidth(const String& text, int32_t start, int32_t end) const;
    int32_t stringWidth(const CharArray& text, int32_t start, int32_t end) const;

    // Draws characters start..end-1 and returns the x after the last one.
    int32_t drawString(Base2DGraphics& g, const String& text, int32_t start, int32_t end, int32_t x, int32_t y,
                       int32_t anchor);

    int32_t getGlyphHeight() const { return glyphHeight; }
    int32_t getCharGap() const { return charGap; }
    int32_t getBaselineOffset() const { return baselineOffset; }
    bool isFixedWidth() const { return fixedWidth; }

private:
    int32_t glyphIndex(char16_t c) const;
    int32_t drawChar(Base2DGraphics& g, char16_t c, int32_t x, int32_t y);
    void drawGlyph(Base2DGraphics& g, const SharedPointer<Base2DImage>& sheet, int32_t glyph, int32_t x, int32_t y,
                   int32_t cellTop, int32_t cellRows);
    void underline(Base2DGraphics& g, int32_t x1, int32_t x2, int32_t y) const;
    SharedPointer<Base2DImage> sheet();
    SharedPointer<Base2DImage> recoloured(int32_t color);

    ImageProvider* images; // the Display's cache; not owned
    uint8_t imageIndex;
    SharedPointer<Base2DImage> glyphImage;
    SharedPointer<Base2DImage> secondImage;
    bool fixedWidth = false;
    int32_t glyphWidth = 0;
    int32_t glyphHeight;
    int32_t lineHeight;
    int32_t charGap;
    int32_t baselineOffset;
    int32_t spaceWidth;
    int32_t style = 0;
    int32_t color1 = 0;
    int32_t color2 = 0;
    int32_t glyphsPerRow = 1;
    int32_t boldExtra = 0;
    ByteArray widths;
    String charset;
    int16_t asciiGlyph[128]; // glyph index of each ASCII code, -1 when absent
};
