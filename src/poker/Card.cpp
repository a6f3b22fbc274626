#include "poker/Card.h"

#include <cctype>

const char CARD_LETTERS[] = "CDHS23456789TJQKA";

std::string Card::name(int card)
{
    if (card < 0 || card >= CARD_COUNT)
        return "--";
    std::string text;
    text += CARD_LETTERS[4 + rank(card)];
    text += CARD_LETTERS[suit(card)];
    return text;
}

int Card::parse(const std::string& text)
{
    if (text.size() != 2)
        return NO_CARD;
    int rankIndex = -1;
    int suitIndex = -1;
    char r = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    char s = static_cast<char>(std::toupper(static_cast<unsigned char>(text[1])));
    for (int i = 0; i < 13; ++i) {
        if (CARD_LETTERS[4 + i] == r)
            rankIndex = i;
    }
    for (int i = 0; i < 4; ++i) {
        if (CARD_LETTERS[i] == s)
            suitIndex = i;
    }
    if (rankIndex < 0 || suitIndex < 0)
        return NO_CARD;
    return make(rankIndex, suitIndex);
}
