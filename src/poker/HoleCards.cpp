#include "poker/HoleCards.h"

void HoleCards::reset()
{
    count = 0;
    for (int8_t& card : cards)
        card = -1;
}

void HoleCards::add(int card)
{
    if (count < capacity)
        cards[count++] = int8_t(card);
}
