#pragma once

#include "core/runtime/String.h"

#include <cstdint>

struct TableView;

// The texts the table shows between hands, built from the pack's texts. Lines are
// separated by line feeds.
class TableMessages {
public:
    // The result of a hand once the pots are paid: who won the main pot, then either
    // how the hand ended without a showdown or the winning hand in words followed by
    // the ranks of its five cards ("Two pair: K K 7 7 A"). cardsShown is false when
    // everybody else folded.
    static String showdown(const TableView& view, int32_t variant, int32_t humanSeat, bool cardsShown);
    // The winning hand's words alone, empty for an unknown category.
    static String handWords(int32_t category, const int32_t (&kickers)[5]);

    static String busted();
    static String headsUpWon();
    // Out in a place (won when place is 1 and won is set), with the prize when it is above 0.
    static String tournamentOver(bool won, int32_t place, int32_t prize);
    static String blindsUp(int32_t small, int32_t big);

    // Prize for a finishing place in chips: the prize multiple of the field size
    // times the stake's buy-in; 0 from place 22 on or for indices out of range.
    static int32_t prize(int32_t sizeIndex, int32_t place, int32_t stakeLevel);

    // "2".."9", "T", "J", "Q", "K", "A" for rank indices 0..12; -1 is the ace of a
    // five-high straight.
    static char16_t rankLetter(int32_t rankIndex);
};
