#pragma once

#include "core/runtime/String.h"
#include "ui/Item.h"

#include <cstdint>

class TableLayout;

// The on-screen keypad of the bet amount (item kind 12): thirteen keys, "ALL-IN ",
// the digits 0 to 9, "  CLR" and " OK", in rows of five: 1..5, 6..9 and 0, then
// ALL-IN and CLR twice as wide and OK.
class AmountKeypad : public Item {
public:
    static constexpr int32_t KEYS = 13;
    static constexpr int32_t KEY_ALL_IN = 0; // then the digits 0..9 at 1..10
    static constexpr int32_t KEY_CLEAR = 11;
    static constexpr int32_t KEY_OK = 12;

    // wideDisplay: the 480-pixel displays, whose digit labels carry three spaces.
    explicit AmountKeypad(bool wideDisplay);

    const String& keyLabel(int32_t key) const { return labels[key]; }
    // The digit of a key, or -1 for the others.
    static int32_t digitOf(int32_t key) { return key >= 1 && key <= 10 ? key - 1 : -1; }

    void setTableLayout(const TableLayout* tableLayout) { table = tableLayout; }
    // The key under a point of the table, -1 when none.
    int32_t keyAt(int32_t px, int32_t py) const;
    // Position of a key: column 0..4 and row 0..2, and how many columns it takes.
    static void cell(int32_t key, int32_t& column, int32_t& row, int32_t& span);
    void setPressed(int32_t key) { pressed = key; }
    void paint(Base2DGraphics& g, bool focused) override;

private:
    void keyBox(int32_t key, int32_t& x, int32_t& y, int32_t& w, int32_t& h) const;

    String labels[KEYS];
    int32_t pressed = -1;
    const TableLayout* table = nullptr;
};
