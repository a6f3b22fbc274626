#pragma once

#include "core/runtime/String.h"

#include <cstdint>

// A plain copy of everything the table screen draws, filled by PokerTable::snapshot.
struct TableView {
    struct Seat {
        String name;
        int type = 0;
        bool seated = false;
        bool inHand = false;
        bool wonPot = false;
        int chips = 0;
        int roundBet = 0;
        int winnings = 0;
        int holeCount = 0;
        int lastAction = 0;
        int holeCards[2] = { -1, -1 };
        int actions[3] = { 0, 0, 0 }; // ActionCodes of the first three offered actions
        int category = -1;
        int kickers[5] = { -1, -1, -1, -1, -1 }; // rank indices (value - 2)
        uint8_t usedCards[7] = {};              // bestFive flags: hole 0, 1, board 0..4
    };

    bool blindsRaised = false;
    bool awaitingAction = false;
    bool handOver = false;
    bool runOut = false;
    int state = 0;
    int minRaise = 0;
    int toAct = -1;
    int currentBet = 0;
    int minRaiseTo = 0;
    int toActChips = -1;
    int potIndex = 0;
    bool betsCollected = false;
    int pots[5] = {};
    int potWinnerCount[5] = {};
    int potWinners[5][6] = {};
    int dealer = -1;
    int smallBlind = 0;
    int bigBlind = 0;
    int boardCount = 0;
    int board[5] = { -1, -1, -1, -1, -1 };
    int playersInHand = 0;
    int handOrder[6] = { -1, -1, -1, -1, -1, -1 }; // in-hand seats starting left of the dealer
    Seat seats[6];
};
