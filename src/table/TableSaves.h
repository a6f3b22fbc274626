#pragma once

#include "core/runtime/SharedPointer.h"
#include "poker/PokerTable.h"

#include <cstdint>

class FileSystem;
class GameSetup;
class StoreTransaction;
class TableHost;
class TournamentField;

// A table game's saving and resuming: the cash game's or the tournament's record,
// the setup and the profile go on record together through one StoreTransaction,
// so that a crash leaves the chips either before a change or after it, never
// both or neither. Stores the host keeps from being written are left alone.
class TableSaves {
public:
    static constexpr int32_t SEATS = PokerTable::SEATS;

    // The host, table and field must outlive this; humanSeat is the player's seat.
    TableSaves(TableHost& host, PokerTable& table, TournamentField& field, int32_t humanSeat);

    // Reads the saved record of storeName into the table (and field). False when
    // there is none or it cannot be read; the table may then be half read.
    bool load(const char* storeName);
    // Makes a loaded record playable. A hand still being played cannot go on
    // (cards, bets and pots are not on record): it starts again. A paid one (state
    // SETTLE, the pots already in the winners' chips) is closed as the table closes
    // it, players left without chips leaving. True when it was paid.
    bool normaliseLoaded();

    // The cash game between hands (or with its pots paid), with the player's chips
    // at the hand's start in the profile. avatars: each seat's.
    void saveGame(const uint8_t (&avatars)[SEATS]);
    // The tournament, table and field; true once it is on record.
    void saveTourney();
    // A new table's start record, its first save and the bankroll that paid for it,
    // as one change: a crash leaves either no game and the bankroll as it was, or
    // the game with its buy-in taken. Marks the game in progress when it went on record.
    void saveNewGame(const char* storeName, GameSetup& setup, const uint8_t (&avatars)[SEATS]);

    // The end of a game the player leaves: the profile (its bankroll already paid)
    // with the game's records removed. False, changing no store, when it could not
    // be written.
    bool settleLeaving(bool cash);
    // The end of a tournament: its records removed, with the profile when a prize
    // went into the bankroll. False, changing no store, when it could not be written.
    bool settleTournament(bool prizePaid);

    // The human's chips in the saved cash or heads-up game, read from the store
    // without touching any table (the screen that played it may be gone); -1 when
    // there is none or it cannot be read (checked against table when given). For
    // paying a saved game back when a new game replaces it.
    static int32_t savedGameChips(const PokerTable* table, FileSystem* fileSystem);

private:
    void stageProfile(StoreTransaction& tx);
    void stageRemoval(StoreTransaction& tx, const char* storeName);

    TableHost& host;
    PokerTable& table;
    TournamentField& field;
    int32_t humanSeat;
};
