#include "ui/MenuRow.h"

#include "ui/HighlightBar.h"

#include "core/lcdui/2d/Anchor.h"
#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/Display.h"
#include "core/lcdui/2d/TextFit.h"
#include "core/resources/Base2DImage.h"

void drawMenuRow(Base2DGraphics& g, const ScreenLayout& layout, int32_t x, int32_t y, int32_t w,
                 const String& label, MenuRowState state, const SharedPointer<Base2DImage>& picture)
{
    Display* display = currentDisplay();
    const IntArray& rows = layout.extra[EXTRA_MENU_ROWS];   // {x, w, h, gap, text dx, end w}
    const IntArray& style = layout.extra[EXTRA_MENU_STYLE]; // {fonts x3, bar, ends, plate}
    if (!display || rows.length < 6 || style.length < 6)
        return;
    const int32_t h = rows[2];
    if (state == MenuRowState::Focused) {
        drawHighlightBar(g, x, y, w);
    } else {
        SharedPointer<Base2DImage> plate = display->getImage(style[5]);
        if (plate.raw()) {
            const int32_t plateH = h < plate->getHeight() ? h : plate->getHeight();
            // A row narrower than the plate keeps the plate's rounded right end.
            const int32_t end = rows[5] < w ? rows[5] : w;
            const int32_t body = w < plate->getWidth() ? w - end : plate->getWidth();
            g.drawRegion(plate, x, y, TOP | LEFT, 0, 0, body, plateH);
            if (w < plate->getWidth())
                g.drawRegion(plate, x + body, y, TOP | LEFT, plate->getWidth() - end, 0, end, plateH);
        }
    }
    const int32_t fontIndex = state == MenuRowState::Focused ? style[1] : state == MenuRowState::Disabled ? style[2]
                                                                                                           : style[0];
    SharedPointer<Font> font = display->getFont(fontIndex);
    if (!font.raw())
        return;
    int32_t textX = x + rows[4];
    if (picture.raw()) {
        g.drawImage(picture, textX, y + (h - picture->getHeight()) / 2, TOP | LEFT);
        textX += picture->getWidth() + rows[4] / 2;
    }
    const String shown = fitWithEllipsis(label, x + w - rows[4] - textX, *font);
    font->drawString(g, shown, 0, shown.length(), textX, y + (h - font->getCellHeight()) / 2, TOP | LEFT);
}
