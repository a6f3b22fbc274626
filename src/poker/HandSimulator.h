#pragma once

#include "poker/PokerTable.h"
#include "poker/TableDriver.h"

#include <cstdint>
#include <functional>

// Computer players at one table playing hand after hand through the TableDriver;
// a player who busts is replaced at once by a new one with the buy-in, and so is a
// big winner, who cashes out as he would leave a real cash table.
class HandSimulator {
public:
    // A stack above this many buy-ins cashes out between hands. Six such stacks, all
    // in one pot, stay below 2^31 chips at the largest stake: 6 x 1000 x 100000 =
    // 6 x 10^8, so no 32-bit stack can wrap however long the play.
    static constexpr int64_t CASH_OUT_BUY_INS = 1000;

    HandSimulator(int stake, int seats);

    // Plays until `hands` more hands have been paid; false if some hand never ended
    // (more than maxFrames frames).
    bool play(int64_t hands, int64_t maxFrames = 100000);

    // Stacks of the seated players; exact between hands, where play() stops.
    int64_t chipsOnTable() const;

    PokerTable table;
    TableDriver driver;
    int32_t buyIn;
    int64_t handsPlayed = 0;
    int64_t showdowns = 0;
    int64_t buyins = 0; // chips brought in, the first stacks included
    // Chips taken away by players who cashed out. Between hands
    // buyins = chipsOnTable() + table.oddChipsLost + cashouts.
    int64_t cashouts = 0;
    // Called after every frame, e.g. by a hand-history writer; optional.
    std::function<void(const PokerTable&)> afterFrame;

private:
    // Between hands: big winners cash out, empty seats get a new player.
    void refill();
    int seatCount;
};
