#include "ui/HighlightBar.h"

#include "core/lcdui/2d/Anchor.h"
#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/Display.h"
#include "core/lcdui/2d/ImageSlots.h"

void drawHighlightBar(Base2DGraphics& g, int32_t x, int32_t y, int32_t w)
{
    Display* display = currentDisplay();
    if (!display)
        return;
    SharedPointer<Base2DImage> ends = display->getImage(SLOT_HIGHLIGHT_ENDS);
    SharedPointer<Base2DImage> tile = display->getImage(SLOT_HIGHLIGHT_MIDDLE);
    if (!ends.raw() || !tile.raw())
        return;
    const int32_t h = ends->getHeight();
    // On an odd width the middle column belongs to neither half.
    const int32_t left = ends->getWidth() / 2;
    const int32_t right = left;
    const int32_t rightSource = ends->getWidth() - right;
    const int32_t step = tile->getWidth();
    const int32_t middleEnd = x + w - right;
    // Clip the last tile to the middle so it never covers the right end.
    const int32_t clipX = g.getClipX(), clipY = g.getClipY(), clipW = g.getClipWidth(), clipH = g.getClipHeight();
    g.clipRect(x + left, y, w - left - right > 0 ? w - left - right : 0, h);
    for (int32_t tx = x + left; step > 0 && tx < middleEnd; tx += step)
        g.drawImage(tile, tx, y, TOP | LEFT);
    g.setClip(clipX, clipY, clipW, clipH);
    g.drawRegion(ends, x, y, TOP | LEFT, 0, 0, left, h);
    g.drawRegion(ends, x + w - right, y, TOP | LEFT, rightSource, 0, right, h);
}
