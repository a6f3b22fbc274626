#pragma once

#include "core/io/DataInputStream.h"
#include "core/io/DataOutputStream.h"
#include "poker/TableRecord.h"

#include <cstdint>

// Record 1 of "KMRB2Game", the cash or heads-up game in progress: the table record,
// then per seat 0..5 the seat list (seat, name, type, inHand, seated, chips, avatar)
// kept by the screens, then the human's seat.
class GameRecord {
public:
    static constexpr const char* STORE_NAME = "KMRB2Game";
    // Avatar pictures 0..5 for opponents, 6 for the default, 7 for the star.
    static constexpr int32_t MAX_AVATAR = 7;

    struct SeatRecord {
        int32_t seat = 0;
        String name;
        int32_t type = 0;
        bool inHand = false;
        bool seated = false;
        int32_t chips = 0;
        int32_t avatar = 6;
    };

    // avatars: the screens' picture number of each seat.
    static bool write(DataOutputStream& out, const PokerTable& table, const uint8_t (&avatars)[PokerTable::SEATS],
                      int32_t humanSeat);

    // Reads and checks the whole record against the table; false, with nothing
    // read into the table, when it is truncated or a value is out of range.
    bool read(DataInputStream& in, const PokerTable& table);
    // The two halves of read: every field present, and every value in range.
    bool readFields(DataInputStream& in);
    bool isValidFor(const PokerTable& table) const;
    // Sets the table's fields and players from the record, then the avatars and
    // the human's seat.
    void applyTo(PokerTable& table, uint8_t (&avatars)[PokerTable::SEATS], int32_t& humanSeat) const;

    TableRecord table;
    SeatRecord seats[PokerTable::SEATS];
    int32_t humanSeat = 0;
};
