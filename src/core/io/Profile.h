#pragma once

#include "core/io/FileSystem.h"
#include "core/io/RecordClient.h"
#include "core/runtime/String.h"

#include <cstdint>

// The player's profile, the whole of record 1 of "KMRB2Options". Written in field
// order: avatar, flag A, flag B, setup name, bankroll, second bankroll, ten names,
// counter, player name, hand-start chips. The hand-start chips are written but not
// read back: loading leaves them 0.
class Profile : public RecordClient {
public:
    static constexpr const char* STORE_NAME = "KMRB2Options";
    static constexpr int32_t NAME_COUNT = 10;
    static constexpr int32_t DEFAULT_AVATAR = 6;
    static constexpr int32_t DEFAULT_BANKROLL = 1000;
    // Avatar pictures 0..6 for players, 7 for the star opponent.
    static constexpr int32_t MAX_AVATAR = 7;

    Profile();

    // The defaults; names are the ten entries of the default name list (fewer
    // leave the rest empty).
    void resetProfile(const String* defaultNames, int32_t count);
    bool saveProfile(FileSystem* fileSystem = nullptr);
    // False, changing nothing, when the record is missing or unusable.
    bool loadProfile(FileSystem* fileSystem = nullptr);

    // Adds chips won or brought back from a table to the cash bankroll, stopping at
    // the largest 32-bit amount instead of wrapping; a negative amount changes nothing.
    void addToBankroll(int64_t chips);

    bool write(DataOutputStream& out) const;
    // All or nothing: a truncated record or an avatar outside 0..7 changes nothing.
    bool read(DataInputStream& in);

    bool saveRecord(const String& storeName, DataOutputStream& out) override;
    bool loadRecord(const String& storeName, DataInputStream& in) override;

    int32_t avatar = DEFAULT_AVATAR;
    bool flagA = false; // stored and loaded unchanged; nothing in the game sets them
    bool flagB = false;
    String setupName;   // the player name of the current game setup
    int32_t bankroll = DEFAULT_BANKROLL;
    int32_t tourneyBankroll = DEFAULT_BANKROLL; // the second bankroll
    String names[NAME_COUNT];
    int32_t counter = 0;
    String playerName;
    // The human's chips when the current cash or heads-up table started; 0 after leaving.
    int32_t handStartChips = 0;
};
