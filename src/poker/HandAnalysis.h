#pragma once

#include <cstdint>

// Fourteen words of rank bit masks, counts and flags describing up to seven cards.
// A card of rank r sets bit r + 1; bit 0 is the ace counted low (straight and suit
// words only). Rank values are bit index + 1: 2..14, and 1 for the low ace.
struct HandAnalysis {
    static constexpr int WORDS = 14;
    static constexpr int32_t RANK_MASK = 0x3FFF;

    // Word indices.
    static constexpr int ONCE = 0;
    static constexpr int TWICE = 1;
    static constexpr int THRICE = 2;
    static constexpr int FOUR_TIMES = 3;
    static constexpr int STRAIGHT = 4;
    static constexpr int SUIT = 5; // 5..8, one per suit
    static constexpr int MADE = 9;
    static constexpr int FEATURES = 10;
    static constexpr int WINDOWS = 11;
    static constexpr int VALUE = 12;

    // Made-hand flags (word 9).
    static constexpr int32_t MADE_PAIR = 1;
    static constexpr int32_t MADE_TWO_PAIR = 2;
    static constexpr int32_t MADE_TRIPS = 4;
    static constexpr int32_t MADE_STRAIGHT = 8;
    static constexpr int32_t MADE_FLUSH = 16;
    static constexpr int32_t MADE_FULL_HOUSE = 32;
    static constexpr int32_t MADE_QUADS = 64;
    static constexpr int32_t MADE_STRAIGHT_FLUSH = 128;

    int32_t words[WORDS] = {};

    // The low 14 bits of a mask word.
    int32_t mask(int word) const { return words[word] & RANK_MASK; }
    // Ranks set (cards of the suit for a suit word), filled in by the count pass.
    int count(int word) const { return (words[word] >> 16) & 15; }
    // Highest rank value in the mask, 0 when empty.
    int highest(int word) const { return (words[word] >> 20) & 15; }
    int32_t handValue() const { return words[VALUE]; }
    int category() const { return (words[VALUE] >> 20) & 15; }
    // k0..k4 as packed in handValue; 0 where fewer than five cards gave none.
    int kicker(int i) const { return (words[VALUE] >> (16 - 4 * i)) & 15; }
    // Straight-draw counts of word 4.
    int fourCount() const { return (words[STRAIGHT] >> 20) & 15; }
    int threeCount() const { return (words[STRAIGHT] >> 24) & 15; }
};
