#pragma once

#include <cstdint>

// A player's face-down cards. Every game deals two; adds beyond the capacity are
// ignored.
class HoleCards {
public:
    static constexpr int CAPACITY = 2;

    HoleCards() { reset(); }

    void reset();
    void add(int card);
    int get(int i) const { return i >= 0 && i < CAPACITY ? cards[i] : -1; }

    int8_t capacity = CAPACITY;
    int8_t count = 0;
    int8_t cards[CAPACITY];
};
