// Feeds arbitrary bytes to the statistics reader, as record 1 of "KMRB2Stats".
// Whatever it takes must be consistent, save back whole, and read back the same.
#include "FuzzInput.h"
#include "core/io/ByteArrayInputStream.h"
#include "core/io/ByteArrayOutputStream.h"
#include "poker/PlayerStats.h"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 20)
        return 0;
    ByteArray bytes = fuzzBytes(data, size);
    ByteArrayInputStream source(bytes);
    DataInputStream in(&source);
    std::unique_ptr<PlayerStats> stats(new PlayerStats);
    if (stats->read(in) == PlayerStats::Read::Refused)
        return 0;
    if (!stats->total.isConsistent() || stats->chartCount() > PlayerStats::CHART_POINTS)
        __builtin_trap();

    ByteArrayOutputStream saved;
    DataOutputStream out(&saved);
    stats->write(out);
    out.flush();
    ByteArrayInputStream again(saved.toByteArray());
    DataInputStream back(&again);
    std::unique_ptr<PlayerStats> reread(new PlayerStats);
    if (reread->read(back) != PlayerStats::Read::Whole)
        __builtin_trap();
    const PlayerStats::Hands& a = stats->total;
    const PlayerStats::Hands& b = reread->total;
    if (a.handsPlayed != b.handsPlayed || a.handsWon != b.handsWon || a.netChips != b.netChips ||
        a.biggestPotWon != b.biggestPotWon || stats->tournaments.bestPlace != reread->tournaments.bestPlace ||
        stats->chartCount() != reread->chartCount())
        __builtin_trap();
    for (int32_t i = 0; i < stats->chartCount(); ++i) {
        if (stats->chartPoint(i) != reread->chartPoint(i))
            __builtin_trap();
    }
    // Counting on from whatever was read must not overflow (the sanitizers watch)
    // and must add exactly the hand.
    const PlayerStats::Hands before = stats->total;
    HandResult hand;
    hand.dealt = true;
    hand.put = 10;
    hand.collected = 25;
    hand.voluntary = true;
    hand.showdown = true;
    stats->addHand(hand);
    const PlayerStats::Hands& after = stats->total;
    if (after.handsPlayed != before.handsPlayed + 1 || after.showdownsWon != before.showdownsWon + 1 ||
        after.netChips != before.netChips + 15 || after.showdownsWon > after.handsWon)
        __builtin_trap();
    return 0;
}
