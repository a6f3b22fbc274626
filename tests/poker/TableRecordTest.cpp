#include "poker/TableRecord.h"

#include "core/io/ByteArrayInputStream.h"
#include "core/io/ByteArrayOutputStream.h"
#include "poker/TableHelpers.h"

#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> recordOf(const PokerTable& table)
{
    ByteArrayOutputStream bytes;
    DataOutputStream out(&bytes);
    EXPECT_TRUE(TableRecord::writeTable(out, table));
    ByteArray array = bytes.toByteArray();
    return std::vector<uint8_t>(array.data, array.data + array.length);
}

// Reads and, when the record is usable, applies it; false leaves the table alone.
bool load(PokerTable& table, const std::vector<uint8_t>& bytes)
{
    ByteArray array(int32_t(bytes.size()));
    for (size_t i = 0; i < bytes.size(); ++i)
        array[int32_t(i)] = bytes[i];
    ByteArrayInputStream source(array);
    DataInputStream in(&source);
    TableRecord record;
    if (!record.readTable(in) || !record.isValidFor(table))
        return false;
    record.applyTo(table);
    return true;
}

// Offsets in a record whose six names are one letter each (2 + 1 bytes): player
// blocks are 1 + 3 + 1 + 4 = 9 bytes after the leading bool.
constexpr size_t PLAYER_BYTES = 9;
constexpr size_t STATE_AT = 1 + 6 * PLAYER_BYTES;

} // namespace

TEST(TableRecordTest, LayoutOfTheTableAndPlayerRecords)
{
    ScriptedTable t({ 1000, 0, 250 }, 0);
    t.table.blindsRaised = true;
    t.table.state = 5;
    t.table.toAct = 2;
    t.table.handsPlayed = 200;
    t.table.level = 0;
    t.table.dealer = 2;
    t.table.smallBlindSeat = -1;
    t.table.bigBlindSeat = 0;
    t.table.awaitingAction = true;
    t.table.humanAggression = -3;
    t.table.betsCollected = true;
    for (int seat = 0; seat < PokerTable::SEATS; ++seat)
        t.table.player(seat).name = String("N");
    std::vector<uint8_t> bytes = recordOf(t.table);
    ASSERT_EQ(bytes.size(), STATE_AT + 11);
    EXPECT_EQ(bytes[0], 1);
    // Seat 0: seat byte, "N", seated, 1000 big-endian.
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 1, bytes.begin() + 10),
              (std::vector<uint8_t> { 0, 0, 1, 'N', 1, 0, 0, 0x03, 0xE8 }));
    EXPECT_EQ(bytes[1 + PLAYER_BYTES + 4], 0); // seat 1 empty
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + STATE_AT, bytes.end()),
              (std::vector<uint8_t> { 5, 2, 0xC8, 0, 2, 0xFF, 0, 1, 0, 0xFD, 1 }));
}

// The round trips go through the record clients (GameRecordClientTest, TourneyRecordTest).
TEST(TableRecordTest, OutOfRangeValuesRefuseTheWholeRecord)
{
    ScriptedTable saved({ 1000, 1000 }, 0);
    for (int seat = 0; seat < PokerTable::SEATS; ++seat)
        saved.table.player(seat).name = String("N");
    const std::vector<uint8_t> good = recordOf(saved.table);
    struct Corruption {
        size_t at;
        uint8_t value;
    };
    const Corruption corruptions[] = {
        { 1, 3 },                  // seat 0 claims to be seat 3
        { 1 + PLAYER_BYTES, 0xFF }, // seat 1 claims seat -1
        { 1 + 5, 0x80 },           // seat 0 with negative chips
        { STATE_AT, 13 },          // state past the last
        { STATE_AT, 0xFF },
        { STATE_AT + 1, 6 },       // toAct
        { STATE_AT + 3, 1 },       // level 1 of a one-level (fixed blind) table
        { STATE_AT + 3, 0xFE },
        { STATE_AT + 4, 6 },       // dealer
        { STATE_AT + 4, 0xFF },
        { STATE_AT + 5, 0xF0 },    // small blind seat
        { STATE_AT + 6, 0xFF },    // big blind seat
    };
    for (const Corruption& c : corruptions) {
        std::vector<uint8_t> bad = good;
        bad[c.at] = c.value;
        ScriptedTable target({ 500 }, 0);
        target.table.dealer = 3;
        EXPECT_FALSE(load(target.table, bad)) << c.at << "=" << int(c.value);
        EXPECT_EQ(target.table.dealer, 3);
        EXPECT_EQ(target.table.player(0).chips, 500);
    }
    // Every proper prefix is truncated.
    for (size_t n = 0; n < good.size(); ++n) {
        ScriptedTable target({ 500 }, 0);
        EXPECT_FALSE(load(target.table, std::vector<uint8_t>(good.begin(), good.begin() + long(n)))) << n;
    }
    ScriptedTable target({ 500 }, 0);
    EXPECT_TRUE(load(target.table, good));
}
