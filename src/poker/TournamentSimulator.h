#pragma once

#include "poker/PokerTable.h"
#include "poker/TableDriver.h"
#include "poker/TournamentField.h"

#include <cstdint>
#include <functional>

// A whole tournament with a computer player in the human's seat: table 0 is played
// through the TableDriver, the field advances after each of its hands. Once entrant 0
// is out the field plays on alone until one entrant is left.
class TournamentSimulator {
public:
    TournamentSimulator(int entrants, int stake);

    // False if the tournament did not finish within maxAdvances advances.
    bool run(int64_t maxAdvances = 10000000);

    int winner() const;
    // Total prize multiples paid over all finishing places, in buy-ins.
    int64_t prizesPaid() const;

    PokerTable table;
    TableDriver driver;
    TournamentField field;
    int stake;
    int64_t hands = 0; // hands at the real table plus advances without one
    // Called after every frame of the real table, e.g. by a hand-history writer; optional.
    std::function<void(const PokerTable&)> afterFrame;

private:
    bool playHumanTableHand();
    void seatFromField();
    int seatEntrant[PokerTable::SEATS];
};
