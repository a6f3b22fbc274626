#include "poker/TournamentField.h"

#include "poker/RandomSource.h"

#include <gtest/gtest.h>

namespace {

TournamentField makeField(int n)
{
    TournamentField field;
    field.createField(n);
    for (int i = 0; i < n; ++i)
        field.setEntry(i, "E", TournamentField::STARTING_CHIPS, 0);
    return field;
}

} // namespace

TEST(TournamentFieldTest, CreateSeatsRoundRobinWithTheHumanAtTableZeroSeatZero)
{
    TournamentField field = makeField(250);
    EXPECT_EQ(field.tableCount, 42);
    EXPECT_EQ(field.tables[0].seats[0], 0);
    EXPECT_EQ(field.tables[1].seats[0], 1);
    EXPECT_EQ(field.tables[0].seats[1], 42);
    int total = 0;
    for (int t = 0; t < field.tableCount; ++t) {
        EXPECT_LE(field.countAt(t), 6);
        total += field.countAt(t);
    }
    EXPECT_EQ(total, 250);
    EXPECT_EQ(TournamentField::fieldIndex(36), 2);
    EXPECT_EQ(TournamentField::fieldIndex(37), -1);
}

TEST(TournamentFieldTest, PrizesPayTheFieldSizeAndNothingBeyond)
{
    EXPECT_EQ(TournamentField::prizeMultiple(0, 1), 6);
    EXPECT_EQ(TournamentField::prizeMultiple(0, 2), 4);
    EXPECT_EQ(TournamentField::prizeMultiple(0, 3), 2);
    EXPECT_EQ(TournamentField::prizeMultiple(0, 4), 0);
    EXPECT_EQ(TournamentField::prizeMultiple(4, 22), 0);
    EXPECT_EQ(TournamentField::prizeMultiple(7, 1), 0);
    for (int index = 0; index < TournamentField::FIELD_SIZES; ++index) {
        int sum = 0;
        for (int place = 1; place <= 21; ++place)
            sum += TournamentField::prizeMultiple(index, place);
        EXPECT_EQ(sum, TournamentField::ENTRANTS_BY_FIELD[index]);
    }
}

// At the human's table the hand's results are copied in before advance(): entrants
// busted there in one hand rank by the chips each had when it began, fewer below more.
TEST(TournamentFieldTest, BustsAtTheHumansTableRankByTheChipsTheHandBeganWith)
{
    TournamentField field = makeField(6); // one table: entrant i in seat i
    auto hand = [&](std::vector<int32_t> chips) {
        for (int seat = 0; seat < 6; ++seat)
            field.setChipsAtHumanSeat(seat, chips[size_t(seat)]);
        field.advance();
    };
    hand({ 1000, 900, 100, 500, 250, 250 });
    hand({ 2000, 0, 0, 500, 250, 250 });
    EXPECT_EQ(field.remaining, 4);
    EXPECT_EQ(field.placeOf(1), 5); // 900 at the start of the hand
    EXPECT_EQ(field.placeOf(2), 6); // 100
    EXPECT_EQ(field.standings[4], 1);
    EXPECT_EQ(field.standings[5], 2);
    // Those still in rank by their chips, equal stacks sharing; the busted leave their seats.
    EXPECT_EQ(field.standings[0], 0);
    EXPECT_EQ(field.placeOf(3), 2);
    EXPECT_EQ(field.placeOf(4), 3);
    EXPECT_EQ(field.placeOf(5), 3);
    EXPECT_FALSE(field.entry(1)->active);
    EXPECT_EQ(field.entry(1)->table, -1);
    EXPECT_EQ(field.tables[0].seats[1], TournamentField::EMPTY_SEAT);
    // Equal starting stacks still share, and the next place skips.
    hand({ 2500, 0, 0, 500, 0, 0 });
    EXPECT_EQ(field.remaining, 2);
    EXPECT_EQ(field.placeOf(4), 3);
    EXPECT_EQ(field.placeOf(5), 3);
    EXPECT_EQ(field.placeOf(0), 1);
    EXPECT_EQ(field.placeOf(3), 2);
}

TEST(TournamentFieldTest, SingleEntrantTablePlaysNothing)
{
    TournamentField field = makeField(12);
    // Table 1 keeps only the entrant in its seat 2; the other five are already out.
    for (int seat = 0; seat < 6; ++seat) {
        uint16_t& slot = field.tables[1].seats[seat];
        if (seat == 2)
            continue;
        field.entry(slot)->chips = 0;
        field.entry(slot)->active = false;
        field.entry(slot)->table = -1;
        slot = TournamentField::EMPTY_SEAT;
    }
    field.remaining = 7;
    field.tables[1].button = 0;
    const int lone = field.tables[1].seats[2];
    RandomSource::shared().setSeed(8);
    field.advance();
    // A simulated hand would have moved the button onto the lone entrant's seat.
    EXPECT_EQ(field.tables[1].button, 0);
    EXPECT_EQ(field.entry(lone)->chips, TournamentField::STARTING_CHIPS);
    EXPECT_TRUE(field.entry(lone)->active);
}

// Advances a field with random busts; after each: entrant 0 never moves, no table
// holds more than six, and the emptiest table holds at least remaining / needed.
TEST(TournamentFieldTest, BalancingKeepsTablesEvenAndNeverMovesTheHuman)
{
    RandomSource::shared().setSeed(99);
    TournamentField field = makeField(250);
    int rounds = 0;
    while (field.remaining > 6 && rounds < 5000) {
        // The human's table plays too: give its chips a nudge.
        for (int seat = 1; seat < 6; ++seat) {
            int i = field.entrantAt(seat);
            if (i >= 0 && RandomSource::shared().nextInt(10) == 0)
                field.setChipsAtHumanSeat(seat, 0);
        }
        field.entry(0)->chips = 1000; // the human survives
        field.advance();
        ++rounds;
        ASSERT_EQ(field.tables[0].seats[0], 0);
        int needed = (field.remaining + 5) / 6;
        int nonEmpty = 0;
        int emptiest = 7;
        int total = 0;
        for (int t = 0; t < field.tableCount; ++t) {
            int c = field.countAt(t);
            ASSERT_LE(c, 6);
            total += c;
            if (c > 0) {
                ++nonEmpty;
                emptiest = std::min(emptiest, c);
            }
        }
        ASSERT_EQ(total, field.remaining);
        ASSERT_EQ(nonEmpty, needed);
        ASSERT_GE(emptiest, field.remaining / needed);
    }
    EXPECT_LE(field.remaining, 6);
}
