#include "ui/TextScreen.h"

TextScreen::TextScreen(const String& title, int32_t variant)
    : Screen(SCREEN_KIND_TEXT, variant)
{
    this->title = title;
}

TextScreen::~TextScreen() = default;

bool TextScreen::handleEvent(int32_t type, int32_t p1, int32_t p2)
{
    SharedPointer<Item> focused = getFocusedItem();
    if (focused.raw() && focused->handleEvent(type, p1, p2))
        return true;
    return Screen::handleEvent(type, p1, p2);
}

void TextScreen::moveUp() { scrollUp(); }
void TextScreen::moveDown() { scrollDown(); }

void TextScreen::layout()
{
    Screen::layout();
    stackRows();
}

void TextScreen::stackRows()
{
    const IntArray& origin = geometry.contentOrigin;
    const int32_t originX = origin.length >= 2 ? origin[0] : 0;
    const int32_t originY = origin.length >= 2 ? origin[1] : 0;
    rowTops.clear();
    int32_t top = 0;
    for (int32_t i = 0; i < items.size(); ++i) {
        rowTops.add(top);
        Item* item = items[i].raw();
        if (!item)
            continue;
        item->setPosition(originX, originY + top);
        top += item->getHeight() + geometry.rowSpacing;
    }
    // The origin's offset counts too, or the last row could never be scrolled
    // fully into view.
    contentHeight = originY + top;
    // A relayout (a new display size) may leave the old position past the end.
    const int32_t lowest = contentHeight - clientHeight();
    if (scrollY > lowest)
        scrollY = lowest > 0 ? lowest : 0;
}

int32_t TextScreen::rowTop(int32_t index) const
{
    return index >= 0 && index < rowTops.size() ? rowTops[index] : 0;
}
