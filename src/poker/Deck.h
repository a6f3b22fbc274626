#pragma once

#include "core/runtime/Array.h"
#include "core/runtime/Object.h"

// The 52-card dealing order. Constructing a deck reseeds the shared RandomSource
// from the clock, once per table.
class Deck : public Object {
public:
    Deck();

    // Selection shuffle: one nextInt per position, taking the k-th card not yet used.
    void shuffle();
    // The next card of the order, or -1 once all 52 are out. No burn cards.
    int dealCard();

    ByteArray order;
    int nextIndex = 0;
};
