#include "ui/GaugeItem.h"

#include "ui/Events.h"
#include "ui/HighlightBar.h"

#include "core/lcdui/2d/Anchor.h"
#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/Display.h"
#include "core/lcdui/2d/TextFit.h"

GaugeItem::GaugeItem(const String& label, bool interactive, int32_t maxValue, int32_t value)
    : Item(ITEM_KIND_GAUGE, 0, label, /*focusable=*/interactive)
    , interactive(interactive)
    , maxValue(maxValue > 0 ? maxValue : 1)
    , value(0)
{
    setValue(value);
}

GaugeItem::~GaugeItem() = default;

void GaugeItem::setValue(int32_t newValue)
{
    value = newValue < 0 ? 0 : newValue > maxValue ? maxValue : newValue;
    repaint();
}

String GaugeItem::valueText() const { return String() + value; }

bool GaugeItem::handleEvent(int32_t type, int32_t p1, int32_t)
{
    if (!interactive || type != EVENT_KEY)
        return false;
    switch (p1) {
    case KEY_LEFT:
        setValue(value - step);
        return true;
    case KEY_RIGHT:
        setValue(value + step);
        return true;
    case KEY_SELECT:
    case KEY_FIRE:
        setValue(value >= maxValue ? 0 : value + step);
        return true;
    default:
        return false;
    }
}

bool GaugeItem::pointerPressed(int32_t px, int32_t py)
{
    if (!interactive)
        return false;
    const int32_t w = barWidth();
    // A tap on the label row only focuses the gauge; the bar is forgiving by a few
    // pixels on each end so that 0 and the maximum are easy to hit.
    const int32_t slack = labelRowHeight() / 2;
    if (w <= 0 || py < labelRowHeight() || px < barX() - slack || px >= barX() + w + slack)
        return true;
    const int32_t along = px < barX() ? 0 : px - barX() > w ? w : px - barX();
    const int32_t raw = along * maxValue / w;
    setValue(raw >= maxValue ? maxValue : (raw + step / 2) / step * step);
    return true;
}

int32_t GaugeItem::barWidth() const { return layout.geometry.length >= 6 ? layout.geometry[4] : 0; }
int32_t GaugeItem::barHeight() const { return layout.geometry.length >= 6 ? layout.geometry[5] : 0; }
// The label row is the item less the bar and a gap of 4 under it.
int32_t GaugeItem::labelRowHeight() const { return height - barHeight() - 4; }
int32_t GaugeItem::barX() const { return labelRowHeight() / 2; }

void GaugeItem::paint(Base2DGraphics& g, bool focused)
{
    Display* display = currentDisplay();
    if (!display)
        return;
    const int32_t row = labelRowHeight();
    if (focused)
        drawHighlightBar(g, 0, 0, width);
    const int32_t inset = row / 2;
    SharedPointer<Font> font = display->getFont(focused ? layout.focusedFont : layout.font);
    if (font.raw()) {
        const String line = fitWithEllipsis(label + valueText(), width - 2 * inset, *font);
        font->drawString(g, line, 0, line.length(), inset, (row - font->getCellHeight()) / 2, TOP | LEFT);
    }
    const int32_t barW = barWidth(), barH = barHeight();
    SharedPointer<Base2DImage> bar = display->getImage(layout.image);
    if (!bar.raw() || barW <= 0)
        return;
    const int32_t y = row + 2;
    g.drawRegion(bar, barX(), y, TOP | LEFT, 0, 0, barW, barH);
    const int32_t filled = barW * value / maxValue;
    if (filled > 0)
        g.drawRegion(bar, barX(), y, TOP | LEFT, 0, barH, filled, barH);
}
