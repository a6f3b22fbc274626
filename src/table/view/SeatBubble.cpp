#include "table/view/SeatBubble.h"

#include "core/lcdui/2d/Anchor.h"
#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/ImageSlots.h"
#include "core/lcdui/2d/ScreenClass.h"
#include "table/view/TableArt.h"

#include <algorithm>

SeatBubble::SeatBubble()
    : Item(ITEM_KIND_SEAT_BUBBLE, 0, String(), /*focusable=*/false)
{
}

void SeatBubble::place(int32_t atX, int32_t atY, bool tailUp)
{
    setPosition(atX, atY);
    up = tailUp;
}

void SeatBubble::paint(Base2DGraphics& g, bool)
{
    if (said.length() == 0 || layout.geometry.length < 5)
        return;
    const int32_t w = layout.geometry[2], h = layout.geometry[3], tail = layout.geometry[4];
    const int32_t font = layout.font;
    const int32_t inner = TableArt::width(font, said) + 12;
    const int32_t maxWidth = displayWidth() - 4;
    const int32_t width = std::max(w, std::min(inner, maxWidth));
    // Kept on the display: a wide bubble slides left.
    int32_t left = std::min(0, maxWidth + 2 - (x + width));
    left = std::max(left, 2 - x);
    const int32_t sy = up ? 0 : h;
    const int32_t end = w / 4;
    TableArt::region(g, SLOT_SEAT_BUBBLE, 0, sy, w - end, h, left, 0);
    // The plain middle of the body repeats until the right end fits the text.
    for (int32_t at = w - end; at < width - end; ++at)
        TableArt::region(g, SLOT_SEAT_BUBBLE, w - end - 1, sy, 1, h, left + at, 0);
    TableArt::region(g, SLOT_SEAT_BUBBLE, w - end, sy, end, h, left + width - end, 0);
    const int32_t bodyTop = up ? tail : 0;
    const String shown = TableArt::fit(font, said, width - 8);
    TableArt::text(g, font, shown, left + width / 2, bodyTop + (h - tail) / 2, HCENTER | VCENTER);
}
