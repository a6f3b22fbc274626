#pragma once

#include "core/lcdui/2d/Font.h"
#include "core/runtime/SharedPointer.h"
#include "core/runtime/String.h"

#include <cstdint>

class Base2DGraphics;

// Drawing with the table's artwork from the display's caches: regions of the
// image slots, the cards, and text in the layout's fonts. Everything is skipped
// quietly when there is no display (a missing picture must not stop the game).
class TableArt {
public:
    // The colours of the card faces: spades and clubs black, hearts and diamonds red,
    // or diamonds blue and clubs green as well.
    enum class Deck { TwoColour, FourColour };

    // A part {sx, sy, w, h} of the image in slot, its top-left at (x, y).
    static void region(Base2DGraphics& g, int32_t slot, int32_t sx, int32_t sy, int32_t w, int32_t h, int32_t x,
                       int32_t y);
    static void image(Base2DGraphics& g, int32_t slot, int32_t x, int32_t y);
    // A card (0..51) face up, or its back, in the large or small size. The
    // four-colour faces fall back to the two-colour ones when the pack lacks them.
    static void card(Base2DGraphics& g, int32_t card, bool faceUp, bool small, int32_t x, int32_t y,
                     Deck deck = Deck::TwoColour);
    static SharedPointer<Font> font(int32_t index);
    // Text in a font at an anchor; returns the text's width.
    static int32_t text(Base2DGraphics& g, int32_t fontIndex, const String& text, int32_t x, int32_t y,
                        int32_t anchor);
    static int32_t width(int32_t fontIndex, const String& text);
    static int32_t height(int32_t fontIndex);
    // The text shortened with "..." to fit maxWidth.
    static String fit(int32_t fontIndex, const String& text, int32_t maxWidth);
};
