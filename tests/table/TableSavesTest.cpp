// Saving and resuming a table: a record read back is made playable, and the chips of
// a saved game are read without a table to put them on.
#include "table/TableSaves.h"

#include "table/TableTestSupport.h"

#include "core/io/GameSetup.h"
#include "poker/GameRecord.h"
#include "poker/TournamentField.h"

namespace {

const uint8_t AVATARS[TableSaves::SEATS] = {6, 1, 2, 3, 4, 5};

} // namespace

TEST(TableSavesTest, ASavedGameComesBackPlayableWithItsChipsReadableWithoutATable)
{
    MemoryFileSystem files;
    TestTableHost host(files);
    PokerTable& table = *host.table;
    TableSaves saves(host, table, *host.field, /*humanSeat=*/0);
    EXPECT_EQ(TableSaves::savedGameChips(nullptr, &files), -1) << "nothing saved";

    table.resetGame();
    table.setFixedBlinds(5, 10);
    table.sit(0, String("Ann"), Player::HUMAN, 1200);
    table.sit(1, String("Bob"), Player::COMPUTER, 0); // lost everything in the hand just paid
    table.sit(2, String("Cy"), Player::COMPUTER, 800);
    table.state = PokerTable::STATE_SETTLE;
    table.player(2).roundBet = 40;
    host.setup.gameType = GameSetup::GAME_CASH;
    saves.saveNewGame(GameRecord::STORE_NAME, host.setup, AVATARS);
    EXPECT_TRUE(host.client.gameInProgress);
    EXPECT_EQ(TableSaves::savedGameChips(nullptr, &files), 1200);

    table.resetGame();
    ASSERT_TRUE(saves.load(GameRecord::STORE_NAME));
    EXPECT_TRUE(saves.normaliseLoaded()) << "saved with its pots paid";
    EXPECT_EQ(table.state, PokerTable::STATE_START_HAND);
    EXPECT_FALSE(table.player(1).seated) << "the busted player leaves as the hand closes";
    EXPECT_EQ(table.player(2).roundBet, 0);
    EXPECT_EQ(host.client.avatars[3], 3);

    // Leaving pays back through the profile and drops the game's records.
    host.playerProfile.bankroll = 1200;
    ASSERT_TRUE(saves.settleLeaving(/*cash=*/true));
    EXPECT_FALSE(host.client.gameInProgress);
    EXPECT_EQ(TableSaves::savedGameChips(nullptr, &files), -1);
    Profile saved;
    ASSERT_TRUE(saved.loadProfile(&files));
    EXPECT_EQ(saved.bankroll, 1200);

    // A table that never dealt has nothing to close.
    table.resetGame();
    EXPECT_FALSE(saves.normaliseLoaded());
    EXPECT_EQ(table.state, PokerTable::STATE_CHOOSE_BUTTON);
}
