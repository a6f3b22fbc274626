#include "poker/GameRecord.h"

#include "core/io/ByteArrayInputStream.h"
#include "core/io/ByteArrayOutputStream.h"
#include "poker/TableHelpers.h"

#include <gtest/gtest.h>

namespace {

ByteArray recordOf(const PokerTable& table, const uint8_t (&avatars)[PokerTable::SEATS], int humanSeat)
{
    ByteArrayOutputStream bytes;
    DataOutputStream out(&bytes);
    EXPECT_TRUE(GameRecord::write(out, table, avatars, humanSeat));
    return bytes.toByteArray();
}

} // namespace

TEST(GameRecordTest, SeatListFollowsTheTableAndRoundTrips)
{
    ScriptedTable saved({ 1500, 0, 800, 0, 0, 2 }, 0);
    saved.table.player(0).type = Player::HUMAN;
    saved.table.player(0).name = String("Rosa");
    saved.table.player(2).inHand = true;
    const uint8_t avatars[PokerTable::SEATS] = { 6, 0, 3, 0, 0, 7 };
    ByteArray bytes = recordOf(saved.table, avatars, 0);

    ScriptedTable fresh({ 1000 }, 0);
    ByteArrayInputStream source(bytes);
    DataInputStream in(&source);
    GameRecord record;
    ASSERT_TRUE(record.read(in, fresh.table));
    EXPECT_EQ(source.available(), 0); // the human's seat is the last byte
    uint8_t loadedAvatars[PokerTable::SEATS] = {};
    int32_t humanSeat = -1;
    record.applyTo(fresh.table, loadedAvatars, humanSeat);
    EXPECT_EQ(humanSeat, 0);
    EXPECT_EQ(loadedAvatars[2], 3);
    EXPECT_EQ(loadedAvatars[5], 7);
    EXPECT_EQ(fresh.table.player(0).type, Player::HUMAN);
    EXPECT_EQ(fresh.table.player(2).type, Player::COMPUTER);
    EXPECT_TRUE(fresh.table.player(2).inHand);
    EXPECT_EQ(fresh.table.player(5).chips, 2);
    EXPECT_FALSE(fresh.table.player(4).seated);
    EXPECT_TRUE(fresh.table.player(0).name.equals(String("Rosa")));
}

TEST(GameRecordTest, BadSeatListValuesRefuseTheRecord)
{
    ScriptedTable saved({ 1500, 1500 }, 0);
    const uint8_t avatars[PokerTable::SEATS] = { 6, 1, 1, 1, 1, 1 };
    ByteArray good = recordOf(saved.table, avatars, 0);
    // The last byte is the human's seat; the one before it seat 5's avatar.
    const std::pair<int32_t, uint8_t> corruptions[] = {
        { good.length - 1, 6 },
        { good.length - 1, 0xFF },
        { good.length - 2, 8 },
        { good.length - 2, 0x80 },
    };
    for (const auto& c : corruptions) {
        ByteArray bad(good.length);
        for (int32_t i = 0; i < good.length; ++i)
            bad[i] = good[i];
        bad[c.first] = c.second;
        ByteArrayInputStream source(bad);
        DataInputStream in(&source);
        GameRecord record;
        ScriptedTable target({ 1000 }, 0);
        EXPECT_FALSE(record.read(in, target.table)) << c.first;
    }
    ByteArrayInputStream cut(good, 0, good.length - 1);
    DataInputStream in(&cut);
    GameRecord record;
    EXPECT_FALSE(record.read(in, saved.table));
}
