#pragma once

#include "core/io/FileSystem.h"
#include "core/io/RecordClient.h"
#include "core/runtime/String.h"

#include <cstdint>

// The choices a game was started with, record 1 of "KMRB2GameInit": mode, game
// type, stake level, player name, avatar, tournament size.
class GameSetup : public RecordClient {
public:
    static constexpr const char* STORE_NAME = "KMRB2GameInit";
    // Game types: cash game, heads-up, tournament.
    static constexpr int32_t GAME_CASH = 6;
    static constexpr int32_t GAME_HEADS_UP = 7;
    static constexpr int32_t GAME_TOURNAMENT = 8;
    static constexpr int32_t STAKE_LEVELS = 6;     // buy-ins 1000 .. 100000
    static constexpr int32_t TOURNAMENT_SIZES = 5; // 12, 18, 36, 100, 250 entrants
    static constexpr int32_t MAX_AVATAR = 7;

    bool saveSetup(FileSystem* fileSystem = nullptr);
    // False, changing nothing, when the record is missing or unusable.
    bool loadSetup(FileSystem* fileSystem = nullptr);

    bool write(DataOutputStream& out) const;
    // All or nothing: a truncated record or a type, stake, size or avatar outside
    // its range changes nothing, since they index the game's tables.
    bool read(DataInputStream& in);

    bool saveRecord(const String& storeName, DataOutputStream& out) override;
    bool loadRecord(const String& storeName, DataInputStream& in) override;

    bool mode = false; // false for games started from the main menu
    int32_t gameType = GAME_CASH;
    int32_t stakeLevel = 0;
    String playerName = String("Player");
    int32_t avatar = 6;
    int32_t tournamentSize = 0;
};
