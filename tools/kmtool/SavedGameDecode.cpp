#include "StoreDecoders.h"
#include "ToolError.h"

#include "core/io/ByteArrayInputStream.h"
#include "poker/GameRecord.h"
#include "poker/TourneyRecord.h"

#include <memory>

namespace {

void writeTable(const TableRecord& table, JsonWriter& json)
{
    json.beginObject().key("blindsRaised").value(table.blindsRaised).key("players").beginArray();
    for (const TableRecord::PlayerRecord& player : table.players) {
        json.beginObject()
            .key("seat")
            .value(int64_t(player.seat))
            .key("name")
            .value(player.name.toUtf8())
            .key("seated")
            .value(player.seated)
            .key("chips")
            .value(int64_t(player.chips))
            .endObject();
    }
    json.endArray()
        .key("state")
        .value(int64_t(table.state))
        .key("toAct")
        .value(int64_t(table.toAct))
        .key("handsPlayed")
        .value(int64_t(table.handsPlayed))
        .key("level")
        .value(int64_t(table.level))
        .key("dealer")
        .value(int64_t(table.dealer))
        .key("smallBlindSeat")
        .value(int64_t(table.smallBlindSeat))
        .key("bigBlindSeat")
        .value(int64_t(table.bigBlindSeat))
        .key("awaitingAction")
        .value(table.awaitingAction)
        .key("handOver")
        .value(table.handOver)
        .key("humanAggression")
        .value(int64_t(table.humanAggression))
        .key("betsCollected")
        .value(table.betsCollected)
        .endObject();
}

} // namespace

// The cash-game record is checked against a table set up for fixed blinds, as
// the game restores it; "valid" false means the game would treat it as absent.
void decodeGame(const StoreFile& file, JsonWriter& json)
{
    ByteArray record = recordOne(file);
    ByteArrayInputStream source(record);
    DataInputStream in(&source);
    GameRecord game;
    if (!game.readFields(in))
        throw ToolError(file.path + ": record 1 is truncated");
    PokerTable table;
    table.resetGame();
    json.key("valid").value(game.isValidFor(table)).key("fields").beginObject().key("table");
    writeTable(game.table, json);
    json.key("seats").beginArray();
    for (const GameRecord::SeatRecord& seat : game.seats) {
        json.beginObject()
            .key("seat")
            .value(int64_t(seat.seat))
            .key("name")
            .value(seat.name.toUtf8())
            .key("type")
            .value(int64_t(seat.type))
            .key("inHand")
            .value(seat.inHand)
            .key("seated")
            .value(seat.seated)
            .key("chips")
            .value(int64_t(seat.chips))
            .key("avatar")
            .value(int64_t(seat.avatar))
            .endObject();
    }
    json.endArray().key("humanSeat").value(int64_t(game.humanSeat)).endObject();
}

// The tournament record is checked against a table set up with the schedule and
// a field of the recorded size, as the game restores it.
void decodeTourney(const StoreFile& file, JsonWriter& json)
{
    ByteArray record = recordOne(file);
    ByteArrayInputStream source(record);
    DataInputStream in(&source);
    std::unique_ptr<TourneyRecord> tourney(new TourneyRecord);
    if (!tourney->readFields(in))
        throw ToolError(file.path + ": record 1 is truncated or its field sizes cannot be read");
    PokerTable table;
    table.resetGame();
    table.setBlindSchedule();
    const FieldRecord& field = tourney->field;
    json.key("valid")
        .value(tourney->isValidFor(table))
        .key("fields")
        .beginObject()
        .key("entrants")
        .value(int64_t(tourney->entrants))
        .key("fieldIndex")
        .value(int64_t(tourney->fieldIndex))
        .key("stakeIndex")
        .value(int64_t(tourney->stakeIndex))
        .key("table");
    writeTable(tourney->table, json);
    json.key("field")
        .beginObject()
        .key("seatsPerTable")
        .value(int64_t(field.seatsPerTable))
        .key("remaining")
        .value(int64_t(field.remaining))
        .key("tableCount")
        .value(int64_t(field.tableCount))
        .key("bigBlind")
        .value(int64_t(field.bigBlind))
        .key("smallBlind")
        .value(int64_t(field.smallBlind))
        .key("humanTable")
        .value(int64_t(field.humanTable))
        .key("humanSeat")
        .value(int64_t(field.humanSeat))
        .key("standings")
        .beginArray();
    for (int32_t i = 0; i < field.entrants; ++i)
        json.value(int64_t(field.standings[i]));
    json.endArray().key("entries").beginArray();
    for (int32_t i = 0; i < field.entrants; ++i) {
        const FieldRecord::EntryRecord& entry = field.entries[i];
        json.beginObject()
            .key("name")
            .value(entry.name.toUtf8())
            .key("chips")
            .value(int64_t(entry.chips))
            .key("place")
            .value(int64_t(entry.place))
            .key("table")
            .value(int64_t(entry.table))
            .key("id")
            .value(int64_t(entry.id))
            .key("avatar")
            .value(int64_t(entry.avatar))
            .endObject();
    }
    json.endArray().key("tables").beginArray();
    for (int32_t t = 0; t < field.tableCount; ++t) {
        json.beginObject().key("seats").beginArray();
        for (int32_t seat : field.tables[t].seats)
            json.value(int64_t(seat));
        json.endArray().key("button").value(int64_t(field.tables[t].button)).endObject();
    }
    json.endArray().endObject().endObject();
}
