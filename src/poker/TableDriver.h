#pragma once

#include <climits>
#include <cstdint>
#include <functional>

class PokerTable;

// Runs a PokerTable frame by frame the way the table screen does: one step per
// frame; a computer seat to act waits 5 + nextInt(5) frames, then decideBet and act,
// asking again at most three times in all before folding. The human's answer comes
// from a caller-supplied policy.
class TableDriver {
public:
    // Returns the amount for act(), or NO_DECISION to keep waiting (a menu still open).
    using HumanPolicy = std::function<int32_t(PokerTable&)>;
    static constexpr int32_t NO_DECISION = INT32_MIN;
    static constexpr int ATTEMPTS = 3;

    TableDriver(PokerTable& table, HumanPolicy human = nullptr);

    // One frame. Returns what step() returned (1 = something changed, redraw), or 1
    // when a player acted in this frame.
    int frame();

    PokerTable& table;
    HumanPolicy human;
    // The frames a computer seat really waits, from the 5..9 it drew; empty: as
    // drawn. The draw is made whatever the answer, so that a pace changes how long
    // the seat waits and nothing else it takes from the random source.
    std::function<int(int)> thinking;
    int waitFrames = -1; // frames left before the computer to act decides, -1 = not counting
    int64_t refusals = 0;   // amounts act() refused
    int64_t forcedFolds = 0; // computers folded after three refusals

private:
    int computerTurn();
};
