#pragma once

#include "core/runtime/Object.h"
#include "core/runtime/SharedPointer.h"
#include "poker/BlindSchedule.h"
#include "poker/Board.h"
#include "poker/Deck.h"
#include "poker/Player.h"
#include "poker/TableView.h"

#include <cstdint>

// Six-seat no-limit hold'em as a passive state machine. The caller runs step() once
// per frame and, while awaitingAction is set, answers for seat toAct with act().
// The human sits in seat 0. Fields are plain so that the opponents' decision and
// the saved-game records can read them.
class PokerTable : public Object {
public:
    static constexpr int SEATS = 6;
    static constexpr int POTS = 5;

    // Hand states handled by step().
    enum State {
        STATE_CHOOSE_BUTTON = 0,
        STATE_START_HAND = 1,
        STATE_DEAL_HOLE = 2,
        STATE_PREFLOP = 3,
        STATE_FLOP = 4,
        STATE_FLOP_BETTING = 5,
        STATE_TURN = 6,
        STATE_TURN_BETTING = 7,
        STATE_RIVER = 8,
        STATE_RIVER_BETTING = 9,
        STATE_SHOWDOWN = 10,
        STATE_PAY = 11,
        STATE_SETTLE = 12,
    };

    PokerTable();

    // Setup.
    void resetGame();
    void setFixedBlinds(int32_t small, int32_t big);
    void setBlindSchedule();
    void sit(int seat, const String& name, int type, int32_t chips);

    // Play. step() returns 1 when something happened, 0 while waiting. act()
    // answers for toAct: -1 folds, otherwise chips added to the round bet; 0 and
    // no change when refused.
    int step();
    int act(int32_t amount);

    // Queries; -1 for a seat outside 0..5 or not seated.
    int32_t toCall(int seat) const;
    int32_t chips(int seat) const;
    int32_t minRaiseTo(int seat) const;
    int32_t smallBlind() const;
    int32_t bigBlind() const;
    int countSeated() const;
    int countInHand() const;
    int nextInHand(int seat);
    int nextWithChips(int seat);
    int stepsFromDealer(int target, bool withChips);
    // The better hand's seat, -1 for a tie.
    int compare(int seatA, int seatB);
    void evaluatePlayer(int seat);

    void snapshot(TableView& view);

    Player& player(int seat) const { return *seats[seat]; }
    bool validSeat(int seat) const { return seat >= 0 && seat < SEATS; }

    // Pots and showdown.
    void collectBets();
    void awardPots();
    void settleHand();
    void removeBusted();

    bool blindsRaised = false;
    int8_t state = 0;
    SharedPointer<Player> seats[SEATS];
    int32_t pots[POTS] = {};
    int8_t potIndex = 1;
    int32_t currentBet = 0;
    int32_t matchedBet = 0;
    int8_t toAct = -1;
    int8_t closingSeat = -1;
    int8_t lastActor = -1;
    bool closingActed = false;
    bool runOut = false;
    int32_t minRaise = 0;
    uint8_t potWinners[POTS][SEATS] = {};
    uint8_t potWinnerCount[POTS] = {};
    uint8_t busted[SEATS] = {};
    int16_t handsPlayed = 0;
    SharedPointer<Deck> deck;
    SharedPointer<Board> board;
    bool awaitingAction = false;
    bool handOver = false;
    bool scheduleOn = false;
    int8_t level = -1;
    int8_t levelCount = 1;
    int8_t handsPerLevel = 1;
    int8_t dealer = 0;
    int8_t smallBlindSeat = 1;
    int8_t bigBlindSeat = 2;
    int32_t smallBlinds[BlindSchedule::LEVELS] = {};
    int32_t bigBlinds[BlindSchedule::LEVELS] = {};
    int8_t lastRaiser = -1;
    int8_t firstRaiser = -1;
    int8_t callsSinceRaise = 0;
    int8_t closingActions = 0;
    int8_t humanAggression = 0;
    bool betsCollected = false;
    bool paidOut = false;
    // A sound for the screen to play (1 = everybody is all-in), 0 when none; the
    // screen clears it.
    int8_t soundRequest = 0;
    // Chips that left the game as the remainders of uneven splits since resetGame.
    int64_t oddChipsLost = 0;

private:
    int startHand();
    void moveBlinds();
    int walkToBefore(int target);
    int bet(int seat, int32_t amount);
    int checkBetting(bool atStart);
    void dealHoleCards();
    int findClosing(int first) const;
    void dealStreet();
    bool bettingComplete();
    void refreshActions();
};
