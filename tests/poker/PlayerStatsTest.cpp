#include "poker/PlayerStats.h"

#include "core/io/ByteArrayInputStream.h"
#include "core/io/ByteArrayOutputStream.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

HandResult hand(int64_t put, int64_t collected, bool voluntary, bool raised, bool showdown)
{
    return HandResult { true, put, collected, voluntary, raised, showdown };
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

// The eight hand figures in their record order.
std::vector<int64_t> figures(const PlayerStats::Hands& h)
{
    return { h.handsPlayed, h.handsWon, h.vpipHands, h.pfrHands, h.showdowns, h.showdownsWon, h.biggestPotWon,
        h.netChips };
}

} // namespace

// The counting rules and the chart's window over a long run, and that the record
// brings all of it back except the session.
TEST(PlayerStatsTest, CountsHandsAndTournamentsAndKeepsTheLastChartPoints)
{
    PlayerStats stats;
    stats.addHand(HandResult()); // not dealt in: nothing
    EXPECT_TRUE(stats.total.handsPlayed == 0 && stats.chartCount() == 0);

    stats.addHand(hand(10, 0, false, false, false));       // big blind, folded to a raise
    stats.addHand(hand(200, 450, true, true, true));        // raised, won at showdown
    stats.addHand(hand(5, 15, false, false, false));         // small blind, walk back... collected
    stats.addHand(hand(300, 0, true, false, true));          // called down, lost
    stats.addHand(hand(3000000000LL, 6000000000LL, true, true, true)); // beyond 32 bits
    EXPECT_EQ(figures(stats.total),
        (std::vector<int64_t> { 5, 3, 3, 2, 3, 2, 6000000000LL, -10 + 250 + 10 - 300 + 3000000000LL }));
    EXPECT_EQ(figures(stats.session), figures(stats.total));
    ASSERT_EQ(stats.chartCount(), 5);
    EXPECT_EQ(stats.chartPoint(1), 240);

    stats.addTournament(4, /*paid=*/false);
    stats.addTournament(2, /*paid=*/true);
    stats.addTournament(1, /*paid=*/true);
    stats.addTournament(0, /*paid=*/false); // no place: not a finished tournament
    const PlayerStats::Tournaments& played = stats.tournaments;
    EXPECT_EQ((std::vector<int32_t> { played.played, played.won, played.cashed, played.bestPlace }),
        (std::vector<int32_t> { 3, 1, 2, 1 }));

    // 600 more hands of +1: the chart keeps the last 500, oldest first.
    for (int i = 0; i < 600; ++i)
        stats.addHand(hand(1, 2, false, false, false));
    ASSERT_EQ(stats.chartCount(), PlayerStats::CHART_POINTS);
    EXPECT_EQ(stats.chartPoint(PlayerStats::CHART_POINTS - 1), stats.total.netChips);
    EXPECT_EQ(stats.chartPoint(0), stats.total.netChips - (PlayerStats::CHART_POINTS - 1));

    PlayerStats again;
    again.session.handsPlayed = 7; // a record never brings a session with it
    ASSERT_EQ(readInto(again, bytesOf(stats)), PlayerStats::Read::Whole);
    EXPECT_EQ(figures(again.total), figures(stats.total));
    EXPECT_EQ(again.session.handsPlayed, 7);
    EXPECT_EQ(again.tournaments.cashed, 2);
    ASSERT_EQ(again.chartCount(), stats.chartCount());
    for (int i = 0; i < stats.chartCount(); ++i)
        ASSERT_EQ(again.chartPoint(i), stats.chartPoint(i)) << i;

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
        EXPECT_EQ(figures(cut.total), figures(stats.total)) << length;
        EXPECT_EQ(cut.tournaments.played, length >= tournamentsEnd ? 1 : 0) << length;
        // Only whole points, in order.
        const int points = length >= tournamentsEnd + 2 ? int(length - tournamentsEnd - 2) / 8 : 0;
        ASSERT_EQ(cut.chartCount(), points) << length;
        for (int i = 0; i < points; ++i)
            EXPECT_EQ(cut.chartPoint(i), stats.chartPoint(i));
    }

    // Hostile and foreign records: a chart count beyond the chart (0xFFFF) keeps the
    // figures and drops the chart; version 0 is no record of ours; a later version's
    // appended fields are skipped; more hands won than played, or a negative count,
    // are refused whole; a tournament block claiming a win without a first place is
    // dropped on its own.
    struct Damage {
        const char* what;
        size_t at;
        uint8_t value;
        PlayerStats::Read read;
        int64_t handsPlayed;
        int32_t chartPoints; // -1: not checked
        int32_t tournaments;
    };
    const Damage damages[] = {
        { "chart count", tournamentsEnd, 0xFF, PlayerStats::Read::Partial, 40, 0, 1 },
        { "version 0", 0, 0, PlayerStats::Read::Refused, 0, 0, 0 },
        { "later version", 0, 9, PlayerStats::Read::Whole, 40, 40, 1 },
        { "won > played", 1 + 4 + 3, 0xFF, PlayerStats::Read::Refused, 0, 0, 0 },
        { "negative", 1, 0x80, PlayerStats::Read::Refused, 0, 0, 0 },
        { "odd tournaments", handsEnd + 7, 1, PlayerStats::Read::Partial, 40, -1, 0 },
    };
    for (const Damage& d : damages) {
        std::vector<uint8_t> bytes = whole;
        bytes[d.at] = d.value;
        if (d.at == tournamentsEnd)
            bytes[d.at + 1] = 0xFF;
        if (d.read == PlayerStats::Read::Whole)
            bytes.insert(bytes.end(), { 1, 2, 3, 4, 5 });
        PlayerStats read;
        EXPECT_EQ(readInto(read, bytes), d.read) << d.what;
        EXPECT_EQ(read.total.handsPlayed, d.handsPlayed) << d.what;
        if (d.handsPlayed != 0) {
            EXPECT_EQ(figures(read.total), figures(stats.total)) << d.what;
        }
        EXPECT_TRUE(d.chartPoints < 0 || read.chartCount() == d.chartPoints) << d.what << ": " << read.chartCount();
        EXPECT_EQ(read.tournaments.played, d.tournaments) << d.what;
    }

    // Through the record client: a refused record leaves what was there.
    PlayerStats kept;
    kept.addHand(hand(0, 5, false, false, false));
    ByteArray bad(1);
    bad[0] = 0;
    ByteArrayInputStream source(bad);
    DataInputStream in(&source);
    EXPECT_FALSE(kept.loadRecord(String(PlayerStats::STORE_NAME), in));
    EXPECT_TRUE(kept.total.handsPlayed == 1 && kept.chartCount() == 1);
}
