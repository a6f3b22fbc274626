// Runs the built kmtool on the sample stores: the JSON it prints, its refusals, and
// that it never changes the file it reads; and what the game's start does with the
// files a killed run leaves.
#include "PlaySession.h"
#include "ToolRun.h"
#include "core/io/SampleFiles.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <fstream>
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

// A store without records, as a run that ended before its first save can leave it
// (0 bytes, or the 8-byte header alone), decodes as an empty store.
TEST(StoreCommandsTest, EmptyStoresDecodeAsEmpty)
{
    TempFolder data;
    std::ofstream(data.path + "/GAME_STORE_DATA.dat", std::ios::binary);
    std::ofstream(data.path + "/KMRB2Options_DATA.dat", std::ios::binary).write("\0\0\0\0\3\0\0\0", 8);
    ToolRun settings = kmtool("store decode GAME_STORE_DATA.dat --data-dir " + data.path);
    EXPECT_EQ(settings.status, 0) << settings.err;
    EXPECT_EQ(settings.out,
        "{\"store\":\"GAME_STORE\",\"kind\":\"settings\",\"records\":[],\"nextRecordId\":0,\"fields\":null}\n");
    ToolRun profile = kmtool("store decode KMRB2Options_DATA.dat --data-dir " + data.path);
    EXPECT_EQ(profile.status, 0) << profile.err;
    EXPECT_EQ(profile.out,
        "{\"store\":\"KMRB2Options\",\"kind\":\"profile\",\"records\":[],\"nextRecordId\":3,\"fields\":null}\n");
}

// What a start does with what a killed run left: a complete journal of changes is
// applied and removed, our stores' temporary files are removed and nothing else is,
// and a run that ends during start-up leaves no empty settings store.
TEST(StoreCommandsTest, StartFinishesAJournalAndSweepsOurTemporaries)
{
    TempFolder data;
    auto write = [&](const std::string& name, const std::vector<uint8_t>& bytes) {
        std::ofstream(data.path + "/" + name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    };
    write("KMRB2GameInit_DATA.dat", readFile(sampleDir() + "/KMRB2GameInit_DATA.dat"));
    write(".KMRB2Game_DATA.dat.AbC123", { 1, 2, 3 });
    write(".KMRB2Journal.dat.q1w2e3", { 1 });
    write(".frame-size.abc123", { 4 });
    // The journal, laid out by hand: magic, version 1, one change (kind 2: remove)
    // naming the setup store, and the CRC-32 of all of it.
    std::vector<uint8_t> journal = { 'K', 'M', 'T', 'J', 1, 0, 0, 0, 1, 0, 0, 0, 2 };
    const std::string target = "KMRB2GameInit_DATA.dat";
    journal.insert(journal.end(), { uint8_t(target.size()), 0, 0, 0 });
    journal.insert(journal.end(), target.begin(), target.end());
    const uLong crc = crc32(0, journal.data(), uInt(journal.size()));
    for (int shift = 0; shift < 32; shift += 8)
        journal.push_back(uint8_t(crc >> shift));
    write("KMRB2Journal.dat", journal);

    PlayRun run = playScript("wait 16000\ndump\nquit\n", "--data-dir " + data.path);
    ASSERT_EQ(run.status, 0) << run.error;
    ASSERT_EQ(run.dumps.size(), 1u);
    struct stat info;
    EXPECT_NE(stat((data.path + "/KMRB2GameInit_DATA.dat").c_str(), &info), 0);
    EXPECT_NE(stat((data.path + "/KMRB2Journal.dat").c_str(), &info), 0);
    EXPECT_NE(stat((data.path + "/.KMRB2Game_DATA.dat.AbC123").c_str(), &info), 0);
    EXPECT_NE(stat((data.path + "/.KMRB2Journal.dat.q1w2e3").c_str(), &info), 0);
    EXPECT_EQ(stat((data.path + "/.frame-size.abc123").c_str(), &info), 0);
    // Quit at the sound question: the settings were never saved, so no file at all.
    EXPECT_NE(stat((data.path + "/GAME_STORE_DATA.dat").c_str(), &info), 0);
}
