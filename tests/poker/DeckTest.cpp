#include "poker/Deck.h"

#include "poker/RandomSource.h"

#include <gtest/gtest.h>

#include <vector>

// Reference written the obvious way: a list of remaining cards, erase the k-th. Each
// seed's shuffle follows a full deal, so it must also restart the deal.
TEST(DeckTest, SelectionShuffleTakesTheKthRemainingCardAndDealsEachOnce)
{
    Deck deck;
    for (int seed : { 1, 77, 123456 }) {
        RandomSource::shared().setSeed(seed);
        deck.shuffle();
        RandomSource reference(seed);
        std::vector<int> remaining;
        for (int card = 0; card < 52; ++card)
            remaining.push_back(card);
        for (int i = 0; i < 52; ++i) {
            int k = reference.nextInt(52 - i);
            ASSERT_EQ(deck.order[i], remaining[k]) << "seed " << seed << " position " << i;
            remaining.erase(remaining.begin() + k);
        }
        // Exactly one draw per card: both generators are in step afterwards.
        EXPECT_EQ(RandomSource::shared().rawState(), reference.rawState());
        for (int i = 0; i < 52; ++i)
            ASSERT_EQ(deck.dealCard(), deck.order[i]) << i;
        EXPECT_EQ(deck.dealCard(), -1);
        EXPECT_EQ(deck.dealCard(), -1);
    }
}
