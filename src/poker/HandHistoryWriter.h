#pragma once

#include "poker/HandResult.h"

#include <cstdint>
#include <string>

class PokerTable;

// Watches a PokerTable through its hands and writes each finished hand as text in the
// hand-history format that poker trackers import (the largest online room's format):
// whole chips, US Eastern times, one blank line after every hand, UTF-8.
//
// Use: call observe() after every step() and every act() of the table (after every
// frame is fine, unchanged frames cost little). When handReady() is set, takeHand()
// gives the hand's text; take it before the next hand starts or it is lost. A hand
// whose observations do not add up (a missed step or act, a seat changed mid-hand) is
// dropped rather than written wrong, and counted in handsDropped.
class HandHistoryWriter {
public:
    static constexpr int SEATS = 6;
    static constexpr int64_t NO_TOURNAMENT = 0;

    // Written into the hands that start after it is set.
    std::string tableName = "Kestrelmoore";
    int heroSeat = 0;                   // "Dealt to" shows this seat's cards
    int64_t tournament = NO_TOURNAMENT; // a tournament number gives the tournament header

    // nowMillis: the caller's clock in milliseconds since 1970 UTC; the hand's start
    // time is the one given with the observation that sees the hand begin.
    void observe(const PokerTable& table, int64_t nowMillis);

    bool handReady() const { return phase == Phase::Ready; }
    int64_t handStartMillis() const { return startMillis; }
    // The hero's part in the hand that is ready (dealt false when the hero sat
    // out); read it before takeHand().
    HandResult heroResult() const;
    // The finished hand under the given number, each line ending in "\n" and the whole
    // followed by one empty line. Empty when no hand is ready.
    std::string takeHand(int64_t handNumber);

    int64_t handsDropped = 0;

    // A player's name as written: UTF-8 without the characters that would confuse a
    // tracker's parser (brackets, parentheses, colons, control characters) and with
    // outer spaces trimmed; "Player" when nothing is left.
    static std::string safeName(const char16_t* units, int32_t length);
    // "a pair of Aces", "a straight, Ten to Ace": the words trackers expect for the
    // engine's category and kickers (values 2..14, 1 for the low ace).
    static std::string describeHand(int category, const int32_t kickers[5]);

private:
    enum class Phase { Idle, Playing, Ready };

    struct Seat {
        bool dealt = false; // took part in this hand
        bool live = false;  // still holds cards
        std::string name;
        int32_t startChips = 0;
        int32_t chips = 0;    // as last observed
        int32_t roundBet = 0; // as last observed
        int32_t put = 0;      // chips in the pots, returned bets taken off
        int foldStreet = -1;  // 0 before the flop .. 3 on the river
        bool voluntary = false; // called, bet or raised before the flop
        bool raised = false;    // bet or raised before the flop
        int64_t won = 0;      // from all pots
        bool winner = false;  // listed for a pot, even an empty one
        std::string shown;    // the hand's words at the showdown
    };

    void beginHand(const PokerTable& table, int64_t nowMillis);
    bool playerActed(const PokerTable& table);
    bool tableMoved(const PokerTable& table);
    bool finishHand(const PokerTable& table);
    void showDown(const PokerTable& table);
    bool payPot(const PokerTable& table, int pot, const std::string& name, int64_t& paid);
    std::string summaryLine(const PokerTable& table, int seat, bool showdown) const;
    void drop();
    bool nameTaken(const std::string& name, int beforeSeat) const;
    void line(const std::string& text);

    Phase phase = Phase::Idle;
    int lastState = -1;
    int lastHandsPlayed = -1;
    bool lastAwaiting = false;
    int lastToAct = -1;
    int lastCurrentBet = 0;
    int boardSeen = 0;
    bool holeWritten = false;
    Seat seats[SEATS];
    int64_t startMillis = 0;
    int level = -1;
    int32_t smallBlind = 0;
    int32_t bigBlind = 0;
    int dealer = -1;
    int smallBlindSeat = -1;
    int bigBlindSeat = -1;
    int64_t handTournament = NO_TOURNAMENT;
    bool wentToShowdown = false;
    std::string body; // everything after the first line
};
