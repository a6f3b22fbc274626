#pragma once

#include <cstdint>

// One player's part in a finished hand, as its hand history shows it: what the
// player put in (uncalled chips that came back taken off), what the player
// collected from the pots, and the pre-flop and showdown facts a tracker counts.
struct HandResult {
    bool dealt = false;     // the player held cards in this hand
    int64_t put = 0;        // blinds, calls, bets and raises, returns taken off
    int64_t collected = 0;  // from every pot won or shared
    bool voluntary = false; // called, bet or raised before the flop (blinds and checks do not count)
    bool raised = false;    // bet or raised before the flop
    bool showdown = false;  // still in when the cards were shown down
};
