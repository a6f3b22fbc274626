#pragma once

#include "poker/HandAnalysis.h"

class Board;
class Player;

// Hand categories, higher is better.
enum HandCategory {
    HIGH_CARD = 0,
    ONE_PAIR = 1,
    TWO_PAIR = 2,
    THREE_OF_A_KIND = 3,
    STRAIGHT = 4,
    FLUSH = 5,
    FULL_HOUSE = 6,
    FOUR_OF_A_KIND = 7,
    STRAIGHT_FLUSH = 8,
    ROYAL_FLUSH = 9,
};

// The incremental bit-mask evaluator. Tables indexed by 14-bit rank masks hold the
// counts, highest ranks and straight-window results, so no call allocates.
class HandEvaluator {
public:
    // Adds cards (entries outside 0..51 are skipped, last to first) on top of a copy
    // of previous (or of zeros) and leaves the full analysis in out. previous may be
    // &out.
    static void analyse(const int* cards, int count, const HandAnalysis* previous, HandAnalysis& out);

    // Board first, then the two hole cards on top; sets the player's analysis,
    // category and kickers.
    static void evaluatePlayer(Player& player, const Board& board);
    // The same result by two full analyse() passes, also keeping the board-only
    // analysis in player.boardAnalysis.
    static void evaluateInTwoPasses(Player& player, const Board& board);

    // Which of the seven cards (hole 0, hole 1, board 0..4) make the hand: k0's card
    // in positions[4] down to k4's in positions[0]; used[i] = 1 for those cards.
    static void bestFive(const Player& player, const Board& board, int positions[5], uint8_t used[7]);

    // The straight-window scan over one mask, exposed for the tests: the window map,
    // four-count | three-count << 4, and the top window's k (-1 when none).
    static void scanWindows(int32_t mask, uint32_t& map, int& counts, int& straightK);
};
