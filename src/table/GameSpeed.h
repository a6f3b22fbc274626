#pragma once

#include "core/io/PlayOptions.h"

#include <cstdint>

// The pace of the table, scaled from the normal pace every frame count was tuned
// for: how long a computer player thinks, and how long the deal, flop, turn, river
// and result animations last. What is timed for the player to read keeps its real
// length at every pace: the seat texts and the star's remarks run on milliseconds,
// the turn alert on frames of the real 100 ms clock, and none of them holds the
// game up.
class GameSpeed {
public:
    explicit GameSpeed(PlayOptions::Speed speed = PlayOptions::SPEED_NORMAL);

    PlayOptions::Speed speed() const { return pace; }

    // The frames a computer player waits before it acts, from the frames it would
    // wait at normal pace: Fast waits half (rounded down), Turbo acts as soon as its
    // turn comes.
    int32_t thinkingFrames(int32_t normalFrames) const;

    // Animations count their steps at normal pace, so that each step shows what it
    // always showed; a faster pace takes more steps a frame: Fast two (half the
    // frames, rounded up), Turbo all of them at once. The step after step in an
    // animation of length steps, never past length.
    int32_t nextAnimationStep(int32_t step, int32_t length) const;

private:
    PlayOptions::Speed pace;
};
