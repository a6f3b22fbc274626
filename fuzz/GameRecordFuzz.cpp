// Feeds arbitrary bytes to the cash-game record reader, as record 1 of "KMRB2Game".
// A record that is accepted must apply to a table and save back to a record that
// is accepted again with the same values.
#include "FuzzInput.h"
#include "core/io/ByteArrayInputStream.h"
#include "core/io/ByteArrayOutputStream.h"
#include "poker/GameRecord.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// The seat list is applied after the table record, so its chips and seated flags win.
bool sameGame(const GameRecord& first, const GameRecord& second)
{
    const TableRecord& a = first.table;
    const TableRecord& b = second.table;
    for (int i = 0; i < PokerTable::SEATS; ++i) {
        if (first.seats[i].chips != b.players[i].chips || first.seats[i].seated != b.players[i].seated
            || first.seats[i].chips != second.seats[i].chips || first.seats[i].avatar != second.seats[i].avatar)
            return false;
    }
    return a.state == b.state && a.toAct == b.toAct && a.handsPlayed == b.handsPlayed && a.level == b.level
           && a.dealer == b.dealer && a.smallBlindSeat == b.smallBlindSeat && a.bigBlindSeat == b.bigBlindSeat;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 20)
        return 0;
    ByteArray bytes = fuzzBytes(data, size);
    ByteArrayInputStream source(bytes);
    DataInputStream in(&source);
    PokerTable table;
    table.resetGame();
    GameRecord record;
    if (!record.read(in, table))
        return 0;
    uint8_t avatars[PokerTable::SEATS] = {};
    int32_t humanSeat = -1;
    record.applyTo(table, avatars, humanSeat);

    ByteArrayOutputStream saved;
    DataOutputStream out(&saved);
    if (!GameRecord::write(out, table, avatars, humanSeat))
        __builtin_trap();
    ByteArrayInputStream again(saved.toByteArray());
    DataInputStream back(&again);
    PokerTable fresh;
    fresh.resetGame();
    GameRecord reread;
    if (!reread.read(back, fresh) || !sameGame(record, reread) || reread.humanSeat != humanSeat)
        __builtin_trap();
    return 0;
}
