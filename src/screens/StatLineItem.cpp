#include "screens/StatLineItem.h"

#include "core/lcdui/2d/Display.h"
#include "core/lcdui/2d/Font.h"

StatLineItem::StatLineItem(const String& name, const String& value)
    : TextItem(name, value)
{
}

StatLineItem::~StatLineItem() = default;

String StatLineItem::valueText() const { return getBody(); }

void StatLineItem::layoutContent()
{
    TextItem::layoutContent();
    Display* display = currentDisplay();
    const IntArray& row = getLayout().geometry;
    if (!display || row.length < 4 || getLabelBreaks().size() != 1)
        return;
    SharedPointer<Font> labelFont = display->getFont(row[3]);
    if (!labelFont.raw())
        return;
    // The body's first line is beside the one-line name, not under it.
    const int32_t nameHeight = labelFont->getHeight();
    const int32_t bodyHeight = getHeight() - nameHeight;
    setSize(getWidth(), bodyHeight > nameHeight ? bodyHeight : nameHeight);
}
