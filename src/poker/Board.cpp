#include "poker/Board.h"

void Board::clear()
{
    count = 0;
    for (int8_t& card : cards)
        card = -1;
}

int Board::add(int card)
{
    if (count >= SLOTS)
        return 0;
    cards[count++] = int8_t(card);
    return 1;
}
