#include "ui/PopupMenu.h"

#include "ui/Events.h"
#include "ui/HighlightBar.h"
#include "ui/ModalLoop.h"

#include "core/lcdui/2d/Anchor.h"
#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/Display.h"
#include "core/lcdui/2d/DisplayTables.h"
#include "core/lcdui/2d/ImageSlots.h"
#include "core/lcdui/2d/ScreenClass.h"
#include "core/lcdui/2d/ScreenSurface.h"
#include "core/lcdui/2d/TextFit.h"

namespace {

PopupMenu* shown = nullptr;

constexpr int32_t BOX_COLOUR = 0x0B311B;   // the menu green
constexpr int32_t FRAME_COLOUR = 0xFFC221; // gold
constexpr int32_t FRAME = 2;               // frame and padding above the first row, pixels
constexpr int32_t SEPARATOR_HEIGHT = 5;

SharedPointer<Font> fontAt(int32_t index)
{
    Display* display = currentDisplay();
    return display ? display->getFont(index) : SharedPointer<Font>();
}

// A row is as tall as the highlight bar artwork (the menu row height).
int32_t itemRowHeight()
{
    Display* display = currentDisplay();
    SharedPointer<Base2DImage> ends = display ? display->getImage(SLOT_HIGHLIGHT_ENDS) : SharedPointer<Base2DImage>();
    if (ends.raw())
        return ends->getHeight();
    SharedPointer<Font> font = fontAt(FONT_MENU);
    return font.raw() ? font->getHeight() + 6 : 20;
}

void requestFrame()
{
    Display* display = currentDisplay();
    if (display && display->getSurface())
        display->getSurface()->requestRepaint();
}

} // namespace

PopupMenu::PopupMenu() = default;

PopupMenu::~PopupMenu()
{
    if (shown == this)
        shown = nullptr;
}

PopupMenu* PopupMenu::current() { return shown; }

void PopupMenu::paintCurrent(Base2DGraphics& g)
{
    if (shown)
        shown->paint(g);
}

void PopupMenu::addItem(const String& text, int32_t id)
{
    labels.add(text);
    ids.add(id);
}

void PopupMenu::addSeparator()
{
    labels.add(String());
    ids.add(-1);
}

int32_t PopupMenu::rowHeight(int32_t index) const
{
    return ids[index] == -1 && labels[index].length() == 0 ? SEPARATOR_HEIGHT : itemRowHeight();
}

int32_t PopupMenu::rowTop(int32_t index) const
{
    int32_t top = boxY + FRAME;
    for (int32_t i = 0; i < index; ++i)
        top += rowHeight(i);
    return top;
}

int32_t PopupMenu::rowAt(int32_t px, int32_t py) const
{
    if (px < boxX || px >= boxX + boxW)
        return -1;
    int32_t top = boxY + FRAME;
    for (int32_t i = 0; i < labels.size(); ++i) {
        const int32_t h = rowHeight(i);
        if (py >= top && py < top + h)
            return i;
        top += h;
    }
    return -1;
}

void PopupMenu::place(int32_t x, int32_t y, int32_t anchor)
{
    const int32_t row = itemRowHeight();
    SharedPointer<Font> font = fontAt(FONT_MENU);
    int32_t widest = 0;
    for (int32_t i = 0; i < labels.size(); ++i)
        if (font.raw() && font->stringWidth(labels[i]) > widest)
            widest = font->stringWidth(labels[i]);
    boxW = widest + row + 2 * FRAME; // half a row of room on each side of the text
    boxH = 2 * FRAME;
    for (int32_t i = 0; i < labels.size(); ++i)
        boxH += rowHeight(i);
    const int32_t screenW = displayWidth(), screenH = displayHeight();
    if (boxW > screenW)
        boxW = screenW;
    if (anchor & LEFT)
        boxX = x;
    else if (anchor & HCENTER)
        boxX = x - boxW / 2;
    else
        boxX = x - boxW;
    if (anchor & BOTTOM)
        boxY = y - boxH;
    else if (anchor & VCENTER)
        boxY = y - boxH / 2;
    else
        boxY = y;
    // Keep the whole menu on the display, as a platform menu would.
    if (boxX + boxW > screenW)
        boxX = screenW - boxW;
    if (boxX < 0)
        boxX = 0;
    if (boxY + boxH > screenH)
        boxY = screenH - boxH;
    if (boxY < 0)
        boxY = 0;
}

int32_t PopupMenu::show(int32_t x, int32_t y, int32_t anchor)
{
    selected = -1;
    pressedRow = -1;
    focus = -1;
    for (int32_t i = 0; i < ids.size() && focus < 0; ++i)
        if (ids[i] != -1 || labels[i].length() > 0)
            focus = i;
    place(x, y, anchor);
    ModalLoop* loop = currentModalLoop();
    if (!loop || labels.size() == 0) {
        stampModalEnd();
        return selected;
    }
    PopupMenu* outer = shown;
    shown = this;
    open = true;
    requestFrame();
    loop->runWhile([this] { return open; });
    // The loop also ends when the window is closing: a dismissal.
    open = false;
    shown = outer;
    requestFrame();
    stampModalEnd();
    return selected;
}

void PopupMenu::close(int32_t id)
{
    selected = id;
    open = false;
}

void PopupMenu::moveFocus(int32_t direction)
{
    for (int32_t i = focus + direction; i >= 0 && i < labels.size(); i += direction) {
        if (ids[i] == -1 && labels[i].length() == 0)
            continue;
        focus = i;
        requestFrame();
        return;
    }
}

bool PopupMenu::handleEvent(int32_t type, int32_t p1, int32_t p2)
{
    if (!open)
        return false;
    const bool onItem = focus >= 0 && focus < labels.size();
    switch (type) {
    case EVENT_KEY:
        switch (p1) {
        case KEY_UP:
            moveFocus(-1);
            break;
        case KEY_DOWN:
            moveFocus(1);
            break;
        case KEY_FIRE:
        case KEY_SELECT:
        case KEY_SOFT_LEFT:
            if (onItem)
                close(ids[focus]);
            break;
        case KEY_BACK:
        case KEY_SOFT_RIGHT:
            close(-1);
            break;
        default:
            break;
        }
        return true;
    case EVENT_KEYPAD:
        return true;
    case EVENT_POINTER_PRESSED: {
        if (p1 < boxX || p1 >= boxX + boxW || p2 < boxY || p2 >= boxY + boxH) {
            close(-1);
            return true;
        }
        const int32_t row = rowAt(p1, p2);
        if (row >= 0 && rowHeight(row) != SEPARATOR_HEIGHT) {
            focus = row;
            pressedRow = row;
            requestFrame();
        }
        return true;
    }
    case EVENT_POINTER_DRAGGED: {
        const int32_t row = rowAt(p1, p2);
        if (pressedRow >= 0 && row >= 0 && row != focus && rowHeight(row) != SEPARATOR_HEIGHT) {
            focus = row;
            requestFrame();
        }
        return true;
    }
    case EVENT_POINTER_RELEASED: {
        const int32_t row = rowAt(p1, p2);
        if (pressedRow >= 0 && row == focus && row >= 0)
            close(ids[row]);
        pressedRow = -1;
        return true;
    }
    default:
        return false;
    }
}

void PopupMenu::paint(Base2DGraphics& g)
{
    g.setColor(BOX_COLOUR);
    g.fillRect(boxX, boxY, boxW, boxH);
    g.setColor(FRAME_COLOUR);
    g.drawRect(boxX, boxY, boxW, boxH);
    SharedPointer<Font> normal = fontAt(FONT_MENU);
    SharedPointer<Font> focused = fontAt(FONT_MENU_FOCUSED);
    const int32_t inner = boxW - 2 * FRAME;
    for (int32_t i = 0; i < labels.size(); ++i) {
        const int32_t top = rowTop(i), h = rowHeight(i);
        if (h == SEPARATOR_HEIGHT && ids[i] == -1) {
            g.setColor(FRAME_COLOUR);
            g.drawLine(boxX + FRAME + 2, top + h / 2, boxX + boxW - FRAME - 3, top + h / 2);
            continue;
        }
        if (i == focus)
            drawHighlightBar(g, boxX + FRAME, top, inner);
        Font* font = (i == focus ? focused : normal).raw();
        if (!font)
            continue;
        const String text = fitWithEllipsis(labels[i], inner - h + 1, *font);
        font->drawString(g, text, 0, text.length(), boxX + FRAME + h / 2, top + (h - font->getCellHeight()) / 2,
                         TOP | LEFT);
    }
}
