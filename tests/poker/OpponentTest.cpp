#include "poker/Opponent.h"

#include "TableHelpers.h"
#include "poker/HandEvaluator.h"
#include "poker/StartingHandChart.h"

#include <gtest/gtest.h>

TEST(OpponentTest, ChartIsSymmetricAndPairsIgnoreSuits)
{
    // Ranks 0 (deuce) .. 12 (ace): {first, second, suited, group}.
    const int cases[][4] = { { 12, 11, 1, 0 }, { 11, 12, 1, 0 }, { 12, 11, 0, 1 }, { 11, 10, 1, 4 },
                             { 10, 11, 0, 5 }, { 12, 0, 1, 7 },   { 0, 12, 0, 8 },   { 5, 0, 0, 9 },
                             { 0, 0, 0, 5 },   { 10, 10, 0, 1 } };
    for (const auto& c : cases)
        EXPECT_EQ(StartingHandChart::group(c[0], c[1], c[2] != 0), c[3]) << c[0] << "/" << c[1] << "/" << c[2];
    for (int rank = 0; rank < 13; ++rank)
        EXPECT_EQ(StartingHandChart::group(rank, rank, true), StartingHandChart::group(rank, rank, false));
    // Both orders of the hole cards give the same group.
    for (int a = 0; a < 13; ++a)
        for (int b = 0; b < 13; ++b)
            for (bool suited : { true, false })
                EXPECT_EQ(StartingHandChart::group(a, b, suited), StartingHandChart::group(b, a, suited));
}

namespace {

// A table in a chosen spot with a computer to act.
struct Spot : ScriptedTable {
    using ScriptedTable::ScriptedTable;

    int decide() { return Opponent::decideBet(table.player(table.toAct)); }
};

} // namespace

// Seeded decisions in three spots: the first to act answers legally, raising at least
// the minimum and at most 4/5 of the stack unless all-in; with the only other player
// all-in, a call or a fold; a short stack before the flop, only the raise codes.
TEST(OpponentTest, DecisionsAreLegalInEverySpot)
{
    for (int seed = 0; seed < 2000; ++seed) {
        Spot t({ 1000, 1000, 300, 1000 }, /*bigBlindBefore=*/1);
        RandomSource::shared().setSeed(seed);
        t.startHand();
        t.run();
        Player& p = t.table.player(t.table.toAct);
        int owed = t.table.toCall(t.table.toAct);
        int amount = t.decide();
        if (amount > owed) {
            ASSERT_GE(amount, t.table.minRaiseTo(t.table.toAct));
            ASSERT_TRUE(amount == p.chips || amount <= p.chips * 40 / 50) << amount;
        }
        ASSERT_TRUE(amount == -1 || amount == 0 || amount >= owed) << amount;
        ASSERT_EQ(t.table.act(amount), 1) << "seed " << seed << " amount " << amount;

        Spot heads({ 200, 5000 }, /*bigBlindBefore=*/0);
        heads.startHand();
        heads.act(0, 195); // all-in
        heads.run();
        ASSERT_EQ(heads.table.toAct, 1);
        RandomSource::shared().setSeed(seed);
        amount = heads.decide();
        ASSERT_TRUE(amount == -1 || amount == 190) << amount;

        // 4 big blinds: only the 8 and 32 codes or a fold; 5..9: the large raise (7) or a fold.
        Spot shortStack({ 40, 1000, 1000 }, /*bigBlindBefore=*/1);
        shortStack.startHand();
        shortStack.run();
        ASSERT_EQ(shortStack.table.toAct, 0);
        const int position = Opponent::position(shortStack.table, 0, true);
        RandomSource::shared().setSeed(seed);
        int code = Opponent::preflop(shortStack.table.player(0), position, 4);
        ASSERT_TRUE(code == 1 || code == 8 || code == 32) << code;
        RandomSource::shared().setSeed(seed);
        code = Opponent::preflop(shortStack.table.player(0), position, 7);
        ASSERT_TRUE(code == 1 || code == 7) << code;
    }
}

TEST(OpponentTest, PositionCountsPlayersActingAfterTheSeat)
{
    Spot t({ 1000, 1000, 1000, 1000, 1000, 1000 }, /*bigBlindBefore=*/1);
    t.startHand();
    // Dealer 0, blinds 1 and 2; 3 early, 4 middle, 5 late (cut-off), 0 late.
    EXPECT_EQ(Opponent::position(t.table, 1, true), -1);
    EXPECT_EQ(Opponent::position(t.table, 2, true), -2);
    EXPECT_EQ(Opponent::position(t.table, 2, false), 2);
    EXPECT_EQ(Opponent::position(t.table, 3, true), 2);
    EXPECT_EQ(Opponent::position(t.table, 4, true), 1);
    EXPECT_EQ(Opponent::position(t.table, 5, true), 0);
    EXPECT_EQ(Opponent::position(t.table, 0, true), 0);
    // Pot odds: 10 owed against 15 in front.
    t.run();
    EXPECT_EQ(Opponent::potOdds(t.table, t.table.player(3)), 10 * 100 / 15);
    // A forced call is the large raise (code 8, a raise before the flop), once.
    t.table.player(3).forceCall = 1;
    RandomSource::shared().setSeed(1);
    EXPECT_GE(t.decide(), t.table.minRaiseTo(3));
    EXPECT_EQ(t.table.player(3).forceCall, 0);
}

namespace {

// Seat 0 (a human, so no random nudge to its strength) holding the given hole cards
// with the board dealt, first to act with nobody having bet.
struct PostflopSpot {
    ScriptedTable t { { 1000, 1000 }, /*bigBlindBefore=*/0 };
    int boardCards;

    // Deal order heads-up from seat 1: 1, 0, 1, 0, then the board.
    PostflopSpot(const std::string& order, int board)
        : boardCards(board)
    {
        t.table.player(0).type = Player::HUMAN;
        t.startHand(order);
        t.run();
        for (int i = 0; i < boardCards; ++i)
            t.table.board->add(t.table.deck->dealCard());
        HandEvaluator::evaluateInTwoPasses(t.table.player(0), *t.table.board);
    }

    Opponent::PostflopScores scores() { return Opponent::scorePostflop(t.table.player(0), boardCards); }
    int code()
    {
        RandomSource::shared().setSeed(3);
        return Opponent::postflop(t.table.player(0), boardCards);
    }
};

int postflopStrength(const std::string& order, int boardCards)
{
    return PostflopSpot(order, boardCards).code();
}

void expectScores(const std::string& order, int boardCards, int strength, int potential, int danger)
{
    Opponent::PostflopScores s = PostflopSpot(order, boardCards).scores();
    EXPECT_EQ(s.strength, strength) << order;
    EXPECT_EQ(s.potential, potential) << order;
    EXPECT_EQ(s.danger, danger) << order;
}

} // namespace

TEST(OpponentTest, PostflopRaisesStrongMadeHandsAndChecksAir)
{
    // A set of nines under a king (position 3: strength 8, +2 heads-up, +2 for two
    // in the hand) with potential 110 over danger 20: the large raise.
    EXPECT_EQ(postflopStrength("2C 9S 3D 9H 9D 5C KS", 3), Opponent::LARGE_RAISE_SHORT);
    // Nothing at all on a coordinated suited board: check.
    EXPECT_EQ(postflopStrength("AS 2C KS 7D JH TH 9H", 3), Opponent::CHECK_OR_FOLD);
    // The nut flush (no higher heart unseen): strength 12 minus 1, potential 310.
    EXPECT_EQ(postflopStrength("2C AH 3D KH QH 8H 4H", 3), Opponent::LARGE_RAISE_SHORT);
    // Top pair (position 1, king high: 6) on a rainbow flop (+1), heads-up (+2 +2):
    // 11 with potential above danger -> the large raise; second pair (4 + 1 + 4 = 9) the small one.
    EXPECT_EQ(postflopStrength("3C KH 4D 2S KD 8C 5S", 3), Opponent::LARGE_RAISE_SHORT);
    EXPECT_EQ(postflopStrength("3C 8H 4D 2S KD 8C 5S", 3), Opponent::SMALL_RAISE);
}

TEST(OpponentTest, PostflopScoresOfTheBigMadeHands)
{
    // Flop base potential 60; two suits on the board give suit danger 40, one suit 20.
    // Quads: strength 18, potential + 400, no danger.
    expectScores("2C 9S 3D 9H 9D 9C KS", 3, 18, 460, 0);
    // Straight flush: potential + 450.
    expectScores("2C 6H 3D 7H 8H 9H TH", 3, 18, 510, 0);
    // Full house under the board's pair: 12, potential + 180 - 50 + the suit danger.
    expectScores("2C 9S 3D 9H 9D KS KD", 3, 12, 230, 0);
    // Full house over the board's pair: 18, potential + 180 + 50 + the suit danger.
    expectScores("2C 9S 3D 9H 9D 4S 4D", 3, 18, 330, 0);
    // A set of nines under a king: 8, + 50, and the board's danger stays.
    expectScores("2C 9S 3D 9H 9D 5C KS", 3, 8, 110, 20);
    // The same full house on the turn: base 40 + 180 - 50 + suit danger 20.
    expectScores("2C 9S 3D 9H 9D KS KD 5C", 4, 12, 190, 0);
}
