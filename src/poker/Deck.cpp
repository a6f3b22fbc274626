#include "poker/Deck.h"

#include "core/runtime/Clock.h"
#include "poker/Card.h"
#include "poker/RandomSource.h"

Deck::Deck()
{
    order.allocateZeroed(CARD_COUNT);
    RandomSource::shared().setSeed(currentTimeMillis());
}

void Deck::shuffle()
{
    RandomSource& random = RandomSource::shared();
    nextIndex = 0;
    // Bit i set = card i not yet placed; the k-th set bit is the k-th free card.
    uint64_t left = (uint64_t(1) << CARD_COUNT) - 1;
    for (int i = 0; i < CARD_COUNT; ++i) {
        int k = random.nextInt(CARD_COUNT - i);
        uint64_t rest = left;
        for (int skip = 0; skip < k; ++skip)
            rest &= rest - 1;
        int card = __builtin_ctzll(rest);
        left &= ~(uint64_t(1) << card);
        order[i] = uint8_t(card);
    }
}

int Deck::dealCard()
{
    if (nextIndex >= CARD_COUNT || order.length < CARD_COUNT)
        return NO_CARD;
    return order[nextIndex++];
}
