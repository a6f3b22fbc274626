#include "poker/GameRecordClient.h"

#include "core/io/RecordStore.h"
#include "core/io/SampleFiles.h"
#include "core/io/TempDirectory.h"
#include "host/posix/PosixFileSystem.h"
#include "poker/GameRecord.h"
#include "poker/TableHelpers.h"

#include <gtest/gtest.h>

namespace {

class GameRecordClientTest : public ::testing::Test {
protected:
    TempDirectory dir;
    PosixFileSystem files { dir.path };
    Profile profile;
    GameSetup setup;
    GameRecordClient client { profile, setup };
    PokerTable table;
    TournamentField field;

    // The client set to load a tournament over a 12-entrant field.
    void setUpTourney()
    {
        table.resetGame();
        table.setBlindSchedule();
        field.createField(12);
        client.table = &table;
        client.field = &field;
        client.tourneyInProgress = true;
    }
};

} // namespace

TEST_F(GameRecordClientTest, CashGameSavesAndResumes)
{
    ScriptedTable saved({ 1500, 0, 800, 0, 0, 2 }, 0);
    saved.table.player(2).type = Player::HUMAN;
    saved.table.player(2).name = String(u"Ros\u00E1");
    saved.table.player(0).inHand = true;
    saved.table.dealer = 5;
    saved.table.humanAggression = 6;
    client.table = &saved.table;
    client.avatars[0] = 3;
    client.avatars[5] = 7;
    client.humanSeat = 2;
    EXPECT_FALSE(client.gameInProgress);
    ASSERT_TRUE(RecordStore::saveObject(GameRecord::STORE_NAME, client, &files));
    EXPECT_TRUE(client.gameInProgress);

    Profile otherProfile;
    GameSetup otherSetup;
    GameRecordClient resumed(otherProfile, otherSetup);
    ScriptedTable fresh({ 1000, 1000, 1000, 1000, 1000 }, 0);
    fresh.table.pots[0] = 77; // not in the record: loading leaves it
    fresh.table.player(3).roundBet = 12;
    resumed.table = &fresh.table;
    // Without the in-progress flag nothing is read.
    EXPECT_FALSE(RecordStore::loadObject(GameRecord::STORE_NAME, resumed, &files));
    resumed.gameInProgress = true;
    ASSERT_TRUE(RecordStore::loadObject(GameRecord::STORE_NAME, resumed, &files));
    EXPECT_EQ(fresh.allChips(6), std::vector<int>({ 1500, 0, 800, 0, 0, 2 }));
    EXPECT_EQ(fresh.table.player(2).type, Player::HUMAN);
    EXPECT_TRUE(fresh.table.player(2).name.equals(String(u"Ros\u00E1")));
    EXPECT_EQ(std::vector<int>(resumed.avatars, resumed.avatars + 6), std::vector<int>({ 3, 6, 6, 6, 6, 7 }));
    EXPECT_EQ(resumed.humanSeat, 2);
    EXPECT_EQ(fresh.table.pots[0], 77);
    EXPECT_EQ(fresh.table.player(3).roundBet, 12);
    // Saved again, the same bytes: every recorded field came back (the fresh table
    // differs from the saved one in each).
    const std::vector<uint8_t> first = dir.read("KMRB2Game_DATA.dat");
    ASSERT_TRUE(RecordStore::saveObject(GameRecord::STORE_NAME, resumed, &files));
    EXPECT_EQ(dir.read("KMRB2Game_DATA.dat"), first);
}

TEST_F(GameRecordClientTest, ProfileAndSetupGoThroughTheSameClient)
{
    profile.bankroll = 31337;
    setup.stakeLevel = 3;
    ASSERT_TRUE(RecordStore::saveObject(Profile::STORE_NAME, client, &files));
    ASSERT_TRUE(RecordStore::saveObject(GameSetup::STORE_NAME, client, &files));
    EXPECT_FALSE(RecordStore::saveObject("Unknown", client, &files));
    EXPECT_FALSE(dir.exists("Unknown_DATA.dat"));
    profile.bankroll = 0;
    setup.stakeLevel = 0;
    EXPECT_TRUE(RecordStore::loadObject(Profile::STORE_NAME, client, &files));
    EXPECT_TRUE(RecordStore::loadObject(GameSetup::STORE_NAME, client, &files));
    EXPECT_EQ(profile.bankroll, 31337);
    EXPECT_EQ(setup.stakeLevel, 3);
}

TEST_F(GameRecordClientTest, SavedGameSamplesLoadOrAreRefusedWhole)
{
    ScriptedTable good({ 1000 }, 0);
    client.table = &good.table;
    client.gameInProgress = true;
    dir.write("KMRB2Game_DATA.dat", readFile(sampleDir() + "/KMRB2Game_DATA.dat"));
    ASSERT_TRUE(RecordStore::loadObject(GameRecord::STORE_NAME, client, &files));
    EXPECT_EQ(good.table.handsPlayed, -56);

    std::vector<std::string> samples = malformedSamples("KMRB2Game--");
    EXPECT_GE(samples.size(), 7u);
    for (const std::string& name : samples) {
        ScriptedTable target({ 777 }, 0);
        target.table.dealer = 3;
        client.table = &target.table;
        client.humanSeat = 0;
        dir.write("KMRB2Game_DATA.dat", readFile(sampleDir() + "/malformed/" + name));
        EXPECT_FALSE(RecordStore::loadObject(GameRecord::STORE_NAME, client, &files)) << name;
        EXPECT_EQ(target.table.player(0).chips, 777) << name;
        EXPECT_EQ(target.table.dealer, 3) << name;
        EXPECT_EQ(client.humanSeat, 0) << name;
    }
}

TEST_F(GameRecordClientTest, SavedTourneySamplesLoadOrAreRefusedWhole)
{
    setUpTourney();
    dir.write("KMRB2Tourney_DATA.dat", readFile(sampleDir() + "/KMRB2Tourney_DATA.dat"));
    ASSERT_TRUE(RecordStore::loadObject("KMRB2Tourney", client, &files));
    EXPECT_EQ(setup.stakeLevel, 2);
    EXPECT_TRUE(field.entries[11]->name.equals(String("E11")));

    std::vector<std::string> samples = malformedSamples("KMRB2Tourney--");
    EXPECT_GE(samples.size(), 8u);
    for (const std::string& name : samples) {
        TournamentField target;
        target.createField(18);
        target.remaining = 9;
        client.field = &target;
        setup.stakeLevel = 5;
        dir.write("KMRB2Tourney_DATA.dat", readFile(sampleDir() + "/malformed/" + name));
        EXPECT_FALSE(RecordStore::loadObject("KMRB2Tourney", client, &files)) << name;
        EXPECT_EQ(target.entrants, 18) << name;
        EXPECT_EQ(target.remaining, 9) << name;
        EXPECT_EQ(setup.stakeLevel, 5) << name;
    }
}

TEST_F(GameRecordClientTest, ResumedTourneyKeepsItsStakeThroughTheNextSave)
{
    setUpTourney();
    setup.stakeLevel = 0; // the setup of another game
    std::vector<uint8_t> sample = readFile(sampleDir() + "/KMRB2Tourney_DATA.dat");
    dir.write("KMRB2Tourney_DATA.dat", sample);
    ASSERT_TRUE(RecordStore::loadObject("KMRB2Tourney", client, &files));
    EXPECT_EQ(setup.stakeLevel, 2);
    EXPECT_EQ(setup.tournamentSize, 0);

    // Saved straight back: the stake byte (3) stays 02, and so does every other byte.
    ASSERT_TRUE(RecordStore::saveObject("KMRB2Tourney", client, &files));
    EXPECT_EQ(dir.read("KMRB2Tourney_DATA.dat"), sample);

    // Saving a tournament marks it present, as saving a game does.
    GameRecordClient fresh(profile, setup);
    fresh.table = &table;
    fresh.field = &field;
    EXPECT_FALSE(fresh.tourneyInProgress);
    ASSERT_TRUE(RecordStore::saveObject("KMRB2Tourney", fresh, &files));
    EXPECT_TRUE(fresh.tourneyInProgress);
}
