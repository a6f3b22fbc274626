#include "poker/HandEvaluator.h"

#include "EvaluatorHelpers.h"
#include "ReferenceEvaluator.h"
#include "poker/RandomSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

TEST(HandEvaluatorTest, AllFiveCardHandsGiveThePublishedCategoryCounts)
{
    long long counts[10] = {};
    int hand[5];
    HandAnalysis analysis;
    for (hand[0] = 0; hand[0] < 52; ++hand[0])
        for (hand[1] = hand[0] + 1; hand[1] < 52; ++hand[1])
            for (hand[2] = hand[1] + 1; hand[2] < 52; ++hand[2])
                for (hand[3] = hand[2] + 1; hand[3] < 52; ++hand[3])
                    for (hand[4] = hand[3] + 1; hand[4] < 52; ++hand[4]) {
                        HandEvaluator::analyse(hand, 5, nullptr, analysis);
                        ++counts[analysis.category()];
                    }
    const long long expected[10] = { 1302540, 1098240, 123552, 54912, 10200, 5108, 3744, 624, 36, 4 };
    for (int category = 0; category < 10; ++category)
        EXPECT_EQ(counts[category], expected[category]) << "category " << category;
}

namespace {

// evaluatePlayer against the literal two passes on one deal, every word and the result.
void expectSameAsTwoPasses(const int8_t hole[2], const Board& board, const std::string& what)
{
    Player fast(nullptr, 0);
    Player literal(nullptr, 1);
    for (Player* p : { &fast, &literal }) {
        p->hole.cards[0] = hole[0];
        p->hole.cards[1] = hole[1];
    }
    HandEvaluator::evaluatePlayer(fast, board);
    HandEvaluator::evaluateInTwoPasses(literal, board);
    for (int word = 0; word < HandAnalysis::WORDS; ++word)
        ASSERT_EQ(fast.analysis.words[word], literal.analysis.words[word]) << what << " word " << word;
    ASSERT_EQ(fast.category, literal.category) << what;
    for (int k = 0; k < 5; ++k)
        ASSERT_EQ(fast.kickers[k], literal.kickers[k]) << what << " kicker " << k;
}

} // namespace

// Random deals with 0..5 board cards: the fast path equals the two literal passes;
// with the full board it also equals the best-of-21 reference and the seven cards
// analysed at once; hole cards alone make at most a pair.
TEST(HandEvaluatorTest, RandomDealsAgreeWithTheTwoPassesAndTheReference)
{
    RandomSource random(14);
    SevenCards seven;
    HandAnalysis once;
    for (int i = 0; i < 60000; ++i) {
        std::vector<int> list = randomCards(random, 7);
        size_t boardCount = size_t(std::min(5, i % 7));
        list.resize(2 + boardCount);
        const int8_t hole[2] = { int8_t(list[0]), int8_t(list[1]) };
        seven.set(list);
        expectSameAsTwoPasses(hole, seven.board, "deal " + std::to_string(i));
        if (boardCount == 0) {
            ASSERT_LE(seven.player.category, ONE_PAIR) << i;
            if (list[0] % 13 == list[1] % 13) {
                ASSERT_EQ(seven.player.kickers[0], list[0] % 13 + 2) << i;
            }
        }
        if (boardCount < 5)
            continue;
        ReferenceHand expected = referenceBest(list);
        ASSERT_EQ(seven.player.category, expected.category) << i;
        for (int k = 0; k < 5; ++k)
            ASSERT_EQ(seven.player.kickers[k], expected.kickers[k]) << i << " kicker " << k;
        HandEvaluator::analyse(list.data(), 7, nullptr, once);
        const HandAnalysis& incremental = seven.player.analysis;
        for (int word : { 0, 1, 2, 3, 5, 6, 7, 8, 9, 12, 13 })
            ASSERT_EQ(incremental.words[word], once.words[word]) << "word " << word;
        ASSERT_EQ(incremental.words[4] & 0x3FFF, once.words[4] & 0x3FFF);
    }
}

// A straight on the board alone narrows the hole cards' window scan to that window;
// after a wheel or broadway the low-ace bit then disagrees with the ace, a case random
// deals almost never reach.
TEST(HandEvaluatorTest, FastPathMatchesTheTwoPassesOverEveryStraightBoard)
{
    RandomSource random(15);
    for (int k = 0; k <= 9; ++k) {
        for (int pattern = 0; pattern < 3; ++pattern) {
            Board board;
            for (int i = 0; i < 5; ++i) {
                int rank = (k + i + 12) % 13; // window k holds values k + 1 .. k + 5
                int suit = pattern == 0 ? 2 : pattern == 1 ? i % 4 : random.nextInt(4);
                board.add(suit * 13 + rank);
            }
            for (int a = 0; a < 52; ++a) {
                for (int b = a + 1; b < 52; ++b) {
                    bool taken = false;
                    for (int i = 0; i < 5; ++i)
                        taken = taken || board.cards[i] == a || board.cards[i] == b;
                    if (taken)
                        continue;
                    const int8_t hole[2] = { int8_t(a), int8_t(b) };
                    expectSameAsTwoPasses(hole, board,
                        "window " + std::to_string(k) + " pattern " + std::to_string(pattern) + " hole "
                            + std::to_string(a) + "," + std::to_string(b));
                }
            }
        }
    }
}

// Cards given twice and slots holding no card (-1 or any byte outside 0..51) are
// never dealt at the table, but the result still equals the literal passes.
TEST(HandEvaluatorTest, FastPathMatchesTheTwoPassesWithRepeatedCardsAndJunkSlots)
{
    RandomSource random(16);
    const int8_t junk[] = { -1, -1, -128, 52, 99, 127 };
    for (int i = 0; i < 20000; ++i) {
        int8_t cards[7];
        for (int8_t& card : cards) {
            int draw = random.nextInt(70);
            card = draw < 52 ? int8_t(draw) : junk[draw % 6];
        }
        if (i % 2 == 0)
            cards[1 + random.nextInt(6)] = cards[0]; // a sure repeat
        Board board;
        for (int b = 0; b < 5; ++b)
            board.cards[b] = cards[2 + b];
        expectSameAsTwoPasses(cards, board, "deal " + std::to_string(i));
    }
}

TEST(HandEvaluatorTest, CategoryAndKickersOfHandBuiltShapes)
{
    const struct {
        const char* cards;
        int category;
        std::vector<int> kickers;
    } cases[] = {
        { "AS 2D 3C 4H 5S 9D JC", STRAIGHT, { 5, 4, 3, 2, 1 } }, // the wheel is five high
        { "6S 2D 3C 4H 5S 9D JC", STRAIGHT, { 6, 5, 4, 3, 2 } },
        { "AS AD KC KH QS QD 5C", TWO_PAIR, { 14, 14, 13, 13, 12 } },
        { "7S 7D 7C 5H 5S 5D AC", FULL_HOUSE, { 7, 7, 7, 5, 5 } },
        { "9S 9D 9C 9H KS KD KC", FOUR_OF_A_KIND, { 9, 9, 9, 9, 13 } },
        { "5H 6H 7H 8H 9H TS 2C", STRAIGHT_FLUSH, { 9, 8, 7, 6, 5 } },
        // A lower straight flush counts even with a higher plain straight beside it.
        { "4H 5H 6H 7H 8H 9S TS", STRAIGHT_FLUSH, { 8, 7, 6, 5, 4 } },
        { "AD 2D 3D 4D 5D KD QS", STRAIGHT_FLUSH, { 5, 4, 3, 2, 1 } },
        { "2C 3D TS JS QS KS AS", ROYAL_FLUSH, { 14, 13, 12, 11, 10 } },
        { "KS 9S TS JS QS 2D 7C", STRAIGHT_FLUSH, { 13, 12, 11, 10, 9 } }, // one short of royal
    };
    for (const auto& c : cases) {
        SevenCards hand(c.cards);
        EXPECT_EQ(hand.player.category, c.category) << c.cards;
        EXPECT_EQ(hand.kickers(), c.kickers) << c.cards;
    }
    EXPECT_GT(SevenCards(cases[1].cards).player.analysis.handValue(),
              SevenCards(cases[0].cards).player.analysis.handValue());
}

TEST(HandEvaluatorTest, WindowScanCountsDrawsWithoutDoubleCounting)
{
    // Ranks 5 6 7 8 and K: values 5..8 are bits 4..7, K is bit 12. Windows from the
    // top: k = 5 holds 6 7 8 (three of the lower four), k = 4 holds 5..8 (four of
    // five), k = 3 holds 5..8 again (four of five, top two present, so the next
    // windows are skipped until one lacks both top ranks).
    uint32_t map;
    int counts;
    int straightK;
    int32_t mask = 0xF0 | 1 << 12;
    HandEvaluator::scanWindows(mask, map, counts, straightK);
    EXPECT_EQ(straightK, -1);
    EXPECT_EQ(counts, 2 | 1 << 4);
    EXPECT_EQ(map, uint32_t(1 << 15 | 2 << 12 | 2 << 9));

    // 9 T J Q K: a complete window at k = 8 (bits 8..12).
    HandEvaluator::scanWindows(0x1F << 8, map, counts, straightK);
    EXPECT_EQ(straightK, 8);
    EXPECT_EQ(map & (7u << 24), 4u << 24);
}

TEST(HandEvaluatorTest, AnalysisWordsCarryCountsFlagsAndDraws)
{
    SevenCards hand("8D KC 5H 6H 7S");
    const HandAnalysis& h = hand.player.analysis;
    EXPECT_EQ(h.count(HandAnalysis::ONCE), 5);
    EXPECT_EQ(h.highest(HandAnalysis::ONCE), 13);
    EXPECT_EQ(h.count(HandAnalysis::SUIT + 2), 2); // two hearts
    EXPECT_EQ(h.words[HandAnalysis::MADE], 0);
    EXPECT_EQ(h.words[HandAnalysis::FEATURES], 7 | 8);
    // The board 5 6 7 alone has three three-of-five windows; the hole cards' scan
    // (two four-of-five, one three) is or-ed over the board's counts in word 4.
    EXPECT_EQ(hand.player.boardAnalysis.words[0], 0); // evaluatePlayer keeps only the result
    EXPECT_EQ(h.fourCount(), 2);
    EXPECT_EQ(h.threeCount(), 3);
    EXPECT_EQ(h.words[HandAnalysis::WINDOWS], 1 << 15 | 2 << 12 | 2 << 9);

    SevenCards paired("9S 9H 2C 3D 4C JC QC");
    const HandAnalysis& p = paired.player.analysis;
    EXPECT_EQ(p.words[HandAnalysis::MADE], HandAnalysis::MADE_PAIR);
    EXPECT_EQ(p.words[HandAnalysis::FEATURES] & (16 | 32 | 64), 16 | 32 | 64); // clubs x4, a pair
    EXPECT_EQ(p.count(HandAnalysis::SUIT + 0), 4);
    EXPECT_EQ(p.words[13], 0);
}

TEST(HandEvaluatorTest, BestFiveMarksTheCardsThatMakeTheHand)
{
    SevenCards flush("AH 2C KH 9H 3H 7H 8S");
    int positions[5];
    uint8_t used[7];
    HandEvaluator::bestFive(flush.player, flush.board, positions, used);
    // A K 9 7 3 of hearts: hole 0, then board slots 0, 1, 3, 2 (list positions 2, 3, 5, 4).
    EXPECT_EQ(std::vector<int>(positions, positions + 5), std::vector<int>({ 4, 5, 3, 2, 0 }));
    EXPECT_EQ(std::vector<int>(used, used + 7), std::vector<int>({ 1, 0, 1, 1, 1, 1, 0 }));

    SevenCards wheel("AS 2D 3C 4H 5S 9D JC");
    HandEvaluator::bestFive(wheel.player, wheel.board, positions, used);
    // Kicker 1 (the low ace) is looked up as 14.
    EXPECT_EQ(positions[0], 0);
    EXPECT_EQ(std::vector<int>(used, used + 7), std::vector<int>({ 1, 1, 1, 1, 1, 0, 0 }));
}
