#include "table/view/TableLayout.h"

const IntArray* TableLayout::extra(int32_t index, int32_t minLength) const
{
    if (!layout || index < 0 || index >= EXTRA_COUNT)
        return nullptr;
    const IntArray& array = layout->extra[index];
    return array.length >= minLength ? &array : nullptr;
}

int32_t TableLayout::value(int32_t index, int32_t at) const
{
    const IntArray* array = extra(index, at + 1);
    return array ? (*array)[at] : 0;
}

TableLayout::Point TableLayout::seatOrigin(int32_t seat) const
{
    if (seat < 0 || seat > 5)
        return {};
    return {value(EXTRA_SEATS, 2 * seat), value(EXTRA_SEATS, 2 * seat + 1)};
}

TableLayout::Box TableLayout::seatBox(int32_t seat) const
{
    const Point at = seatOrigin(seat);
    return {at.x, at.y, value(EXTRA_SEAT_SIZE, 0), value(EXTRA_SEAT_SIZE, 1)};
}

TableLayout::Point TableLayout::holeCardOrigin(int32_t seat) const
{
    if (seat < 0 || seat > 5)
        return {};
    return {value(EXTRA_HOLE_CARDS, 2 * seat), value(EXTRA_HOLE_CARDS, 2 * seat + 1)};
}

int32_t TableLayout::holeCardStep() const { return value(EXTRA_HOLE_CARD_STEP, 0); }
int32_t TableLayout::smallCardWidth() const { return value(EXTRA_HOLE_CARD_STEP, 1); }
int32_t TableLayout::smallCardHeight() const { return value(EXTRA_HOLE_CARD_STEP, 2); }

TableLayout::Point TableLayout::betOrigin(int32_t seat) const
{
    if (seat < 0 || seat > 5)
        return {};
    return {value(EXTRA_BETS, 2 * seat), value(EXTRA_BETS, 2 * seat + 1)};
}

TableLayout::Point TableLayout::markerOrigin(int32_t seat) const
{
    if (seat < 0 || seat > 5)
        return {};
    return {value(EXTRA_MARKERS, 2 * seat), value(EXTRA_MARKERS, 2 * seat + 1)};
}

TableLayout::Point TableLayout::bubbleOrigin(int32_t seat) const
{
    if (seat < 0 || seat > 5)
        return {};
    return {value(EXTRA_BUBBLES, 2 * seat), value(EXTRA_BUBBLES, 2 * seat + 1)};
}

TableLayout::Point TableLayout::boardOrigin() const { return {value(EXTRA_BOARD, 0), value(EXTRA_BOARD, 1)}; }
int32_t TableLayout::boardStep() const { return value(EXTRA_BOARD, 2); }
TableLayout::Point TableLayout::potPreflop() const { return {value(EXTRA_POT, 0), value(EXTRA_POT, 1)}; }
TableLayout::Point TableLayout::potPostflop() const { return {value(EXTRA_POT, 2), value(EXTRA_POT, 3)}; }

TableLayout::Point TableLayout::tableImageOrigin() const
{
    return {value(EXTRA_TABLE_IMAGE, 0), value(EXTRA_TABLE_IMAGE, 1)};
}

int32_t TableLayout::tableImageSlot() const
{
    return extra(EXTRA_TABLE_IMAGE, 3) ? value(EXTRA_TABLE_IMAGE, 2) : -1;
}

TableLayout::Box TableLayout::actionButton(int32_t index, int32_t count) const
{
    if (!extra(EXTRA_ACTION_MENU, 5) || count < 1)
        return {};
    int32_t w = value(EXTRA_ACTION_MENU, 2);
    const int32_t h = value(EXTRA_ACTION_MENU, 3), gap = value(EXTRA_ACTION_MENU, 4);
    // The row of buttons is laid out for three; fewer stay centred on the same row,
    // more (the tournament's INFO) share its width.
    const int32_t full = 3 * w + 2 * gap;
    if (count > 3)
        w = (full - (count - 1) * gap) / count;
    const int32_t used = count * w + (count - 1) * gap;
    const int32_t left = value(EXTRA_ACTION_MENU, 0) + (full - used) / 2;
    return {left + index * (w + gap), value(EXTRA_ACTION_MENU, 1), w, h};
}

TableLayout::Box TableLayout::amountPanel() const
{
    return {value(EXTRA_AMOUNT_PANEL, 0), value(EXTRA_AMOUNT_PANEL, 1), value(EXTRA_AMOUNT_PANEL, 2),
            value(EXTRA_AMOUNT_PANEL, 3)};
}

TableLayout::Box TableLayout::amountMinus() const
{
    return {value(EXTRA_AMOUNT_ARROWS, 0), value(EXTRA_AMOUNT_ARROWS, 1), value(EXTRA_AMOUNT_ARROWS, 4),
            value(EXTRA_AMOUNT_ARROWS, 5)};
}

TableLayout::Box TableLayout::amountPlus() const
{
    return {value(EXTRA_AMOUNT_ARROWS, 2), value(EXTRA_AMOUNT_ARROWS, 3), value(EXTRA_AMOUNT_ARROWS, 4),
            value(EXTRA_AMOUNT_ARROWS, 5)};
}

TableLayout::Box TableLayout::keypadKey() const
{
    return {value(EXTRA_KEYPAD, 0), value(EXTRA_KEYPAD, 1), value(EXTRA_KEYPAD, 2), value(EXTRA_KEYPAD, 3)};
}

int32_t TableLayout::keypadGap() const { return value(EXTRA_KEYPAD, 4); }

TableLayout::Box TableLayout::keypadBox() const
{
    const Box key = keypadKey();
    const int32_t gap = keypadGap();
    // Five keys a row, three rows.
    return {key.x, key.y, 5 * key.w + 4 * gap, 3 * key.h + 2 * gap};
}

TableLayout::Point TableLayout::humanCardsOrigin() const
{
    return {value(EXTRA_HUMAN_CARDS, 0), value(EXTRA_HUMAN_CARDS, 1)};
}

int32_t TableLayout::humanCardsStep() const { return value(EXTRA_HUMAN_CARDS, 2); }
