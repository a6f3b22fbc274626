#pragma once

#include "core/io/DataInputStream.h"
#include "core/io/DataOutputStream.h"
#include "poker/FieldRecord.h"
#include "poker/TableRecord.h"

#include <cstdint>

// Record 1 of "KMRB2Tourney", the tournament in progress: entrants (short), field
// index 0..4 (byte), stake index 0..5 (byte), the table record, the field record.
class TourneyRecord {
public:
    static constexpr const char* STORE_NAME = "KMRB2Tourney";
    static constexpr int32_t FIELD_SIZES = 5;
    static constexpr int32_t ENTRANTS_BY_FIELD[FIELD_SIZES] = { 12, 18, 36, 100, 250 };
    static constexpr int32_t STAKE_LEVELS = 6;

    // The tournament as it stands: header, table, field.
    static bool writeTourney(DataOutputStream& out, int32_t stakeIndex, const PokerTable& table,
                             const TournamentField& field);
    bool write(DataOutputStream& out) const;

    // Reads the whole record; false when it is truncated or its header names a
    // field the record cannot be read for.
    bool readFields(DataInputStream& in);
    // The header agrees with itself, and the table record fits a table set up with
    // the tournament schedule, and the field record is in range.
    bool isValidFor(const PokerTable& table) const;
    // Table record, then field record. The field must have been created for
    // `entrants` entrants (createField) and the table set up with the schedule.
    void applyTo(PokerTable& table, TournamentField& field) const;

    int32_t entrants = 0;
    int32_t fieldIndex = 0;
    int32_t stakeIndex = 0;
    TableRecord table;
    FieldRecord field;
};
