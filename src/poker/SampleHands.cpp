#include "SampleHands.h"

#include "poker/RandomSource.h"

#include <utility>

std::vector<SampleHands::Hand> SampleHands::deal(int64_t seed, size_t count)
{
    RandomSource random(seed);
    std::vector<Hand> hands(count);
    for (Hand& hand : hands) {
        int deck[52];
        for (int card = 0; card < 52; ++card)
            deck[card] = card;
        // A partial shuffle: only the seven cards dealt need to be random.
        for (int i = 0; i < 7; ++i)
            std::swap(deck[i], deck[i + random.nextInt(52 - i)]);
        hand.hole[0] = int8_t(deck[0]);
        hand.hole[1] = int8_t(deck[1]);
        for (int i = 2; i < 7; ++i)
            hand.board.add(deck[i]);
    }
    return hands;
}
