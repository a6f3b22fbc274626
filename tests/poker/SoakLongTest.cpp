#include "poker/HandSimulator.h"
#include "poker/RandomSource.h"
#include "poker/TournamentSimulator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

class SoakLongTest : public ::testing::TestWithParam<int> { };

TEST_P(SoakLongTest, TwoHundredThousandHandsConserveChipsAndEnd)
{
    HandSimulator simulator(GetParam() % 6, 6);
    RandomSource::shared().setSeed(GetParam());
    for (int block = 0; block < 200; ++block) {
        ASSERT_TRUE(simulator.play(1000)) << "stuck after " << simulator.handsPlayed;
        ASSERT_EQ(simulator.buyins, simulator.chipsOnTable() + simulator.table.oddChipsLost + simulator.cashouts);
    }
    EXPECT_EQ(simulator.handsPlayed, 200000);
}

// With endless rebuys the chips brought in pass 2^31 within these hands; big winners
// cash out, so every 32-bit stack stays far below it.
TEST(SoakLongTest, MillionHandsAtTheTopStakeNeverWrapAStack)
{
    HandSimulator simulator(/*stake=*/5, /*seats=*/6);
    RandomSource::shared().setSeed(101);
    const int64_t limit = HandSimulator::CASH_OUT_BUY_INS * simulator.buyIn;
    for (int block = 0; block < 1000; ++block) {
        ASSERT_TRUE(simulator.play(1000)) << "stuck after " << simulator.handsPlayed;
        for (int seat = 0; seat < PokerTable::SEATS; ++seat)
            ASSERT_LE(simulator.table.player(seat).chips, limit) << seat;
        ASSERT_EQ(simulator.buyins, simulator.chipsOnTable() + simulator.table.oddChipsLost + simulator.cashouts);
    }
    EXPECT_EQ(simulator.handsPlayed, 1000000);
    EXPECT_GT(simulator.buyins, int64_t(INT32_MAX));
}

TEST_P(SoakLongTest, TwoHundredFiftyEntrantsFinishWithConsistentPlaces)
{
    RandomSource::shared().setSeed(GetParam());
    TournamentSimulator simulator(250, GetParam() % 6);
    ASSERT_TRUE(simulator.run());
    ASSERT_EQ(simulator.field.remaining, 1);
    std::vector<int> places;
    for (int i = 0; i < 250; ++i)
        places.push_back(simulator.field.placeOf(i));
    std::sort(places.begin(), places.end());
    // Places follow the ranking rule: a shared place p held by k entrants is followed by p + k.
    EXPECT_EQ(places[0], 1);
    for (size_t i = 1; i < places.size(); ++i)
        ASSERT_TRUE(places[i] == places[i - 1] || places[i] == int(i) + 1) << i;
    EXPECT_GE(simulator.winner(), 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, SoakLongTest, ::testing::Values(1, 2, 3, 4));
