#pragma once

#include "poker/PokerTable.h"
#include "poker/TableDriver.h"

#include <cstdint>
#include <functional>

// Computer players at one table playing hand after hand through the TableDriver;
// a player who busts is replaced at once by a new one with the buy-in.
class HandSimulator {
public:
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
    // Called after every frame, e.g. by a hand-history writer; optional.
    std::function<void(const PokerTable&)> afterFrame;

private:
    void refill();
    int seatCount;
};
