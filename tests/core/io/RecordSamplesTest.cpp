// The sample files under tests/data/io: good ones load, every malformed one fails
// cleanly through the same path the game uses, leaving the object as it was.
#include "core/io/GameSetup.h"
#include "core/io/GameStore.h"
#include "core/io/Profile.h"
#include "core/io/RecordStore.h"
#include "core/io/SampleFiles.h"
#include "core/io/Settings.h"
#include "core/io/TempDirectory.h"
#include "host/posix/PosixFileSystem.h"

#include <gtest/gtest.h>

namespace {

// Loads the store through the game's own loader; true when the record was used.
bool loadsInGame(const std::string& storeName, const std::vector<uint8_t>& bytes)
{
    TempDirectory dir;
    PosixFileSystem files(dir.path);
    dir.write(storeName + RecordStore::FILE_SUFFIX, bytes);
    if (storeName == GameStore::STORE_NAME) {
        Settings settings;
        settings.volume = 33;
        bool loaded = settings.loadSettings(&files);
        EXPECT_TRUE(loaded || settings.volume == 33);
        return loaded;
    }
    if (storeName == Profile::STORE_NAME) {
        Profile profile;
        profile.bankroll = 4321;
        bool loaded = profile.loadProfile(&files);
        EXPECT_TRUE(loaded || profile.bankroll == 4321);
        return loaded;
    }
    if (storeName == GameSetup::STORE_NAME) {
        GameSetup setup;
        setup.stakeLevel = 4;
        bool loaded = setup.loadSetup(&files);
        EXPECT_TRUE(loaded || setup.stakeLevel == 4);
        return loaded;
    }
    return RecordStore::openRecordStore(storeName.c_str(), false, &files) != nullptr;
}

} // namespace

TEST(RecordSamplesTest, GoodSamplesLoad)
{
    for (const char* store : { "GAME_STORE", "KMRB2Options", "KMRB2GameInit", "One" })
        EXPECT_TRUE(loadsInGame(store, readFile(sampleDir() + "/" + store + "_DATA.dat"))) << store;
}

TEST(RecordSamplesTest, EveryMalformedSampleFailsCleanly)
{
    int checked = 0;
    for (const std::string& name : malformedSamples()) {
        size_t split = name.find("--");
        if (split == std::string::npos)
            continue;
        std::string storeName = name.substr(0, split);
        // The engine's saved games are checked with the engine's tests.
        if (storeName == "KMRB2Game" || storeName == "KMRB2Tourney")
            continue;
        std::vector<uint8_t> bytes = readFile(sampleDir() + "/malformed/" + name);
        EXPECT_FALSE(loadsInGame(storeName == "Store" ? "Sample" : storeName, bytes)) << name;
        ++checked;
    }
    EXPECT_GE(checked, 12);
}
