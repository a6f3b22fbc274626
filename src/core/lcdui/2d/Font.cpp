#include "Font.h"

#include "Anchor.h"
#include "Base2DGraphics.h"
#include "ImageProvider.h"

#include "core/resources/Base2DImage.h"

Font::Font(ImageProvider* images, int32_t imageIndex, const ByteArray& widths, int32_t glyphHeight,
           int32_t lineHeight, int32_t charGap, int32_t baselineOffset, int32_t spaceWidth, const String& charset)
    : images(images)
    , imageIndex(static_cast<uint8_t>(imageIndex))
    , glyphHeight(glyphHeight)
    , lineHeight(lineHeight)
    , charGap(charGap)
    , baselineOffset(baselineOffset)
    , spaceWidth(spaceWidth)
    , widths(widths)
    , charset(charset)
{
    for (int16_t& entry : asciiGlyph)
        entry = -1;
    for (int32_t i = charset.length() - 1; i >= 0; --i) {
        char16_t c = charset.charAt(i);
        if (c < 128)
            asciiGlyph[c] = static_cast<int16_t>(i);
    }
    if (widths.length == 1) {
        fixedWidth = true;
        glyphWidth = widths[0];
    }
    if (images)
        glyphImage = images->getImage(imageIndex);
    if (fixedWidth && glyphWidth > 0 && glyphImage.raw())
        glyphsPerRow = glyphImage->width / glyphWidth;
    if (glyphsPerRow < 1)
        glyphsPerRow = 1;
}

Font::~Font() = default;

namespace {

// A copy of the sheet whose black palette entries hold color instead.
SharedPointer<Base2DImage> recolouredCopy(const Base2DImage& source, int32_t color)
{
    auto* copy = new Base2DImage(source);
    for (int32_t i = 0; i < copy->paletteCount && copy->palette; ++i) {
        if (!copy->paletteEntryEquals(i, 0))
            continue;
        copy->palette[i * 3] = static_cast<uint8_t>(color);
        copy->palette[i * 3 + 1] = static_cast<uint8_t>(color >> 8);
        copy->palette[i * 3 + 2] = static_cast<uint8_t>(color >> 16);
    }
    return SharedPointer<Base2DImage>(copy);
}

} // namespace

SharedPointer<Base2DImage> Font::recoloured(int32_t color)
{
    SharedPointer<Base2DImage> cached = images ? images->getImage(imageIndex) : SharedPointer<Base2DImage>();
    if (!cached.raw() || color == 0)
        return cached;
    return recolouredCopy(*cached.raw(), color);
}

void Font::setColor(int32_t color)
{
    if (color == color1)
        return;
    color1 = color;
    if (color != 0)
        glyphImage = recoloured(color);
    else
        glyphImage = SharedPointer<Base2DImage>(); // fetched again from the cache on first use
}

void Font::setSecondColor(int32_t color)
{
    if (color == color2)
        return;
    color2 = color;
    if (color == 0)
        secondImage = SharedPointer<Base2DImage>();
    else if (color == color1 && glyphImage.raw())
        secondImage = glyphImage;
    else
        secondImage = recoloured(color);
}

void Font::setStyle(int32_t bits)
{
    style = bits;
    boldExtra = (bits & FONT_STYLE_BOLD) ? 1 : 0;
}

int32_t Font::glyphIndex(char16_t c) const
{
    if (c < 128)
        return asciiGlyph[c];
    return charset.indexOf(c);
}

int32_t Font::charWidth(char16_t c) const
{
    if (c == u' ')
        return spaceWidth + charGap;
    if (fixedWidth)
        return glyphWidth + boldExtra + charGap;
    int32_t glyph = glyphIndex(c);
    if (glyph < 0 || glyph >= widths.length)
        return 0;
    return widths[glyph] + boldExtra + charGap;
}

int32_t Font::stringWidth(const String& text) const { return stringWidth(text, 0, text.length()); }

int32_t Font::stringWidth(const String& text, int32_t start, int32_t end) const
{
    int32_t total = 0;
    for (int32_t i = start; i < end; ++i)
        total += charWidth(text.charAt(i));
    return total;
}

int32_t Font::stringWidth(const CharArray& text, int32_t start, int32_t end) const
{
    int32_t total = 0;
    for (int32_t i = start; i < end; ++i)
        total += charWidth(static_cast<unsigned char>(text[i]));
    return total;
}

int32_t Font::anchorX(int32_t x, int32_t textWidth, int32_t anchor) const
{
    if (anchor & RIGHT)
        return x - textWidth;
    if (anchor & HCENTER)
        return x - textWidth / 2;
    return x;
}

int32_t Font::anchorY(int32_t y, int32_t anchor) const
{
    if (anchor & BOTTOM)
        return y - glyphHeight;
    if (anchor & VCENTER)
        return y - getHeight() / 2;
    // A baseline cannot be told from the sheet; treat it as the bottom of the line.
    if (anchor & BASELINE)
        return y - getHeight();
    return y;
}

void Font::underline(Base2DGraphics& g, int32_t x1, int32_t x2, int32_t y) const
{
    if (x2 < x1)
        return;
    const int32_t saved = g.getColor();
    g.setColor(color1);
    g.drawLine(x1, y, x2, y);
    g.setColor(saved);
}

int32_t Font::drawString(Base2DGraphics& g, const String& text, int32_t start, int32_t end, int32_t x, int32_t y,
                         int32_t anchor)
{
    x = anchorX(x, stringWidth(text, start, end), anchor);
    y = anchorY(y, anchor);
    const int32_t underlineY = y + baselineOffset + glyphHeight - 1;
    for (int32_t i = start; i < end; ++i) {
        x = drawChar(g, text.charAt(i), x, y);
        if ((style & FONT_STYLE_UNDERLINE) && charGap >= 1)
            underline(g, x, x + charGap - 1, underlineY);
        x += charGap;
    }
    return x;
}

SharedPointer<Base2DImage> Font::sheet()
{
    if (!glyphImage.raw())
        glyphImage = recoloured(color1);
    return glyphImage;
}

// Draws cell rows cellTop .. cellTop+cellRows-1 of one glyph with the cell's top-left
// corner at (x, y), clipped to those rows of the cell.
void Font::drawGlyph(Base2DGraphics& g, const SharedPointer<Base2DImage>& image, int32_t glyph, int32_t x,
                     int32_t y, int32_t cellTop, int32_t cellRows)
{
    if (!image.raw() || cellRows <= 0)
        return;
    int32_t sourceX = 0;
    int32_t sourceY = glyph * glyphHeight;
    int32_t width = glyph < widths.length ? widths[glyph] : 0;
    if (fixedWidth) {
        sourceX = (glyph % glyphsPerRow) * glyphWidth;
        sourceY = (glyph / glyphsPerRow) * glyphHeight;
        width = glyphWidth;
    }
    const int32_t clipX = g.getClipX();
    const int32_t clipY = g.getClipY();
    const int32_t clipW = g.getClipWidth();
    const int32_t clipH = g.getClipHeight();
    g.clipRect(x, y + cellTop, width, cellRows);
    g.drawImage(image, x - sourceX, y - sourceY, TOP | LEFT);
    g.setClip(clipX, clipY, clipW, clipH);
}

int32_t Font::drawChar(Base2DGraphics& g, char16_t c, int32_t x, int32_t y)
{
    const int32_t top = y + baselineOffset;
    if (c == u' ') {
        if (style & FONT_STYLE_UNDERLINE)
            underline(g, x, x + spaceWidth - 1, top + glyphHeight - 1);
        return x + spaceWidth;
    }
    const int32_t glyph = glyphIndex(c);
    if (glyph < 0)
        return x;
    const int32_t width = fixedWidth ? glyphWidth : (glyph < widths.length ? widths[glyph] : 0);
    const int32_t advance = width + boldExtra;
    SharedPointer<Base2DImage> first = sheet();
    if ((style & FONT_STYLE_SECOND_COLOR)) {
        // The second colour is a drop shadow one pixel down and right.
        if (!secondImage.raw())
            secondImage = recoloured(color2);
        drawGlyph(g, secondImage, glyph, x + 1, top + 1, 0, glyphHeight);
        if (boldExtra && !(style & FONT_STYLE_SLANTED))
            drawGlyph(g, secondImage, glyph, x + 2, top + 1, 0, glyphHeight);
    }
    if (style & FONT_STYLE_SLANTED) {
        const int32_t half = glyphHeight / 2;
        drawGlyph(g, first, glyph, x + 1, top, 0, half);
        // The lower part takes the odd row of an odd cell height too.
        drawGlyph(g, first, glyph, x, top, half, glyphHeight - half);
    } else if (style & FONT_STYLE_BOLD) {
        drawGlyph(g, first, glyph, x, top, 0, glyphHeight);
        drawGlyph(g, first, glyph, x + 1, top, 0, glyphHeight);
    } else {
        drawGlyph(g, first, glyph, x, top, 0, glyphHeight);
    }
    if (style & FONT_STYLE_UNDERLINE)
        underline(g, x, x + advance - 1, top + glyphHeight - 1);
    return x + advance;
}
