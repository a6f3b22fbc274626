#include "poker/TourneyRecord.h"

#include "core/io/ByteArrayInputStream.h"
#include "core/io/ByteArrayOutputStream.h"
#include "core/io/RecordStore.h"
#include "core/io/TempDirectory.h"
#include "host/posix/PosixFileSystem.h"
#include "poker/GameRecordClient.h"
#include "poker/RandomSource.h"
#include "poker/TableHelpers.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// A consistent 250-entrant tournament: entrants seated round the 42 tables in turn,
// the first 40 eliminated with places 211..250.
std::unique_ptr<TourneyRecord> bigTourney()
{
    auto record = std::make_unique<TourneyRecord>();
    record->entrants = 250;
    record->fieldIndex = 4;
    record->stakeIndex = 5;
    TableRecord& table = record->table;
    for (int seat = 0; seat < PokerTable::SEATS; ++seat) {
        table.players[seat].seat = seat;
        table.players[seat].name = String("P");
        table.players[seat].seated = true;
        table.players[seat].chips = 500;
    }
    table.level = 4;
    table.handsPlayed = 45;
    FieldRecord& field = record->field;
    field.entrants = 250;
    field.tableCount = 42;
    field.remaining = 210;
    field.bigBlind = 70;
    field.smallBlind = 35;
    int filled[FieldRecord::MAX_TABLES] = {};
    for (int i = 0; i < 250; ++i) {
        FieldRecord::EntryRecord& entry = field.entries[i];
        entry.id = i;
        entry.name = String("E") + int32_t(i);
        entry.avatar = i % 6;
        bool out = i >= 210;
        entry.chips = out ? 0 : 500 + i;
        entry.place = out ? 250 - (i - 210) : 1 + (209 - i);
        field.standings[out ? i : 209 - i] = i;
        if (!out) {
            int t = i % 42;
            entry.table = t;
            field.tables[t].seats[filled[t]++] = i;
        }
    }
    return record;
}

ByteArray bytesOf(const TourneyRecord& record)
{
    ByteArrayOutputStream bytes;
    DataOutputStream out(&bytes);
    EXPECT_TRUE(record.write(out));
    return bytes.toByteArray();
}

PokerTable scheduledTable()
{
    PokerTable table;
    table.resetGame();
    table.setBlindSchedule();
    return table;
}

// The record read from the first `length` bytes (all of them by default) and, with
// `validate`, checked against a scheduled table; null when refused. A full record
// read back leaves no byte unread.
std::unique_ptr<TourneyRecord> readBack(const ByteArray& bytes, int32_t length = -1, bool validate = true)
{
    ByteArrayInputStream source(bytes, 0, length < 0 ? bytes.length : length);
    DataInputStream in(&source);
    auto record = std::make_unique<TourneyRecord>();
    PokerTable table = scheduledTable();
    if (!record->readFields(in) || (validate && !record->isValidFor(table)))
        return nullptr;
    EXPECT_EQ(source.available(), 0);
    return record;
}

} // namespace

// Beside the malformed samples (GameRecordClientTest), which hold more of these.
TEST(TourneyRecordTest, ValuesThatIndexTheFieldRefuseTheRecord)
{
    const std::vector<std::pair<const char*, std::function<void(TourneyRecord&)>>> corruptions = {
        { "field index", [](TourneyRecord& r) { r.fieldIndex = 5; } },
        { "stake index", [](TourneyRecord& r) { r.stakeIndex = -1; } },
        { "remaining", [](TourneyRecord& r) { r.field.remaining = 251; } },
        // Ranking would write the busted below standings[0] (found by fuzzing).
        { "remaining below the seated", [](TourneyRecord& r) { r.field.remaining = 200; } },
        { "entry away from its seat", [](TourneyRecord& r) { r.field.entries[7].table = 8; } },
        { "human table", [](TourneyRecord& r) { r.field.humanTable = 42; } },
        { "standings twice", [](TourneyRecord& r) { r.field.standings[3] = r.field.standings[4]; } },
        { "entry id", [](TourneyRecord& r) { r.field.entries[7].id = 8; } },
        { "entry table", [](TourneyRecord& r) { r.field.entries[7].table = 42; } },
        { "avatar", [](TourneyRecord& r) { r.field.entries[7].avatar = 8; } },
        { "chips", [](TourneyRecord& r) { r.field.entries[7].chips = -1; } },
        { "seated twice", [](TourneyRecord& r) { r.field.tables[2].seats[5] = r.field.tables[1].seats[0]; } },
        { "button", [](TourneyRecord& r) { r.field.tables[2].button = 6; } },
        { "table level", [](TourneyRecord& r) { r.table.level = 20; } },
    };
    ASSERT_TRUE(readBack(bytesOf(*bigTourney())));
    for (const auto& corruption : corruptions) {
        auto record = bigTourney();
        corruption.second(*record);
        EXPECT_FALSE(readBack(bytesOf(*record))) << corruption.first;
    }
}

// The 250-entrant field reads back and saves again byte for byte. Ranking only empties
// an out entrant's seat, so a record may keep its last table byte: it loads, and the
// entrant is at no table whatever the byte says.
TEST(TourneyRecordTest, OutEntrantsLoadAtNoTableWhateverTheirTableByte)
{
    auto saved = bigTourney();
    saved->field.entries[230].table = 230 % 42; // the table it busted at
    saved->field.entries[231].table = 100;      // not seated: never used to index
    ByteArray bytes = bytesOf(*saved);
    auto loaded = readBack(bytes);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->field.tableCount, 42);
    EXPECT_EQ(loaded->field.entries[249].place, 211);
    EXPECT_EQ(loaded->field.entries[249].chips, 0);
    EXPECT_EQ(loaded->field.entries[249].table, -1);
    EXPECT_TRUE(loaded->field.entries[17].name.equals(String("E17")));
    EXPECT_EQ(loaded->field.tables[41].seats[4], 209);
    EXPECT_EQ(loaded->field.tables[41].seats[5], -1);
    EXPECT_EQ(loaded->table.level, 4);
    ByteArray again = bytesOf(*loaded);
    ASSERT_EQ(again.length, bytes.length);
    EXPECT_EQ(std::memcmp(again.data, bytes.data, size_t(bytes.length)), 0);

    PokerTable table = scheduledTable();
    TournamentField field;
    field.createField(250);
    loaded->applyTo(table, field);
    EXPECT_EQ(field.entry(230)->table, -1);
    EXPECT_EQ(field.entry(231)->table, -1);
    EXPECT_FALSE(field.entry(230)->active);
    EXPECT_EQ(field.entry(17)->table, 17);
    EXPECT_EQ(field.tables[17].seats[0], 17);
}

TEST(TourneyRecordTest, CountsThatSizeTheReadLoopsAreCheckedBeforeReading)
{
    // seatsPerTable and tableCount decide how much follows; a hostile value must
    // stop the read, not run past the record's arrays.
    for (int32_t seatsPerTable : { 0, 7, 127, -1 }) {
        auto record = bigTourney();
        record->field.seatsPerTable = seatsPerTable;
        EXPECT_FALSE(readBack(bytesOf(*record), -1, false)) << seatsPerTable;
    }
    // Header 4 bytes, table record 1 + 6 x 9 + 11 = 66 bytes (one-letter names),
    // then seatsPerTable and remaining: the table count is byte 73.
    const int32_t tableCountAt = 4 + 66 + 3;
    for (uint8_t tableCount : { 0, 43, 127, 0xFD }) {
        ByteArray bytes = bytesOf(*bigTourney());
        ASSERT_EQ(bytes[tableCountAt], 42);
        bytes[tableCountAt] = tableCount;
        EXPECT_FALSE(readBack(bytes, -1, false)) << int(tableCount);
    }
    for (int32_t entrants : { 0, -12, 251, 30000 }) {
        auto record = bigTourney();
        record->entrants = entrants;
        EXPECT_FALSE(readBack(bytesOf(*record), -1, false)) << entrants;
    }
    ByteArray good = bytesOf(*bigTourney());
    for (int32_t cut : { 0, 3, 60, good.length / 2, good.length - 1 })
        EXPECT_FALSE(readBack(good, cut, false)) << cut;
}

// Through the record client and the store files: a 250-entrant field played for a
// while, with eliminated entrants, comes back into a field that was set up for another
// size, and saved again it gives the same bytes.
TEST(TourneyRecordTest, PlayedFieldRoundTripsThroughTheStore)
{
    RandomSource::shared().setSeed(1234);
    PokerTable table = scheduledTable();
    table.handsPlayed = 200;
    table.level = 19;
    TournamentField field;
    field.createField(250);
    for (int i = 0; i < 250; ++i)
        field.setEntry(i, String("E") + int32_t(i), TournamentField::STARTING_CHIPS, i % 6);
    for (int hand = 0; hand < 40; ++hand) {
        field.bigBlind = 400;
        field.smallBlind = 200;
        field.advance();
    }
    ASSERT_LT(field.remaining, 250); // some entrants are out

    TempDirectory dir;
    PosixFileSystem files(dir.path);
    Profile profile;
    GameSetup setup;
    setup.stakeLevel = 3;
    GameRecordClient client(profile, setup);
    client.table = &table;
    client.field = &field;
    ASSERT_TRUE(RecordStore::saveObject(TourneyRecord::STORE_NAME, client, &files));
    const std::vector<uint8_t> saved = dir.read("KMRB2Tourney_DATA.dat");

    PokerTable restoredTable = scheduledTable();
    TournamentField restoredField;
    restoredField.createField(12);
    GameSetup resumedSetup; // stake 0, 12 entrants
    GameRecordClient resumed(profile, resumedSetup);
    resumed.table = &restoredTable;
    resumed.field = &restoredField;
    resumed.tourneyInProgress = true;
    ASSERT_TRUE(RecordStore::loadObject(TourneyRecord::STORE_NAME, resumed, &files));
    EXPECT_EQ(resumedSetup.stakeLevel, 3);
    EXPECT_EQ(resumedSetup.tournamentSize, 4);
    EXPECT_EQ(restoredTable.handsPlayed, -56);
    EXPECT_EQ(restoredTable.level, 19);
    ASSERT_EQ(restoredField.entrants, 250);
    for (int i = 0; i < 250; ++i) {
        ASSERT_EQ(restoredField.entries[size_t(i)]->active, field.entries[size_t(i)]->active) << i;
        ASSERT_EQ(restoredField.entries[size_t(i)]->startChips, restoredField.entries[size_t(i)]->chips) << i;
    }
    ASSERT_TRUE(RecordStore::saveObject(TourneyRecord::STORE_NAME, resumed, &files));
    EXPECT_EQ(dir.read("KMRB2Tourney_DATA.dat"), saved);
    // The restored field plays on.
    for (int hand = 0; hand < 20; ++hand)
        restoredField.advance();
    EXPECT_LE(restoredField.remaining, field.remaining);
}
