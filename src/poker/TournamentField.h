#pragma once

#include "core/runtime/Object.h"
#include "core/runtime/SharedPointer.h"
#include "core/runtime/String.h"
#include "poker/FieldEntry.h"

#include <cstdint>
#include <vector>

// Every entrant of a tournament spread over tables of six. Only the human's table
// (table 0, seat 0) is played card by card; advance() plays one simulated hand at
// every other table, ranks the field and breaks and balances tables.
class TournamentField : public Object {
public:
    static constexpr uint16_t EMPTY_SEAT = 65535;
    static constexpr int FIELD_SIZES = 5;
    static constexpr int PRIZE_PLACES = 21;
    static constexpr int STARTING_CHIPS = 500;
    static constexpr int STAR_AVATAR = 7;
    static const int ENTRANTS_BY_FIELD[FIELD_SIZES];
    // Prize multiples of the buy-in, entry p for place p + 1; each row sums to its field size.
    static const uint16_t PRIZES[FIELD_SIZES][PRIZE_PLACES];

    struct Table {
        uint16_t seats[6];
        int8_t button = 0;
    };

    // 12, 18, 36, 100 or 250 -> 0..4; -1 for any other count.
    static int fieldIndex(int entrants);
    // Buy-in multiples for a finishing place (1-based), 0 when unpaid.
    static int prizeMultiple(int fieldIndex, int place);

    void createField(int entrants, int seatsPerTable = 6);
    void setEntry(int i, const String& name, int32_t chips, int avatar);
    // After a hand at the human's table, for each of its seats; the entrant's
    // startChips keep the chips it began the hand with.
    void setChipsAtHumanSeat(int seat, int32_t chips);
    // Simulates the other tables, ranks, balances, then sets every active entrant's
    // startChips for the next round.
    void advance();

    void simulateHand(int tableIndex);
    void rankField();
    void balanceTables();

    // Queries; -1 / null for anything out of range.
    int entrantAt(int seat) const;
    FieldEntry* entry(int i) const;
    int placeOf(int i) const;
    bool humanSeated() const;
    // The human is out, or has won.
    bool isOver() const { return !humanSeated() || remaining <= 1; }
    int countAt(int tableIndex) const;

    int8_t seatsPerTable = 6;
    uint16_t entrants = 0;
    uint16_t remaining = 0;
    int8_t tableCount = 0;
    std::vector<SharedPointer<FieldEntry>> entries;
    std::vector<Table> tables;
    std::vector<uint16_t> standings;
    int32_t bigBlind = 10;
    int32_t smallBlind = 5;
    uint16_t humanTable = 0;
    int8_t humanSeat = 0;
    // Once the human is out a simulation may play on: every table is then simulated
    // and balancing no longer keeps table 0 and its seat 0 apart. Off in the game.
    bool simulateAll = false;

private:
    void seatAt(int tableIndex, uint16_t entrant);
    bool reserved(int tableIndex, int seat) const;
};
