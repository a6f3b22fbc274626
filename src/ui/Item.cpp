#include "ui/Item.h"

#include "ui/Screen.h"

Item::Item(int32_t kind, int32_t variant, const String& label, bool focusable)
    : kind(uint8_t(kind))
    , variant(uint8_t(variant))
    , label(label)
    , focusable(focusable)
{
}

Item::~Item() = default;

void Item::paint(Base2DGraphics&, bool) { }
bool Item::handleEvent(int32_t, int32_t, int32_t) { return false; }
void Item::layoutContent() { }

void Item::measure()
{
    applyItemLayout(layout, kind, variant);
    if (layout.geometry.length >= 4)
        setSize(layout.geometry[2], layout.geometry[3]);
}

void Item::adjust() { }
void Item::onShow() { }
void Item::onHide() { }
void Item::onResume() { }
void Item::onPause() { }
bool Item::wantsTextInput() const { return false; }
bool Item::pointerPressed(int32_t, int32_t) { return false; }
String Item::valueText() const { return String(); }

void Item::setLabel(const String& text)
{
    label = text;
    if (owner)
        owner->invalidateLayout();
}

void Item::setPosition(int32_t newX, int32_t newY)
{
    x = newX;
    y = newY;
}

void Item::setSize(int32_t newWidth, int32_t newHeight)
{
    width = newWidth;
    height = newHeight;
}

void Item::repaint() const
{
    if (owner)
        owner->repaint();
}
