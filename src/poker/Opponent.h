#pragma once

class Player;
class PokerTable;

// The computer opponents' betting decision. Every computer seat uses the same
// procedure; the random elements for computers apply when the player's type is not 0.
class Opponent {
public:
    // Decision codes.
    static constexpr int FOLD_OR_CHECK = 1;
    static constexpr int CHECK_OR_FOLD = 4;
    static constexpr int LARGE_RAISE_SHORT = 7;
    static constexpr int LARGE_RAISE = 8;
    static constexpr int SMALL_RAISE_ALT = 9;
    static constexpr int CALL = 10;
    static constexpr int SMALL_RAISE = 32;

    // The amount for PokerTable::act: -1 fold, 0 check, the amount owed, or more.
    static int decideBet(Player& player);

    // -2 big blind, -1 small blind (only withBlinds), else 0 late, 1 middle, 2 early.
    static int position(PokerTable& table, int seat, bool withBlinds);
    // Owed x 100 / (the player's pots plus every round bet), 0 when nothing is in.
    static int potOdds(PokerTable& table, Player& player);

    // The three postflop scores: strength of the made hand (18 = the nuts), drawing
    // potential and the danger the board shows, before the random nudge and the
    // table's size are taken in.
    struct PostflopScores {
        int strength;
        int potential;
        int danger;
    };

    static int preflop(Player& player, int pos, int stackBB);
    // board = the number of board cards (3, 4 or 5); uses the player's two analyses.
    static int postflop(Player& player, int board);
    static PostflopScores scorePostflop(const Player& player, int board);
    // The decision code from the scores, the table and two random draws.
    static int decidePostflop(Player& player, int board, PostflopScores scores);
};
