#pragma once

#include "core/io/DataInputStream.h"
#include "core/io/DataOutputStream.h"
#include "core/runtime/String.h"
#include "poker/PokerTable.h"

#include <cstdint>

// The table's share of a saved game: blindsRaised, six player records (seat, name,
// seated, chips), state, toAct, handsPlayed (low 8 bits only), level, dealer,
// smallBlindSeat, bigBlindSeat, awaitingAction, handOver, humanAggression,
// betsCollected. Everything else on the table (pots, bets, cards, blind amounts)
// keeps the value it had before loading. A table saved between the pay-out and the
// close of a hand is written in state SETTLE with the pots in the winners' chips.
//
// Loading is read, check, then apply: a record with a value outside its range is
// refused whole and the table is not touched.
class TableRecord {
public:
    struct PlayerRecord {
        int32_t seat = 0;
        String name;
        bool seated = false;
        int32_t chips = 0;
    };

    static bool writeTable(DataOutputStream& out, const PokerTable& table);
    static bool writePlayer(DataOutputStream& out, const PokerTable& table, const Player& player);

    // The chips a record holds for a player. From the pay-out to the close of a hand
    // (state SETTLE) each pot sits in its winners' winnings, not yet in their chips;
    // the record counts it in, so that a game resumed from it starts the next hand
    // with what the last one paid, and no pot is lost or paid twice.
    static int32_t chipsOnRecord(const PokerTable& table, const Player& player);

    // Writes this record's own values, as writeTable does for a table.
    bool write(DataOutputStream& out) const;

    // Reads the fields; false when the data ran out.
    bool readTable(DataInputStream& in);
    // True when every value that indexes the table is in range for this table
    // (levelCount comes from the table's blind set-up).
    bool isValidFor(const PokerTable& table) const;
    void applyTo(PokerTable& table) const;

    bool blindsRaised = false;
    PlayerRecord players[PokerTable::SEATS];
    int32_t state = 0;
    int32_t toAct = -1;
    int32_t handsPlayed = 0; // signed byte as stored: 200 hands read back as -56
    int32_t level = -1;
    int32_t dealer = 0;
    int32_t smallBlindSeat = -1;
    int32_t bigBlindSeat = 0;
    bool awaitingAction = false;
    bool handOver = false;
    int32_t humanAggression = 0;
    bool betsCollected = false;

private:
    static bool readPlayer(DataInputStream& in, PlayerRecord& player);
};
