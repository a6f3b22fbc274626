#pragma once

#include "poker/Board.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Random seven-card deals (two hole cards and a full board) for measuring the
// evaluator; the benchmark and kmtool bench eval time the same hands.
class SampleHands {
public:
    struct Hand {
        Board board;
        int8_t hole[2];
    };

    static std::vector<Hand> deal(int64_t seed, size_t count);
};
