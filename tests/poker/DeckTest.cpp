#include "poker/Deck.h"

#include "poker/RandomSource.h"

#include <gtest/gtest.h>

#include <vector>

TEST(DeckTest, DealsEveryCardOnceThenMinusOne)
{
    Deck deck;
    RandomSource::shared().setSeed(5);
    deck.shuffle();
    std::vector<int> seen(52, 0);
    for (int i = 0; i < 52; ++i) {
        int card = deck.dealCard();
        ASSERT_GE(card, 0);
        ASSERT_LT(card, 52);
        ++seen[card];
    }
    for (int count : seen)
        EXPECT_EQ(count, 1);
    EXPECT_EQ(deck.dealCard(), -1);
    EXPECT_EQ(deck.dealCard(), -1);
}

TEST(DeckTest, SelectionShuffleTakesTheKthRemainingCard)
{
    // Reference written the obvious way: a list of remaining cards, erase the k-th.
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
    }
}

TEST(DeckTest, ShuffleRestartsTheDeal)
{
    Deck deck;
    RandomSource::shared().setSeed(9);
    deck.shuffle();
    for (int i = 0; i < 60; ++i)
        deck.dealCard();
    deck.shuffle();
    EXPECT_EQ(deck.nextIndex, 0);
    EXPECT_EQ(deck.dealCard(), deck.order[0]);
}
