// The start-up's saved data read step by step as the loading screen asks: what
// counts as a game in progress, and which damaged stores are kept from being
// written over.
#include "app/SavedDataLoader.h"

#include "app/DeviceServices.h"
#include "app/StoreGuard.h"
#include "core/io/GameSetup.h"
#include "core/io/GameStore.h"
#include "core/io/Profile.h"
#include "core/io/RecordStore.h"
#include "core/io/Settings.h"
#include "core/io/TempDirectory.h"
#include "core/resources/ResourcePack.h"
#include "host/posix/PosixFileSystem.h"
#include "poker/GameRecord.h"
#include "poker/GameRecordClient.h"
#include "poker/TourneyRecord.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Loading {
    explicit Loading(const std::string& folder)
        : files(folder)
        , stores(&files)
    {
        const std::string pack = std::string(KM_BUILD_DIR) + "/Kestrelmoore_res.dat";
        opened = currentResourcePack() || openResourcePack(pack.c_str());
        processSettings() = Settings();
    }
    ~Loading() { processSettings() = Settings(); }

    void store(const char* name, const std::vector<uint8_t>& record)
    {
        SharedPointer<RecordStore> s = RecordStore::openRecordStore(String(name), true, &files);
        ByteArray bytes(int32_t(record.size()));
        for (size_t i = 0; i < record.size(); ++i)
            bytes[int32_t(i)] = record[i];
        s->addRecord(bytes, 0, bytes.length);
        s->closeRecordStore();
    }
    void runAll()
    {
        for (int32_t step = 0; step <= SavedDataLoader::LAST_STEP + 1; ++step)
            loader.runStep(step);
    }

    bool opened = false;
    PosixFileSystem files;
    StoreGuard stores;
    Profile profile;
    GameSetup setup;
    GameRecordClient records { profile, setup };
    DeviceServices device { "", 1, nullptr, nullptr };
    SavedDataLoader loader { stores, profile, setup, records, device };
};

} // namespace

TEST(SavedDataLoaderTest, DamagedStoresAreKeptAndOnlyARecordMakesAGameInProgress)
{
    TempDirectory dir;
    Loading run(dir.path);
    ASSERT_TRUE(run.opened) << "the resource pack is built with the tests";
    run.store(GameStore::STORE_NAME, {uint8_t(Settings::RECORD_KIND), 1, 0}); // in use, cut short
    run.store(GameSetup::STORE_NAME, {1});
    run.store(TourneyRecord::STORE_NAME, {1, 2, 3});
    dir.write(std::string(GameRecord::STORE_NAME) + "_DATA.dat", {0xFF, 0xFF, 0xFF, 0x7F, 1});
    run.records.gameInProgress = true;
    run.profile.bankroll = 5;

    run.runAll();
    EXPECT_TRUE(run.stores.isProtected(String(GameStore::STORE_NAME))) << "a settings record in use";
    EXPECT_TRUE(run.stores.isProtected(String(GameSetup::STORE_NAME))) << "a setup record cut short";
    EXPECT_TRUE(run.stores.isProtected(String(GameRecord::STORE_NAME))) << "a file that is no store";
    EXPECT_FALSE(run.stores.isProtected(String(TourneyRecord::STORE_NAME)));
    EXPECT_FALSE(run.stores.isProtected(String(Profile::STORE_NAME))) << "no profile yet: written freely";
    EXPECT_TRUE(run.records.tourneyInProgress) << "the tournament store holds a record";
    EXPECT_FALSE(run.records.gameInProgress);
    EXPECT_EQ(run.profile.bankroll, 1000) << "the profile's defaults";
    EXPECT_TRUE(run.profile.saveProfile(&run.stores));

    // A settings record that is no longer in use may be written over.
    TempDirectory other;
    Loading again(other.path);
    again.store(GameStore::STORE_NAME, {uint8_t(Settings::RECORD_KIND), 0, 0});
    EXPECT_FALSE(again.loader.loadSettings());
    EXPECT_FALSE(again.stores.isProtected(String(GameStore::STORE_NAME)));
}
