// Feeds arbitrary bytes to the tournament record reader, as record 1 of
// "KMRB2Tourney". An accepted record must apply to a field of its size, save back
// to a record with the same standings and chips, and leave a field that can play on.
#include "FuzzInput.h"
#include "core/io/ByteArrayInputStream.h"
#include "core/io/ByteArrayOutputStream.h"
#include "poker/RandomSource.h"
#include "poker/TourneyRecord.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 20)
        return 0;
    ByteArray bytes = fuzzBytes(data, size);
    ByteArrayInputStream source(bytes);
    DataInputStream in(&source);
    PokerTable table;
    table.resetGame();
    table.setBlindSchedule();
    std::unique_ptr<TourneyRecord> record(new TourneyRecord);
    if (!record->readFields(in) || !record->isValidFor(table))
        return 0;
    TournamentField field;
    field.createField(record->entrants);
    if (!record->field.isValidFor(field))
        __builtin_trap(); // a valid record always fits a field created for its size
    record->applyTo(table, field);

    ByteArrayOutputStream saved;
    DataOutputStream out(&saved);
    if (!TourneyRecord::writeTourney(out, record->stakeIndex, table, field))
        __builtin_trap();
    ByteArrayInputStream again(saved.toByteArray());
    DataInputStream back(&again);
    std::unique_ptr<TourneyRecord> reread(new TourneyRecord);
    if (!reread->readFields(back) || !reread->isValidFor(table) || reread->field.remaining != record->field.remaining)
        __builtin_trap();
    for (int32_t i = 0; i < record->entrants; ++i) {
        if (reread->field.standings[i] != record->field.standings[i]
            || reread->field.entries[i].chips != record->field.entries[i].chips)
            __builtin_trap();
    }
    // The restored field must survive play: ranking, simulated hands, balancing.
    RandomSource::shared().setSeed(int64_t(size));
    field.advance();
    return 0;
}
