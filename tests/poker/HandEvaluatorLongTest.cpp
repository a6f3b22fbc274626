#include "poker/HandEvaluator.h"

#include "TableHelpers.h"

#include <gtest/gtest.h>

TEST(HandEvaluatorLongTest, AllSevenCardHandsGiveThePublishedCategoryCounts)
{
    long long counts[10] = {};
    Player player(nullptr, 0);
    Board board;
    int c[7];
    for (c[0] = 0; c[0] < 52; ++c[0])
        for (c[1] = c[0] + 1; c[1] < 52; ++c[1])
            for (c[2] = c[1] + 1; c[2] < 52; ++c[2])
                for (c[3] = c[2] + 1; c[3] < 52; ++c[3])
                    for (c[4] = c[3] + 1; c[4] < 52; ++c[4]) {
                        board.clear();
                        for (int i = 0; i < 5; ++i)
                            board.add(c[i]);
                        for (c[5] = c[4] + 1; c[5] < 52; ++c[5])
                            for (c[6] = c[5] + 1; c[6] < 52; ++c[6]) {
                                player.hole.cards[0] = int8_t(c[5]);
                                player.hole.cards[1] = int8_t(c[6]);
                                HandEvaluator::evaluatePlayer(player, board);
                                ++counts[player.category];
                            }
                    }
    const long long expected[10] = { 23294460, 58627800, 31433400, 6461620, 6180020, 4047644, 3473184, 224848, 37260,
        4324 };
    long long total = 0;
    for (int category = 0; category < 10; ++category) {
        EXPECT_EQ(counts[category], expected[category]) << "category " << category;
        total += counts[category];
    }
    EXPECT_EQ(total, 133784560);
}

TEST(HandEvaluatorLongTest, TwoMillionShowdownsAgreeWithTheReference)
{
    expectShowdownsAgreeWithTheReference(99, 2000000);
}
