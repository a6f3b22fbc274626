#include "poker/HandSimulator.h"

#include "poker/Stakes.h"

HandSimulator::HandSimulator(int stake, int seats)
    : driver(table)
    , buyIn(Stakes::BUY_INS[stake])
    , seatCount(seats)
{
    table.resetGame();
    table.setFixedBlinds(Stakes::SMALL_BLINDS[stake], Stakes::BIG_BLINDS[stake]);
    refill();
}

void HandSimulator::refill()
{
    for (int seat = 0; seat < seatCount; ++seat) {
        const Player& player = table.player(seat);
        bool cashesOut = player.seated && player.chips > CASH_OUT_BUY_INS * buyIn;
        if (player.seated && !cashesOut)
            continue;
        if (cashesOut)
            cashouts += player.chips;
        table.sit(seat, "Computer", Player::COMPUTER, buyIn);
        buyins += buyIn;
    }
}

bool HandSimulator::play(int64_t hands, int64_t maxFrames)
{
    int64_t target = handsPlayed + hands;
    int64_t frames = 0;
    while (handsPlayed < target) {
        if (table.handOver)
            table.handOver = false; // nobody to press a key
        int8_t before = table.state;
        driver.frame();
        if (afterFrame)
            afterFrame(table);
        if (before == PokerTable::STATE_SHOWDOWN && table.state == PokerTable::STATE_PAY)
            ++showdowns;
        if (before == PokerTable::STATE_SETTLE && table.state == PokerTable::STATE_START_HAND) {
            ++handsPlayed;
            frames = 0;
            refill();
        }
        if (++frames > maxFrames)
            return false;
    }
    return true;
}

int64_t HandSimulator::chipsOnTable() const
{
    // Between hands every chip is in a stack; pots and round bets are display copies.
    int64_t sum = 0;
    for (int seat = 0; seat < PokerTable::SEATS; ++seat) {
        const Player& p = table.player(seat);
        if (p.seated)
            sum += p.chips;
    }
    return sum;
}
