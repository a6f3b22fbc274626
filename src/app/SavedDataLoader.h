#pragma once

#include <cstdint>

class DeviceServices;
class GameRecordClient;
class GameSetup;
class Profile;
class StoreGuard;

// The saved data read while the loading screen shows, one step per tick: 1 the
// settings, 2 the profile's defaults, 3 the saved profile and setup and which
// games are in progress. A store that is there but cannot be read counts as
// absent and is kept from being written over (the guard protects it), so that
// a damaged save is never replaced by a fresh one.
class SavedDataLoader {
public:
    static constexpr int32_t FIRST_STEP = 1;
    static constexpr int32_t LAST_STEP = 3;

    // All must outlive the loader.
    SavedDataLoader(StoreGuard& stores, Profile& profile, GameSetup& setup, GameRecordClient& records,
                    DeviceServices& device);

    // Runs one step; any other number does nothing.
    void runStep(int32_t step);

    // Reads the settings and applies the game's volume, with or without a record.
    // False when there is none or it cannot be read.
    bool loadSettings();

private:
    void resetProfile();
    void loadProfile();
    // True when the store holds record 1.
    bool storeHasRecord(const char* storeName);

    StoreGuard& stores;
    Profile& profile;
    GameSetup& setup;
    GameRecordClient& records;
    DeviceServices& device;
};
