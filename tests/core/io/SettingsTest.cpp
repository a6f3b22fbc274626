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

// Saved twice, the records are replaced, not added: the sound settings with the
// bytes they always had, then the play options as kind 2 with a version byte.
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
    saved.play.speed = PlayOptions::SPEED_TURBO;
    saved.play.fourColourDeck = true;
    ASSERT_TRUE(saved.saveSettings(&files));
    saved.volume = 40;
    saved.play.speed = PlayOptions::SPEED_FAST;
    ASSERT_TRUE(saved.saveSettings(&files));
    auto store = RecordStore::openRecordStore(GameStore::STORE_NAME, false, &files);
    ASSERT_NE(store, nullptr);
    ASSERT_EQ(store->getNumRecords(), 2);
    // Kind, in use, sound, volume, music, ask at start, vibration.
    EXPECT_EQ(bytesOf(store->recordAt(0)), (std::vector<uint8_t> { 1, 1, 0, 40, 1, 0, 1 }));
    EXPECT_EQ(bytesOf(store->recordAt(1)), (std::vector<uint8_t> { 2, 1, PlayOptions::VERSION, 1, 1 }));
    store->closeRecordStore();

    Settings loaded;
    ASSERT_TRUE(loaded.loadSettings(&files));
    EXPECT_FALSE(loaded.soundOn || loaded.askSoundAtStart);
    EXPECT_TRUE(loaded.musicOn && loaded.vibrationOn);
    EXPECT_EQ(loaded.volume, 40);
    EXPECT_EQ(loaded.play.speed, PlayOptions::SPEED_FAST);
    EXPECT_TRUE(loaded.play.fourColourDeck);
}

// A flag byte of 2 is off in both records, the volume is capped, a cut sound record
// is refused, and a later play-options version's appended bytes are skipped.
TEST_F(SettingsTest, FlagByteTwoLoadsAsOffAndVolumeIsCapped)
{
    Settings settings;
    ASSERT_TRUE(settings.fromRecord(arrayOf({ 1, 1, 2, 250, 2, 1, 0xFF })));
    EXPECT_FALSE(settings.soundOn || settings.musicOn || settings.vibrationOn);
    EXPECT_TRUE(settings.askSoundAtStart);
    EXPECT_EQ(settings.volume, 100);
    Settings untouched;
    EXPECT_FALSE(untouched.fromRecord(arrayOf({ 1, 1, 0, 5 })));
    EXPECT_EQ(untouched.volume, 70);

    PlayOptions later;
    EXPECT_TRUE(later.fromRecord(arrayOf({ 2, 1, 2, 1, 1, 9, 9 })));
    EXPECT_EQ(later.speed, PlayOptions::SPEED_FAST);
    EXPECT_TRUE(later.fourColourDeck);
    EXPECT_TRUE(later.fromRecord(arrayOf({ 2, 1, 1, 0, 2 })));
    EXPECT_FALSE(later.fourColourDeck);
}

TEST_F(SettingsTest, SoundPermission)
{
    Settings settings;
    settings.soundOn = false;
    EXPECT_TRUE(settings.canPlay(STOP_SOUND));
    EXPECT_FALSE(settings.canPlay(0) || settings.canPlay(5));
    settings.soundOn = true;
    settings.musicOn = false;
    EXPECT_FALSE(settings.canPlay(0));
    EXPECT_TRUE(settings.canPlay(5));
}

TEST_F(SettingsTest, AFileWithoutPlayOptionsOrWithDamagedOnesReadsTheDefaults)
{
    auto writeStore = [this](const std::vector<std::vector<uint8_t>>& records) {
        files.remove("GAME_STORE_DATA.dat");
        auto store = RecordStore::openRecordStore(GameStore::STORE_NAME, true, &files);
        for (const auto& record : records)
            store->addRecord(arrayOf(record), 0, int32_t(record.size()));
        ASSERT_TRUE(store->closeRecordStore());
    };
    const std::vector<uint8_t> sound { 1, 1, 1, 30, 0, 1, 0 };

    // Written before the options existed: the sound record alone.
    writeStore({ sound });
    Settings older;
    older.play.speed = PlayOptions::SPEED_TURBO; // whatever the run held before
    ASSERT_TRUE(older.loadSettings(&files));
    EXPECT_EQ(older.volume, 30);
    EXPECT_FALSE(older.musicOn);
    EXPECT_EQ(older.play, PlayOptions());

    // Damaged kind-2 records, before or after the sound record: cut short, version 0,
    // a speed past Turbo, marked unused. Each reads as the defaults and the sound
    // settings load all the same.
    const std::vector<std::vector<uint8_t>> damaged {
        { 2, 1, 1, 2 }, { 2, 1, 0, 2, 1 }, { 2, 1, 1, 3, 1 }, { 2, 0, 1, 2, 1 }, { 2 },
    };
    for (const auto& record : damaged) {
        for (bool first : { true, false }) {
            writeStore(first ? std::vector<std::vector<uint8_t>> { record, sound }
                             : std::vector<std::vector<uint8_t>> { sound, record });
            Settings settings;
            settings.play.fourColourDeck = true;
            EXPECT_TRUE(settings.loadSettings(&files)) << int(record.size());
            EXPECT_EQ(settings.volume, 30);
            EXPECT_FALSE(settings.vibrationOn);
            EXPECT_EQ(settings.play, PlayOptions()) << int(record.size()) << " " << first;
            // Saving mends it in place.
            settings.play.speed = PlayOptions::SPEED_FAST;
            ASSERT_TRUE(settings.saveSettings(&files));
            Settings again;
            ASSERT_TRUE(again.loadSettings(&files));
            EXPECT_EQ(again.play.speed, PlayOptions::SPEED_FAST);
            EXPECT_EQ(again.volume, 30);
        }
    }
}
