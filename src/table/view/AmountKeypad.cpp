#include "table/view/AmountKeypad.h"

#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/ImageSlots.h"
#include "table/view/TableArt.h"
#include "table/view/TableLayout.h"
#include "ui/WordWrap.h"

AmountKeypad::AmountKeypad(bool wideDisplay)
    : Item(ITEM_KIND_KEYPAD, 0, String(), /*focusable=*/false)
{
    labels[KEY_ALL_IN] = String("ALL-IN ");
    for (int32_t digit = 0; digit <= 9; ++digit)
        labels[1 + digit] = String(wideDisplay ? "   " : " ") + String() + digit;
    labels[KEY_CLEAR] = String("  CLR");
    labels[KEY_OK] = String(" OK");
}

void AmountKeypad::cell(int32_t key, int32_t& column, int32_t& row, int32_t& span)
{
    span = 1;
    if (key >= 1 && key <= 10) {
        // 1..9 then 0, five to a row.
        const int32_t order = key == 1 ? 9 : key - 2;
        column = order % 5;
        row = order / 5;
        return;
    }
    row = 2;
    column = key == KEY_ALL_IN ? 0 : key == KEY_CLEAR ? 2 : 4;
    span = key == KEY_OK ? 1 : 2;
}

void AmountKeypad::keyBox(int32_t key, int32_t& kx, int32_t& ky, int32_t& kw, int32_t& kh) const
{
    const TableLayout::Box first = table->keypadKey();
    const int32_t gap = table->keypadGap();
    int32_t column, row, span;
    cell(key, column, row, span);
    kx = first.x + column * (first.w + gap);
    ky = first.y + row * (first.h + gap);
    kw = span * first.w + (span - 1) * gap;
    kh = first.h;
}

int32_t AmountKeypad::keyAt(int32_t px, int32_t py) const
{
    if (!table || table->keypadKey().empty())
        return -1;
    for (int32_t key = 0; key < KEYS; ++key) {
        int32_t kx, ky, kw, kh;
        keyBox(key, kx, ky, kw, kh);
        if (px >= kx && px < kx + kw && py >= ky && py < ky + kh)
            return key;
    }
    return -1;
}

void AmountKeypad::paint(Base2DGraphics& g, bool)
{
    if (!table || table->keypadKey().empty())
        return;
    const int32_t narrow = table->keypadKey().w;
    const int32_t wide = 2 * narrow + table->keypadGap();
    SharedPointer<Font> font = TableArt::font(layout.font);
    for (int32_t key = 0; key < KEYS; ++key) {
        int32_t kx, ky, kw, kh;
        keyBox(key, kx, ky, kw, kh);
        const bool down = key == pressed;
        // Strip: narrow plain, narrow pressed, wide plain, wide pressed.
        const int32_t sx = kw > narrow ? 2 * narrow + (down ? wide : 0) : (down ? narrow : 0);
        TableArt::region(g, SLOT_KEYPAD_KEYS, sx, 0, kw > narrow ? wide : narrow, kh, kx, ky);
        if (font.raw())
            drawBoxText(g, *font, labels[key].trim(), kx, ky, kw, kh);
    }
}
