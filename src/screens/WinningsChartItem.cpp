#include "screens/WinningsChartItem.h"

#include "core/lcdui/2d/Anchor.h"
#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/Display.h"
#include "core/lcdui/2d/Font.h"

namespace {

SharedPointer<Font> captionFont(int32_t index)
{
    Display* display = currentDisplay();
    return display ? display->getFont(index) : SharedPointer<Font>();
}

} // namespace

WinningsChartItem::WinningsChartItem(const String& caption, const Vector<int64_t>& chartPoints)
    : Item(ITEM_KIND_CHART, 0, caption, /*focusable=*/false)
    , points(chartPoints)
{
    for (int32_t i = 0; i < points.size(); ++i) {
        low = points[i] < low ? points[i] : low;
        high = points[i] > high ? points[i] : high;
    }
    if (high == low)
        high = low + 1; // all zero: the zero line at the bottom, the scale still defined
}

WinningsChartItem::~WinningsChartItem() = default;

int32_t WinningsChartItem::captionHeight() const
{
    SharedPointer<Font> font = captionFont(layout.font);
    return label.length() > 0 && font.raw() ? font->getHeight() + 2 : 0;
}

void WinningsChartItem::measure()
{
    applyItemLayout(layout, kind, variant);
    const IntArray& box = layout.geometry;
    inset = box.length >= 5 ? box[4] : 0;
    if (box.length >= 4)
        setSize(box[2], box[3] + captionHeight());
}

int32_t WinningsChartItem::plotWidth() const
{
    const int32_t w = width - 2 * inset;
    return w > 0 ? w : 0;
}

int32_t WinningsChartItem::plotHeight() const
{
    const int32_t h = height - captionHeight() - 2 * inset;
    return h > 0 ? h : 0;
}

int32_t WinningsChartItem::rowOf(int64_t value) const
{
    const int64_t span = high - low;
    const int64_t rows = plotHeight() > 1 ? plotHeight() - 1 : 0;
    // The span may pass 32 bits: scaled in doubles.
    const double along = double(high - value) / double(span);
    return plotY() + int32_t(along * double(rows) + 0.5);
}

void WinningsChartItem::paint(Base2DGraphics& g, bool)
{
    const int32_t boxHeight = height - captionHeight();
    if (width <= 2 || boxHeight <= 2)
        return;
    g.setColor(layout.focusedColour);
    g.drawRect(0, 0, width, boxHeight);
    const int32_t w = plotWidth();
    const int32_t zero = rowOf(0);
    if (w > 0)
        g.drawLine(plotX(), zero, plotX() + w - 1, zero);

    g.setColor(layout.colour);
    const int32_t n = points.size();
    if (n >= 2 && w > 1) {
        int32_t lastX = plotX();
        int32_t lastY = rowOf(points[0]);
        for (int32_t i = 1; i < n; ++i) {
            const int32_t x = plotX() + int32_t(int64_t(i) * (w - 1) / (n - 1));
            const int32_t y = rowOf(points[i]);
            g.drawLine(lastX, lastY, x, y);
            lastX = x;
            lastY = y;
        }
    }

    SharedPointer<Font> font = captionFont(layout.font);
    if (label.length() > 0 && font.raw()) {
        g.setFont(font);
        g.drawString(label, width / 2, boxHeight + 2, TOP | HCENTER);
    }
}
