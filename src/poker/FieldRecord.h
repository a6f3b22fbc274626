#pragma once

#include "core/io/DataInputStream.h"
#include "core/io/DataOutputStream.h"
#include "core/runtime/String.h"
#include "poker/TournamentField.h"

#include <cstdint>

// The tournament field's share of "KMRB2Tourney": seatsPerTable, remaining,
// tableCount, bigBlind, smallBlind, humanTable, humanSeat; then per entrant i its
// standings slot and entry (name, chips, place, table, id, avatar); then per table
// its seats (entrant numbers, -1 empty) and button. The entrant count comes from
// the record's header.
//
// Every value that indexes the field is checked before anything is applied.
class FieldRecord {
public:
    static constexpr int32_t SEATS_PER_TABLE = 6;
    static constexpr int32_t MAX_ENTRANTS = 250;
    static constexpr int32_t MAX_TABLES = (MAX_ENTRANTS + SEATS_PER_TABLE - 1) / SEATS_PER_TABLE; // 42
    // Avatar pictures 0..5 for generated entrants, 6 for the default, 7 for the star.
    static constexpr int32_t MAX_AVATAR = 7;

    struct EntryRecord {
        String name;
        int32_t chips = 0;
        int32_t place = 1;
        int32_t table = -1;
        int32_t id = 0;
        int32_t avatar = 0;
    };

    struct TableSeats {
        int32_t seats[SEATS_PER_TABLE] = { -1, -1, -1, -1, -1, -1 };
        int32_t button = 0;
    };

    // The record of a field as it stands.
    static FieldRecord fromField(const TournamentField& field);
    static bool writeField(DataOutputStream& out, const TournamentField& field);
    bool write(DataOutputStream& out) const;

    // Reads a field of the given number of entrants. False when the data ran out, or
    // when the seats per table, table count or entrant count could not be held (the
    // rest of the record could not even be located then).
    bool readField(DataInputStream& in, int32_t entrantCount);
    // True when every entrant number, place, seat and count is in range for a field
    // of this many entrants, each entrant has one standings slot, sits at most once
    // and at the table its entry names, and remaining counts the seated. An entrant
    // who is not seated is at no table, whatever its table byte says.
    bool isValid() const;
    // isValid, and the field was created for the same number of entrants and tables.
    bool isValidFor(const TournamentField& field) const;
    // Sets the field from the record: each entry's startChips = chips, active =
    // (chips > 0) and table = the table it is seated at, -1 when none; everything
    // else as recorded.
    void applyTo(TournamentField& field) const;

    int32_t entrants = 0;
    int32_t seatsPerTable = SEATS_PER_TABLE;
    int32_t remaining = 0;
    int32_t tableCount = 0;
    int32_t bigBlind = 0;
    int32_t smallBlind = 0;
    int32_t humanTable = 0;
    int32_t humanSeat = 0;
    int32_t standings[MAX_ENTRANTS] = {};
    EntryRecord entries[MAX_ENTRANTS];
    TableSeats tables[MAX_TABLES];
};
