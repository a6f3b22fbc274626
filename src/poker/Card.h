#pragma once

#include <cstdint>
#include <string>

// A card is 0..51: rank = card % 13 (0 deuce .. 12 ace), suit = card / 13
// (0 clubs, 1 diamonds, 2 hearts, 3 spades). -1 means no card.
constexpr int NO_CARD = -1;
constexpr int CARD_COUNT = 52;

// Suit letters 0..3, then rank letters 0..12.
extern const char CARD_LETTERS[];

class Card {
public:
    static uint8_t rank(int card) { return static_cast<uint8_t>(card % 13); }
    static uint8_t suit(int card) { return static_cast<uint8_t>(card / 13); }
    static int make(int rank, int suit) { return suit * 13 + rank; }

    // Two letters, rank then suit ("TS", "2C"); "--" for anything outside 0..51.
    static std::string name(int card);
    // Inverse of name(), case-insensitive; -1 for anything that is not a card.
    static int parse(const std::string& text);
};
