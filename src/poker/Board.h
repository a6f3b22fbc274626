#pragma once

#include "core/runtime/Object.h"

#include <cstdint>

// The community cards: up to five slots, -1 where not dealt.
class Board : public Object {
public:
    static constexpr int SLOTS = 5;

    Board() { clear(); }

    void clear();
    // 1 when stored, 0 (and nothing changes) when five cards are already held.
    int add(int card);
    // -1 for an empty slot or i outside 0..4.
    int get(int i) const { return i >= 0 && i < SLOTS ? cards[i] : -1; }

    int8_t count = 0;
    int8_t cards[SLOTS];
};
