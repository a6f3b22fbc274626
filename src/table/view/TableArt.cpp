#include "table/view/TableArt.h"

#include "core/lcdui/2d/Anchor.h"
#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/ClassGeometry.h"
#include "core/lcdui/2d/Display.h"
#include "core/lcdui/2d/DisplayTables.h"
#include "core/lcdui/2d/ImageSlots.h"

void TableArt::region(Base2DGraphics& g, int32_t slot, int32_t sx, int32_t sy, int32_t w, int32_t h, int32_t x,
                      int32_t y)
{
    Display* display = currentDisplay();
    if (!display || w <= 0 || h <= 0)
        return;
    SharedPointer<Base2DImage> picture = display->getImage(slot);
    if (picture.raw())
        g.drawRegion(picture, x, y, TOP | LEFT, sx, sy, w, h);
}

void TableArt::image(Base2DGraphics& g, int32_t slot, int32_t x, int32_t y)
{
    Display* display = currentDisplay();
    if (!display)
        return;
    SharedPointer<Base2DImage> picture = display->getImage(slot);
    if (picture.raw())
        g.drawImage(picture, x, y, TOP | LEFT);
}

void TableArt::card(Base2DGraphics& g, int32_t card, bool faceUp, bool small, int32_t x, int32_t y, Deck deck)
{
    const ClassGeometry& geometry = classGeometry(displayTables().screenClass);
    const int32_t w = small ? geometry.smallCardWidth : geometry.cardWidth;
    const int32_t h = small ? geometry.smallCardHeight : geometry.cardHeight;
    if (!faceUp || card < 0 || card >= 52) {
        image(g, small ? SLOT_SMALL_CARD_BACK : SLOT_CARD_BACK, x, y);
        return;
    }
    // Faces: ranks 2..A across, rows spade, heart, diamond, club (suits 3, 2, 1, 0).
    const int32_t rank = card % 13, suit = card / 13;
    const int32_t slot = small ? SLOT_SMALL_CARD_FACES : SLOT_CARD_FACES;
    Display* display = currentDisplay();
    if (deck == Deck::FourColour && display) {
        // The same layout of faces, only the inks differ.
        SharedPointer<Base2DImage> faces = display->getFourColourImage(slot);
        if (faces.raw()) {
            g.drawRegion(faces, x, y, TOP | LEFT, rank * w, (3 - suit) * h, w, h);
            return;
        }
    }
    region(g, slot, rank * w, (3 - suit) * h, w, h, x, y);
}

SharedPointer<Font> TableArt::font(int32_t index)
{
    Display* display = currentDisplay();
    return display ? display->getFont(index) : SharedPointer<Font>();
}

int32_t TableArt::text(Base2DGraphics& g, int32_t fontIndex, const String& text, int32_t x, int32_t y,
                       int32_t anchor)
{
    SharedPointer<Font> f = font(fontIndex);
    if (!f.raw() || text.length() == 0)
        return 0;
    g.setFont(f);
    g.drawString(text, x, y, anchor);
    return f->stringWidth(text);
}

int32_t TableArt::width(int32_t fontIndex, const String& text)
{
    SharedPointer<Font> f = font(fontIndex);
    return f.raw() ? f->stringWidth(text) : 0;
}

int32_t TableArt::height(int32_t fontIndex)
{
    SharedPointer<Font> f = font(fontIndex);
    return f.raw() ? f->getHeight() : 0;
}

String TableArt::fit(int32_t fontIndex, const String& text, int32_t maxWidth)
{
    Display* display = currentDisplay();
    return display ? display->fitWithEllipsis(text, maxWidth, fontIndex) : text;
}
