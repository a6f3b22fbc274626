#pragma once

#include "core/lcdui/2d/DisplayTables.h"

#include <cstdint>

// The table's geometry read by name from its screen layout row (the row's extra
// arrays): where each seat, its cards, bet, marker and bubble go, the board, the
// pot, the action buttons, the amount panel and its keypad. A missing array reads
// as a zero box, which draws nothing visible and takes no pointer.
class TableLayout {
public:
    struct Point {
        int32_t x = 0, y = 0;
    };
    struct Box {
        int32_t x = 0, y = 0, w = 0, h = 0;
        bool contains(int32_t px, int32_t py) const { return px >= x && px < x + w && py >= y && py < y + h; }
        bool empty() const { return w <= 0 || h <= 0; }
    };

    void read(const ScreenLayout& row) { layout = &row; }

    Point seatOrigin(int32_t seat) const;
    Box seatBox(int32_t seat) const;
    // Top-left of a seat's first small card; the second is cardStep to the right.
    Point holeCardOrigin(int32_t seat) const;
    int32_t holeCardStep() const;
    int32_t smallCardWidth() const;
    int32_t smallCardHeight() const;
    Point betOrigin(int32_t seat) const;
    Point markerOrigin(int32_t seat) const;
    Point bubbleOrigin(int32_t seat) const;
    // Top-left of the first board card; the others follow boardStep apart.
    Point boardOrigin() const;
    int32_t boardStep() const;
    // Centre top of the pot before and after the flop.
    Point potPreflop() const;
    Point potPostflop() const;
    Point tableImageOrigin() const;
    int32_t tableImageSlot() const;
    // The action buttons: the first button's box, then gap pixels between buttons.
    Box actionButton(int32_t index, int32_t count) const;
    Box amountPanel() const;
    Box amountMinus() const;
    Box amountPlus() const;
    // The keypad's first key and its spacing; keypadBox is the whole block.
    Box keypadKey() const;
    int32_t keypadGap() const;
    Box keypadBox() const;
    Point humanCardsOrigin() const;
    int32_t humanCardsStep() const;

private:
    const IntArray* extra(int32_t index, int32_t minLength) const;
    int32_t value(int32_t index, int32_t at) const;

    const ScreenLayout* layout = nullptr;
};
