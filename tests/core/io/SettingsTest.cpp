#include "core/io/Settings.h"

#include "core/io/GameStore.h"
#include "core/io/RecordStore.h"
#include "core/io/StreamBytes.h"
#include "core/io/TempDirectory.h"
#include "core/resources/SoundIds.h"
#include "host/posix/PosixFileSystem.h"

#include <gtest/gtest.h>

namespace {

class SettingsTest : public ::testing::Test {
protected:
    TempDirectory dir;
    PosixFileSystem files { dir.path };
};

} // namespace

TEST_F(SettingsTest, SavedSettingsLoadBackAndMissingOnesKeepTheDefaults)
{
    Settings fresh;
    EXPECT_FALSE(fresh.loadSettings(&files));
    EXPECT_TRUE(fresh.soundOn && fresh.musicOn && fresh.askSoundAtStart && fresh.vibrationOn);
    EXPECT_EQ(fresh.volume, 70);

    Settings saved;
    saved.soundOn = false;
    saved.volume = 30;
    saved.askSoundAtStart = false;
    // Kind, in use, sound, volume, music, ask at start, vibration.
    EXPECT_EQ(bytesOf(saved.toRecord()), (std::vector<uint8_t> { 1, 1, 0, 30, 1, 0, 1 }));
    ASSERT_TRUE(saved.saveSettings(&files));
    // Saved again: the record is replaced, not added.
    saved.volume = 40;
    ASSERT_TRUE(saved.saveSettings(&files));
    auto store = RecordStore::openRecordStore(GameStore::STORE_NAME, false, &files);
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->getNumRecords(), 1);

    Settings loaded;
    ASSERT_TRUE(loaded.loadSettings(&files));
    EXPECT_FALSE(loaded.soundOn);
    EXPECT_EQ(loaded.volume, 40);
    EXPECT_TRUE(loaded.musicOn);
    EXPECT_FALSE(loaded.askSoundAtStart);
    EXPECT_TRUE(loaded.vibrationOn);
}

TEST_F(SettingsTest, FlagByteTwoLoadsAsOffAndVolumeIsCapped)
{
    Settings settings;
    ASSERT_TRUE(settings.fromRecord(arrayOf({ 1, 1, 2, 250, 2, 1, 0xFF })));
    EXPECT_FALSE(settings.soundOn);
    EXPECT_FALSE(settings.musicOn);
    EXPECT_TRUE(settings.askSoundAtStart);
    EXPECT_FALSE(settings.vibrationOn);
    EXPECT_EQ(settings.volume, 100);
    Settings untouched;
    EXPECT_FALSE(untouched.fromRecord(arrayOf({ 1, 1, 0, 5 })));
    EXPECT_EQ(untouched.volume, 70);
}

TEST_F(SettingsTest, SoundPermission)
{
    Settings settings;
    settings.soundOn = false;
    EXPECT_TRUE(settings.canPlay(STOP_SOUND));
    EXPECT_FALSE(settings.canPlay(0));
    EXPECT_FALSE(settings.canPlay(5));
    settings.soundOn = true;
    settings.musicOn = false;
    EXPECT_FALSE(settings.canPlay(0));
    EXPECT_TRUE(settings.canPlay(5));
}
