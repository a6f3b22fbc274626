#pragma once

#include "core/runtime/String.h"

#include <cstdint>

struct TableView;

// What the star opponent says after a hand: the event is chosen when the pots are
// paid, from how the star played the hand, and one of the event's three lines is
// said when the hand's result has been shown.
class StarRemarks {
public:
    enum Event : int32_t {
        NONE = -1,
        FOLDED_AFTER_BETTING = 0, // folded after putting more than the big blind into one round
        WON = 1,
        STAYED = 2,      // stayed to the end and lost
        WON_AND_BUSTED_SOMEONE = 3,
        BUSTED = 4,      // lost its last chip
    };

    void newHand() { bigRound = false; }
    // Called every frame with the star's bet in the current round.
    void observe(int32_t roundBet, int32_t bigBlind);

    // The event of the hand just paid (the table's view right after the pots were
    // paid: winnings not yet added to the stacks).
    Event choose(const TableView& view, int32_t starSeat) const;

    // Text list of an event's three lines; 0 for NONE.
    static int32_t textId(Event event);
    // One of the event's lines by nextInt(3); empty for NONE.
    static String line(Event event);

private:
    bool bigRound = false;
};
