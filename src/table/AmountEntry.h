#pragma once

#include "core/runtime/String.h"

#include <cstdint>

// The bet amount the player types or steps while a bet or raise is being entered:
// the digits of the field, the allowed range (the minimum raise to the whole
// stack) and the step of the arrows (the minimum raise). The amount is what the
// player puts in now, as the table's act() takes it.
class AmountEntry {
public:
    // Nine digits always fit in 32 bits; more are ignored.
    static constexpr int32_t MAX_DIGITS = 9;

    // Opens the entry with the field set to preset.
    void open(int32_t minimum, int32_t maximum, int32_t step, int32_t preset);
    void close();
    bool isOpen() const { return opened; }

    // A typed character: a digit is appended, or replaces an amount the player did
    // not type; "*", "a" and "A" put the maximum in. False for any other character,
    // which changes nothing.
    bool type(char16_t c);
    // An amount put in for the player (an arrow step, the stack, a clamp): the next
    // digit typed replaces it.
    void setAmount(int32_t value);
    void allIn() { setAmount(maximum); }
    // Up/right and down/left: one step, kept inside the range; nothing when the
    // amount is already at that end.
    void increase();
    void decrease();
    // Clear: deletes the last digit; with an empty field closes the entry. True when closed.
    bool clear();
    // True, closing the entry, when the amount is in range; otherwise the amount
    // becomes the nearer end of the range and the entry stays open.
    bool confirm();

    int32_t amount() const { return betAmount; }
    int32_t getMinimum() const { return minimum; }
    int32_t getMaximum() const { return maximum; }
    bool canDecrease() const { return betAmount > minimum; }
    bool canIncrease() const { return betAmount < maximum; }
    String text() const;

private:
    void refresh();

    bool opened = false;
    int32_t minimum = 0;
    int32_t maximum = 0;
    int32_t step = 1;
    int32_t betAmount = 0;
    char digits[MAX_DIGITS + 1] = {};
    int32_t length = 0;
    // An amount the game put in (the preset, a step, the stack, a clamp) stands as
    // if selected: the first digit typed replaces it, so typing 100 bets 100 and
    // not the shown amount followed by 100.
    bool untyped = false;
};
