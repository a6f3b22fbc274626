#include "ui/ChoiceItem.h"

#include "ui/Events.h"
#include "ui/HighlightBar.h"

#include "core/lcdui/2d/Anchor.h"
#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/Display.h"
#include "core/lcdui/2d/TextFit.h"

ChoiceItem::ChoiceItem(const String& label, int32_t variant)
    : Item(ITEM_KIND_CHOICE, variant, label, /*focusable=*/true)
{
}

ChoiceItem::~ChoiceItem() = default;

int32_t ChoiceItem::appendValue(const String& text)
{
    values.add(text);
    if (selected < 0)
        selected = 0;
    return values.size() - 1;
}

void ChoiceItem::setSelectedIndex(int32_t index)
{
    if (index < 0 || index >= values.size())
        return;
    selected = index;
    repaint();
}

String ChoiceItem::valueText() const
{
    if (selected < 0 || selected >= values.size())
        return String();
    return values[selected];
}

void ChoiceItem::next()
{
    if (values.size() == 0)
        return;
    selected = (selected + 1) % values.size();
    repaint();
}

bool ChoiceItem::handleEvent(int32_t type, int32_t p1, int32_t)
{
    if (type != EVENT_KEY || (p1 != KEY_SELECT && p1 != KEY_FIRE))
        return false;
    next();
    return true;
}

bool ChoiceItem::pointerPressed(int32_t, int32_t)
{
    next();
    return true;
}

void ChoiceItem::paint(Base2DGraphics& g, bool focused)
{
    Display* display = currentDisplay();
    if (!display)
        return;
    if (focused)
        drawHighlightBar(g, 0, 0, width);
    SharedPointer<Font> font = display->getFont(focused ? layout.focusedFont : layout.font);
    if (!font.raw())
        return;
    // Text inset: half the row height from the left, as the menu rows have it.
    const int32_t inset = height / 2;
    const String line = fitWithEllipsis(label + ": " + valueText(), width - 2 * inset, *font);
    font->drawString(g, line, 0, line.length(), inset, (height - font->getCellHeight()) / 2, TOP | LEFT);
}
