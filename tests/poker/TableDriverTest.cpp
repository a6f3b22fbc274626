#include "poker/TableDriver.h"

#include "poker/HandSimulator.h"
#include "poker/PokerTable.h"
#include "poker/RandomSource.h"

#include <gtest/gtest.h>

TEST(TableDriverTest, ComputersWaitFiveToNineFramesThenAct)
{
    RandomSource::shared().setSeed(12);
    PokerTable table;
    table.setFixedBlinds(5, 10);
    for (int seat = 1; seat < 4; ++seat)
        table.sit(seat, "C", Player::COMPUTER, 1000);
    TableDriver driver(table);
    int waited = 0;
    while (!table.awaitingAction)
        driver.frame();
    while (driver.frame() == 0)
        ++waited;
    EXPECT_GE(waited, 5);
    EXPECT_LE(waited, 9);
}

TEST(TableDriverTest, HumanAnswersComeFromThePolicy)
{
    RandomSource::shared().setSeed(13);
    PokerTable table;
    table.setFixedBlinds(5, 10);
    table.sit(0, "Me", Player::HUMAN, 1000);
    table.sit(1, "C", Player::COMPUTER, 1000);
    int asked = 0;
    TableDriver driver(table, [&](PokerTable& t) {
        ++asked;
        return asked < 3 ? TableDriver::NO_DECISION : t.toCall(t.toAct) + 123456; // too much: refused
    });
    for (int frame = 0; frame < 200 && asked < 5; ++frame) {
        if (table.handOver)
            table.handOver = false;
        driver.frame();
    }
    EXPECT_GE(asked, 5);
    EXPECT_GE(driver.refusals, 1);
}

// Between hands no stack is above 1000 buy-ins, and what left with the big winners
// is counted. At the top stake the first cash-out comes within these hands.
TEST(TableDriverTest, BigWinnersCashOutAtTheTopStake)
{
    HandSimulator simulator(/*stake=*/5, /*seats=*/6);
    RandomSource::shared().setSeed(101);
    const int64_t limit = HandSimulator::CASH_OUT_BUY_INS * simulator.buyIn;
    for (int block = 0; block < 50; ++block) {
        ASSERT_TRUE(simulator.play(1000)) << "stuck after " << simulator.handsPlayed;
        for (int seat = 0; seat < PokerTable::SEATS; ++seat)
            ASSERT_LE(simulator.table.player(seat).chips, limit) << seat;
        ASSERT_EQ(simulator.buyins,
                  simulator.chipsOnTable() + simulator.table.oddChipsLost + simulator.cashouts);
    }
    EXPECT_GT(simulator.cashouts, limit);
}
