#pragma once

#include "core/runtime/String.h"
#include "core/runtime/Vector.h"

#include <cstdint>

class Base2DGraphics;
class Font;

// Breaks text into lines no wider than maxWidth in font: lines break after a space
// or a slash, a line feed ends a line (it stays in that line), a space may hang
// over the edge once, and a word longer than a line is cut. lineEnds receives the
// end position of every line (cleared first). Returns the height of all lines,
// each font height + lineSpacing; 0 for an empty text or a width of 0.
int32_t wrap(const String& text, int32_t maxWidth, const Font& font, Vector<int32_t>& lineEnds,
             int32_t lineSpacing);

// Draws wrapped lines from (x, y) with the given anchor's horizontal bits, one
// every font height + lineSpacing; a line's final line feed is not drawn.
void drawWrapped(Base2DGraphics& g, Font& font, const String& text, const Vector<int32_t>& lineEnds, int32_t x,
                 int32_t y, int32_t lineSpacing, int32_t anchor);

// Draws text in the box {x, y, w, h}: centred both ways, shortened with "..." when
// it does not fit.
void drawBoxText(Base2DGraphics& g, Font& font, const String& text, int32_t x, int32_t y, int32_t w, int32_t h);
