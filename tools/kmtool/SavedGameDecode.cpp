#include "StoreDecoders.h"
#include "ToolError.h"

#include "core/io/ByteArrayInputStream.h"
#include "poker/GameRecord.h"

namespace {

void writeTable(const TableRecord& table, JsonWriter& json)
{
    json.beginObject().key("blindsRaised").value(table.blindsRaised).key("players").beginArray();
    for (const TableRecord::PlayerRecord& player : table.players) {
        json.beginObject()
            .key("seat")
            .value(int64_t(player.seat))
            .key("name")
            .value(utf8Of(player.name))
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
            .value(utf8Of(seat.name))
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

void decodeTourney(const StoreFile& file, JsonWriter&)
{
    throw ToolError(file.path + ": decoding saved tournaments is not available yet");
}
