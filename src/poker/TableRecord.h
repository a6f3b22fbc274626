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
// keeps the value it had before loading.
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
    static bool writePlayer(DataOutputStream& out, const Player& player);

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
