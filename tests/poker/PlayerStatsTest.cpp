#include "poker/PlayerStats.h"

#include "core/io/ByteArrayInputStream.h"
#include "core/io/ByteArrayOutputStream.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

HandResult hand(int64_t put, int64_t collected, bool voluntary, bool raised, bool showdown)
{
    HandResult h;
    h.dealt = true;
    h.put = put;
    h.collected = collected;
    h.voluntary = voluntary;
    h.raised = raised;
    h.showdown = showdown;
    return h;
}

std::vector<uint8_t> bytesOf(const PlayerStats& stats)
{
    ByteArrayOutputStream bytes;
    DataOutputStream out(&bytes);
    stats.write(out);
    out.flush();
    ByteArray array = bytes.toByteArray();
    return std::vector<uint8_t>(array.data, array.data + array.length);
}

PlayerStats::Read readInto(PlayerStats& stats, const std::vector<uint8_t>& bytes)
{
    ByteArray array(int32_t(bytes.size()));
    for (size_t i = 0; i < bytes.size(); ++i)
        array[int32_t(i)] = bytes[i];
    ByteArrayInputStream source(array);
    DataInputStream in(&source);
    return stats.read(in);
}

void expectSameHands(const PlayerStats::Hands& a, const PlayerStats::Hands& b)
{
    EXPECT_EQ(a.handsPlayed, b.handsPlayed);
    EXPECT_EQ(a.handsWon, b.handsWon);
    EXPECT_EQ(a.vpipHands, b.vpipHands);
    EXPECT_EQ(a.pfrHands, b.pfrHands);
    EXPECT_EQ(a.showdowns, b.showdowns);
    EXPECT_EQ(a.showdownsWon, b.showdownsWon);
    EXPECT_EQ(a.biggestPotWon, b.biggestPotWon);
    EXPECT_EQ(a.netChips, b.netChips);
}

} // namespace

// The counting rules and the chart's window over a long run, and that the record
// brings all of it back except the session.
TEST(PlayerStatsTest, CountsHandsAndTournamentsAndKeepsTheLastChartPoints)
{
    PlayerStats stats;
    stats.addHand(HandResult()); // not dealt in: nothing
    EXPECT_EQ(stats.total.handsPlayed, 0);
    EXPECT_EQ(stats.chartCount(), 0);

    stats.addHand(hand(10, 0, false, false, false));       // big blind, folded to a raise
    stats.addHand(hand(200, 450, true, true, true));        // raised, won at showdown
    stats.addHand(hand(5, 15, false, false, false));         // small blind, walk back... collected
    stats.addHand(hand(300, 0, true, false, true));          // called down, lost
    stats.addHand(hand(3000000000LL, 6000000000LL, true, true, true)); // beyond 32 bits
    const PlayerStats::Hands& t = stats.total;
    EXPECT_EQ(t.handsPlayed, 5);
    EXPECT_EQ(t.handsWon, 3);
    EXPECT_EQ(t.vpipHands, 3);
    EXPECT_EQ(t.pfrHands, 2);
    EXPECT_EQ(t.showdowns, 3);
    EXPECT_EQ(t.showdownsWon, 2);
    EXPECT_EQ(t.biggestPotWon, 6000000000LL);
    EXPECT_EQ(t.netChips, -10 + 250 + 10 - 300 + 3000000000LL);
    expectSameHands(stats.session, stats.total);
    ASSERT_EQ(stats.chartCount(), 5);
    EXPECT_EQ(stats.chartPoint(0), -10);
    EXPECT_EQ(stats.chartPoint(1), 240);
    EXPECT_EQ(stats.chartPoint(4), t.netChips);

    stats.addTournament(4, /*paid=*/false);
    stats.addTournament(2, /*paid=*/true);
    stats.addTournament(1, /*paid=*/true);
    stats.addTournament(0, /*paid=*/false); // no place: not a finished tournament
    EXPECT_EQ(stats.tournaments.played, 3);
    EXPECT_EQ(stats.tournaments.won, 1);
    EXPECT_EQ(stats.tournaments.cashed, 2);
    EXPECT_EQ(stats.tournaments.bestPlace, 1);

    // 600 more hands of +1: the chart keeps the last 500, oldest first.
    for (int i = 0; i < 600; ++i)
        stats.addHand(hand(1, 2, false, false, false));
    ASSERT_EQ(stats.chartCount(), PlayerStats::CHART_POINTS);
    EXPECT_EQ(stats.chartPoint(PlayerStats::CHART_POINTS - 1), stats.total.netChips);
    EXPECT_EQ(stats.chartPoint(0), stats.total.netChips - (PlayerStats::CHART_POINTS - 1));

    PlayerStats again;
    again.session.handsPlayed = 7; // a record never brings a session with it
    ASSERT_EQ(readInto(again, bytesOf(stats)), PlayerStats::Read::Whole);
    expectSameHands(again.total, stats.total);
    EXPECT_EQ(again.session.handsPlayed, 7);
    EXPECT_EQ(again.tournaments.bestPlace, 1);
    EXPECT_EQ(again.tournaments.cashed, 2);
    ASSERT_EQ(again.chartCount(), stats.chartCount());
    for (int i = 0; i < stats.chartCount(); ++i)
        ASSERT_EQ(again.chartPoint(i), stats.chartPoint(i)) << i;

    stats.reset();
    EXPECT_EQ(stats.total.handsPlayed, 0);
    EXPECT_EQ(stats.session.handsPlayed, 0);
    EXPECT_EQ(stats.tournaments.played, 0);
    EXPECT_EQ(stats.chartCount(), 0);
}

// Cut records keep every whole block before the cut and nothing after; hostile
// counts, unknown versions and figures that contradict each other are refused or
// cut off without reading past the data.
TEST(PlayerStatsTest, DamagedRecordsGiveWhatCanBeRead)
{
    PlayerStats stats;
    for (int i = 0; i < 40; ++i)
        stats.addHand(hand(10, i % 3 == 0 ? 30 : 0, i % 2 == 0, i % 4 == 0, i % 5 == 0));
    stats.addTournament(3, /*paid=*/true);
    const std::vector<uint8_t> whole = bytesOf(stats);
    const size_t handsEnd = 1 + 6 * 4 + 2 * 8;
    const size_t tournamentsEnd = handsEnd + 4 * 4;
    ASSERT_EQ(whole.size(), tournamentsEnd + 2 + 40 * 8);

    for (size_t length = 0; length < whole.size(); ++length) {
        PlayerStats cut;
        const PlayerStats::Read read = readInto(cut, std::vector<uint8_t>(whole.begin(), whole.begin() + length));
        if (length < handsEnd) {
            EXPECT_EQ(read, PlayerStats::Read::Refused) << length;
            EXPECT_EQ(cut.total.handsPlayed, 0) << length;
            continue;
        }
        EXPECT_EQ(read, PlayerStats::Read::Partial) << length;
        expectSameHands(cut.total, stats.total);
        EXPECT_EQ(cut.tournaments.played, length >= tournamentsEnd ? 1 : 0) << length;
        // Only whole points, in order.
        const int points = length >= tournamentsEnd + 2 ? int(length - tournamentsEnd - 2) / 8 : 0;
        ASSERT_EQ(cut.chartCount(), points) << length;
        for (int i = 0; i < points; ++i)
            EXPECT_EQ(cut.chartPoint(i), stats.chartPoint(i));
    }

    // A chart count beyond the chart (0xFFFF) keeps the figures and drops the chart.
    std::vector<uint8_t> hostile = whole;
    hostile[tournamentsEnd] = 0xFF;
    hostile[tournamentsEnd + 1] = 0xFF;
    PlayerStats big;
    EXPECT_EQ(readInto(big, hostile), PlayerStats::Read::Partial);
    EXPECT_EQ(big.total.handsPlayed, 40);
    EXPECT_EQ(big.chartCount(), 0);

    // Version 0 is no record of ours; a later version's appended fields are skipped.
    std::vector<uint8_t> unknown = whole;
    unknown[0] = 0;
    PlayerStats none;
    EXPECT_EQ(readInto(none, unknown), PlayerStats::Read::Refused);
    EXPECT_EQ(none.total.handsPlayed, 0);
    std::vector<uint8_t> later = whole;
    later[0] = 9;
    later.insert(later.end(), {1, 2, 3, 4, 5});
    PlayerStats newer;
    EXPECT_EQ(readInto(newer, later), PlayerStats::Read::Whole);
    expectSameHands(newer.total, stats.total);

    // More hands won than played, and a negative count: refused whole.
    std::vector<uint8_t> contradiction = whole;
    contradiction[1 + 4 + 3] = 0xFF; // handsWon's low byte: 255 > 40 hands played
    PlayerStats refused;
    EXPECT_EQ(readInto(refused, contradiction), PlayerStats::Read::Refused);
    std::vector<uint8_t> negative = whole;
    negative[1] = 0x80; // handsPlayed's sign bit
    EXPECT_EQ(readInto(refused, negative), PlayerStats::Read::Refused);
    EXPECT_EQ(refused.total.handsPlayed, 0);

    // A tournament block that claims a win without a first place is dropped.
    std::vector<uint8_t> oddTournaments = whole;
    oddTournaments[handsEnd + 7] = 1; // won = 1, best place still 3
    PlayerStats partial;
    EXPECT_EQ(readInto(partial, oddTournaments), PlayerStats::Read::Partial);
    EXPECT_EQ(partial.tournaments.played, 0);
    EXPECT_EQ(partial.total.handsPlayed, 40);

    // Through the record client: a refused record leaves what was there.
    PlayerStats kept;
    kept.addHand(hand(0, 5, false, false, false));
    ByteArray bad(1);
    bad[0] = 0;
    ByteArrayInputStream source(bad);
    DataInputStream in(&source);
    EXPECT_FALSE(kept.loadRecord(String(PlayerStats::STORE_NAME), in));
    EXPECT_EQ(kept.total.handsPlayed, 1);
    EXPECT_EQ(kept.chartCount(), 1);
}
