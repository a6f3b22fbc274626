#pragma once

#include "core/io/GameSetup.h"
#include "core/io/Profile.h"
#include "core/io/RecordClient.h"
#include "poker/PokerTable.h"
#include "poker/TournamentField.h"

#include <cstdint>

// What the game writes under each store name and reads back: the profile, the
// game setup, the cash game in progress with its seat list, and the tournament. The controller
// owns one and hands it to RecordStore::saveObject and loadObject.
class GameRecordClient : public RecordClient {
public:
    GameRecordClient(Profile& profile, GameSetup& setup);

    // "KMRB2Game" needs a table, "KMRB2Tourney" a table and a field, which is written
    // with the setup's stake; saving either marks it as in progress.
    bool saveRecord(const String& storeName, DataOutputStream& out) override;
    // "KMRB2Game" is read only while gameInProgress is set and a table exists;
    // "KMRB2Tourney" while tourneyInProgress is set and a table and field exist (the
    // field is created anew for the saved entrant count). A tournament brings back
    // its stake and size into the setup, so that the buy-in, the prizes, the star
    // and the next save follow the saved tournament. A refused record leaves the
    // table, field, setup, avatars and human seat as they were.
    bool loadRecord(const String& storeName, DataInputStream& in) override;

    // The setup a loaded tournament brought its stake and size back into.
    const GameSetup& getSetup() const { return setup; }

    PokerTable* table = nullptr; // the engine's table while a game exists, not owned
    TournamentField* field = nullptr; // the tournament's field, not owned
    // The screens' picture number of each seat, and the human's seat.
    uint8_t avatars[PokerTable::SEATS] = { 6, 6, 6, 6, 6, 6 };
    int32_t humanSeat = 0;
    bool gameInProgress = false;
    bool tourneyInProgress = false;

private:
    Profile& profile;
    GameSetup& setup;
};
