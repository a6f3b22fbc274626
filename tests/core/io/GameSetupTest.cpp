#include "core/io/GameSetup.h"

#include "core/io/ByteArrayOutputStream.h"
#include "core/io/StreamBytes.h"
#include "core/io/TempDirectory.h"
#include "host/posix/PosixFileSystem.h"

#include <gtest/gtest.h>

TEST(GameSetupTest, RecordLayoutAndRoundTrip)
{
    GameSetup setup;
    setup.gameType = GameSetup::GAME_TOURNAMENT;
    setup.stakeLevel = 5;
    setup.playerName = String("Rosa");
    setup.avatar = 2;
    setup.tournamentSize = 4;
    ByteArrayOutputStream bytes;
    DataOutputStream out(&bytes);
    ASSERT_TRUE(setup.write(out));
    EXPECT_EQ(bytesOf(bytes.toByteArray()), (std::vector<uint8_t> { 0, 8, 5, 0, 4, 'R', 'o', 's', 'a', 2, 4 }));

    TempDirectory dir;
    PosixFileSystem files(dir.path);
    ASSERT_TRUE(setup.saveSetup(&files));
    GameSetup loaded;
    ASSERT_TRUE(loaded.loadSetup(&files));
    EXPECT_EQ(loaded.gameType, 8);
    EXPECT_EQ(loaded.stakeLevel, 5);
    EXPECT_TRUE(loaded.playerName.equals(String("Rosa")));
    EXPECT_EQ(loaded.avatar, 2);
    EXPECT_EQ(loaded.tournamentSize, 4);
}

TEST(GameSetupTest, ValuesThatIndexTheGameTablesAreChecked)
{
    const std::vector<std::vector<uint8_t>> bad = {
        { 0, 9, 0, 0, 0, 6, 0 },    // game type
        { 0, 6, 6, 0, 0, 6, 0 },    // stake level
        { 0, 6, 0xFF, 0, 0, 6, 0 }, // negative stake level
        { 0, 8, 0, 0, 0, 6, 5 },    // tournament size
        { 0, 8, 0, 0, 0, 8, 0 },    // avatar
        { 0, 8, 0, 0, 0, 6 },       // truncated
    };
    for (const auto& record : bad) {
        GameSetup setup;
        setup.stakeLevel = 3;
        ByteArrayInputStream source(arrayOf(record));
        DataInputStream in(&source);
        EXPECT_FALSE(setup.read(in));
        EXPECT_EQ(setup.stakeLevel, 3);
    }
}
