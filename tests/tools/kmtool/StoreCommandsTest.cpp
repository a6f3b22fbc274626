// Runs the built kmtool on the sample stores: the JSON it prints, its refusals, and
// that it never changes the file it reads.
#include "ToolRun.h"
#include "core/io/SampleFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(StoreCommandsTest, DumpPrintsEveryRecordAndNextRecordId)
{
    ToolRun run = kmtool("store dump " + sampleDir() + "/One_DATA.dat");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "{\"records\":[{\"id\":1,\"length\":3,\"hex\":\"616263\"}],\"nextRecordId\":1}\n");
    ToolRun relative = kmtool("store dump One_DATA.dat --data-dir " + sampleDir());
    EXPECT_EQ(relative.out, run.out);
}

TEST(StoreCommandsTest, DecodeNamesEachKnownStoresFields)
{
    ToolRun settings = kmtool("store decode " + sampleDir() + "/GAME_STORE_DATA.dat");
    EXPECT_EQ(settings.status, 0);
    EXPECT_EQ(settings.out, "{\"store\":\"GAME_STORE\",\"kind\":\"settings\",\"fields\":{\"soundOn\":true,\"volume\":70,"
                            "\"musicOn\":false,\"askSoundAtStart\":true,\"vibrationOn\":true}}\n");
    ToolRun setup = kmtool("store decode " + sampleDir() + "/KMRB2GameInit_DATA.dat");
    EXPECT_NE(setup.out.find("\"gameType\":8,\"stakeLevel\":2,\"playerName\":\"Rosa\""), std::string::npos);
    ToolRun profile = kmtool("store decode " + sampleDir() + "/KMRB2Options_DATA.dat");
    EXPECT_NE(profile.out.find("\"names\":[\"N0\",\"N1\""), std::string::npos);
    ToolRun game = kmtool("store decode " + sampleDir() + "/KMRB2Game_DATA.dat");
    EXPECT_NE(game.out.find("\"valid\":true"), std::string::npos);
    EXPECT_NE(game.out.find("\"handsPlayed\":-56"), std::string::npos);
    ToolRun tourney = kmtool("store decode " + sampleDir() + "/KMRB2Tourney_DATA.dat");
    EXPECT_EQ(tourney.status, 0);
    EXPECT_NE(tourney.out.find("\"entrants\":12"), std::string::npos);
    EXPECT_NE(tourney.out.find("\"seats\":[1,3,5,7,9,11]"), std::string::npos);
}

TEST(StoreCommandsTest, RefusalsExitWithTwoAndFilesStayUntouched)
{
    std::string malformed = sampleDir() + "/malformed/Store--4gb-length.dat";
    struct stat before;
    ASSERT_EQ(stat(malformed.c_str(), &before), 0);
    std::vector<uint8_t> bytes = readFile(malformed);
    EXPECT_EQ(kmtool("store dump " + malformed).status, 2);
    EXPECT_EQ(kmtool("store decode " + malformed).status, 2);
    EXPECT_EQ(kmtool("store dump " + sampleDir() + "/absent_DATA.dat").status, 2);
    EXPECT_EQ(kmtool("store decode " + sampleDir() + "/One_DATA.dat").status, 2); // not a known store
    EXPECT_EQ(kmtool("store dump").status, 2);
    struct stat after;
    ASSERT_EQ(stat(malformed.c_str(), &after), 0);
    EXPECT_EQ(readFile(malformed), bytes);
    EXPECT_EQ(before.st_mtime, after.st_mtime);
    // Decoding a missing GAME_STORE must not create it, as the game's loader would.
    EXPECT_EQ(kmtool("store decode " + sampleDir() + "/missing/GAME_STORE_DATA.dat").status, 2);
    struct stat none;
    EXPECT_NE(stat((sampleDir() + "/missing").c_str(), &none), 0);
}
