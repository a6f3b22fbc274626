#include "table/view/ActionMenuItem.h"

#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/ImageSlots.h"
#include "core/resources/ResourcePack.h"
#include "core/runtime/TextFormat.h"
#include "poker/ActionCode.h"
#include "table/view/TableArt.h"
#include "table/view/TableLayout.h"
#include "ui/WordWrap.h"

ActionMenuItem::ActionMenuItem()
    : Item(ITEM_KIND_ACTION_MENU, 0, String(), /*focusable=*/false)
{
}

String ActionMenuItem::labelFor(int32_t code, int32_t callAmount)
{
    switch (code) {
    case ACTION_FOLD:
        return getText(2037);
    case ACTION_WAITING:
        return getText(2024);
    case ACTION_CHECK:
        return getText(2023);
    case ACTION_CALL:
        return getText(2018) + " (" + formatMoney(callAmount) + ") ";
    case ACTION_BET:
        return getText(2013);
    case ACTION_RAISE:
        return getText(2105);
    case ACTION_ALL_IN:
        return getText(2002);
    case INFO:
        return String("INFO");
    default:
        return String();
    }
}

void ActionMenuItem::setEntries(const int32_t* offered, int32_t n, bool withInfo, int32_t callAmount)
{
    entries = 0;
    toCall = callAmount;
    for (int32_t i = 0; i < n && entries < MAX_ENTRIES - 1; ++i) {
        codes[entries] = offered[i];
        labels[entries++] = labelFor(offered[i], callAmount);
    }
    if (withInfo) {
        codes[entries] = INFO;
        labels[entries++] = labelFor(INFO, 0);
    }
    if (highlight >= entries)
        highlight = entries > 0 ? entries - 1 : 0;
}

void ActionMenuItem::move(int32_t direction)
{
    if (entries == 0)
        return;
    highlight = (highlight + direction + entries) % entries;
}

int32_t ActionMenuItem::entryAt(int32_t px, int32_t py) const
{
    if (!table)
        return -1;
    for (int32_t i = 0; i < entries; ++i) {
        if (table->actionButton(i, entries).contains(px, py))
            return i;
    }
    return -1;
}

void ActionMenuItem::paint(Base2DGraphics& g, bool)
{
    if (!table)
        return;
    const TableLayout::Box full = table->actionButton(0, 1);
    for (int32_t i = 0; i < entries; ++i) {
        const TableLayout::Box b = table->actionButton(i, entries);
        const bool lit = i == highlight;
        const int32_t sy = lit ? full.h : 0;
        // A narrower button keeps the artwork's right end.
        const int32_t end = b.w < full.w ? full.h / 3 : 0;
        TableArt::region(g, SLOT_ACTION_BUTTONS, 0, sy, b.w - end, b.h, b.x, b.y);
        if (end > 0)
            TableArt::region(g, SLOT_ACTION_BUTTONS, full.w - end, sy, end, b.h, b.x + b.w - end, b.y);
        SharedPointer<Font> font = TableArt::font(lit ? FONT_BUTTON_FOCUSED : FONT_BUTTON);
        String label = labels[i].trim();
        if (codes[i] == ACTION_CALL) {
            // "Call $50" on the button; the amount is dropped when it does not fit.
            label = getText(2018) + " " + formatMoney(toCall);
            if (font.raw() && font->stringWidth(label) > b.w - 6)
                label = getText(2018);
        }
        if (font.raw())
            drawBoxText(g, *font, label, b.x + 2, b.y, b.w - 4, b.h);
    }
}
