#pragma once

#include "core/runtime/Object.h"
#include "core/runtime/String.h"
#include "poker/HandAnalysis.h"
#include "poker/HoleCards.h"

#include <cstdint>

class PokerTable;

// One seat's player. Plain fields: the table, the opponents' decision code and the
// saved-game records read and write them directly.
class Player : public Object {
public:
    static constexpr int HUMAN = 0;
    static constexpr int COMPUTER = 2; // any type other than 0 plays as a computer

    Player(PokerTable* table, int seat);

    void sit(const String& name, int type, int chips);
    // Fresh state for a new hand: in the hand, no cards, nothing bet or shown.
    void newHand();
    // Copies category and kickers out of the current analysis.
    void takeResult();

    bool isComputer() const { return type != HUMAN; }

    PokerTable* table; // owner, not counted
    int8_t seat;
    String name;
    int8_t type = HUMAN;
    bool inHand = false;
    bool seated = false;
    int8_t potLevel = 0; // highest pot index this player may win
    HoleCards hole;
    uint8_t lastAction = 0;
    bool wonPot = false;
    int32_t category = -1;
    int32_t kickers[5] = { -1, -1, -1, -1, -1 };
    uint8_t actions = 0; // ActionMask
    int32_t winnings = 0;
    int32_t chips = 0;
    int32_t roundBet = 0;
    uint8_t forceCall = 0;
    HandAnalysis analysis;      // all known cards
    HandAnalysis boardAnalysis; // the board alone, kept by the opponents' decision
};
