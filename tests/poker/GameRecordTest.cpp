#include "poker/GameRecord.h"

#include "core/io/ByteArrayInputStream.h"
#include "core/io/ByteArrayOutputStream.h"
#include "poker/TableHelpers.h"

#include <gtest/gtest.h>

// The round trip goes through the record client (GameRecordClientTest); here the
// ends of the seat list's ranges, which the malformed samples do not all reach.
TEST(GameRecordTest, BadSeatListValuesRefuseTheRecord)
{
    ScriptedTable saved({ 1500, 1500 }, 0);
    const uint8_t avatars[PokerTable::SEATS] = { 6, 1, 1, 1, 1, GameRecord::MAX_AVATAR };
    ByteArrayOutputStream bytes;
    DataOutputStream out(&bytes);
    ASSERT_TRUE(GameRecord::write(out, saved.table, avatars, 5));
    const ByteArray good = bytes.toByteArray();
    // The last byte is the human's seat; the one before it seat 5's avatar.
    const std::pair<int32_t, uint8_t> corruptions[] = {
        { good.length - 1, 6 },
        { good.length - 1, 0xFF },
        { good.length - 2, 8 },
        { good.length - 2, 0x80 },
        { -1, 0 }, // unchanged: the good record reads
    };
    for (const auto& c : corruptions) {
        ByteArray bad(good.length);
        for (int32_t i = 0; i < good.length; ++i)
            bad[i] = i == c.first ? c.second : good[i];
        ByteArrayInputStream source(bad);
        DataInputStream in(&source);
        GameRecord record;
        EXPECT_EQ(record.read(in, saved.table), c.first < 0) << c.first;
    }
    ByteArrayInputStream cut(good, 0, good.length - 1);
    DataInputStream in(&cut);
    GameRecord record;
    EXPECT_FALSE(record.read(in, saved.table));
}
