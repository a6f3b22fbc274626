#include "poker/PokerTable.h"

#include "TableHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(PokerTableTest, CompareAgreesWithTheReferenceOnRandomShowdowns)
{
    expectShowdownsAgreeWithTheReference(13, 20000);
}

TEST(PokerTableTest, HeadsUpDealerPostsSmallActsFirstPreflopAndLastAfter)
{
    ScriptedTable t({ 1000, 1000 }, /*bigBlindBefore=*/0);
    t.startHand();
    EXPECT_EQ(t.table.bigBlindSeat, 1);
    EXPECT_EQ(t.table.smallBlindSeat, 0);
    EXPECT_EQ(t.table.dealer, 0);
    EXPECT_EQ(t.table.player(0).roundBet, 5);
    EXPECT_EQ(t.table.player(1).roundBet, 10);
    EXPECT_EQ(t.table.player(1).lastAction, ACTION_BLIND);
    t.act(0, 5); // the dealer completes
    t.run();
    // Big blind option: check or raise, never "bet".
    EXPECT_EQ(t.table.toAct, 1);
    EXPECT_EQ(t.table.player(1).actions, actionBit(ACTION_CHECK) | actionBit(ACTION_RAISE));
    t.act(1, 0);
    t.run();
    EXPECT_EQ(t.table.board->count, 3);
    EXPECT_EQ(t.table.toAct, 1); // the big blind acts first after the flop
    EXPECT_EQ(t.table.pots[0], 20);
    // The next hand moves the button: seat 1 deals and posts the small blind.
    t.act(1, -1);
    t.finish();
    EXPECT_EQ(t.chips(0) + t.chips(1), 2000);
    t.startHand();
    EXPECT_EQ(t.table.dealer, 1);
    EXPECT_EQ(t.table.bigBlindSeat, 0);
}

TEST(PokerTableTest, BigBlindOptionEndsWithACheckOrReopensWithARaise)
{
    ScriptedTable t({ 1000, 1000, 1000 }, /*bigBlindBefore=*/1);
    t.startHand();
    ASSERT_EQ(t.table.dealer, 0);
    ASSERT_EQ(t.table.smallBlindSeat, 1);
    ASSERT_EQ(t.table.bigBlindSeat, 2);
    t.play({ { 0, 10 }, { 1, 5 } });
    t.run();
    ASSERT_EQ(t.table.toAct, 2);
    EXPECT_EQ(t.table.player(2).actions, actionBit(ACTION_CHECK) | actionBit(ACTION_RAISE));
    t.act(2, 10); // raise to 20
    EXPECT_EQ(t.table.player(2).lastAction, ACTION_RAISE);
    t.play({ { 0, 10 }, { 1, 10 } });
    t.run();
    EXPECT_EQ(t.table.state, PokerTable::STATE_FLOP_BETTING);
    EXPECT_EQ(t.table.pots[0], 60);
    EXPECT_EQ(t.table.toAct, 1); // first with chips left of the dealer
}

TEST(PokerTableTest, ShortAllInRaiseKeepsTheMinimumRaise)
{
    // Dealer 1, blinds 2 and 3 (3 holds 40), first to act seat 0.
    ScriptedTable t({ 1000, 1000, 1000, 40 }, /*bigBlindBefore=*/2);
    t.startHand();
    ASSERT_EQ(t.table.bigBlindSeat, 3);
    t.act(0, 30); // raise to 30: an increment of 20
    t.act(1, 30); // call
    t.act(2, -1);
    // Seat 3: all-in for 40 total is an increment of 10, below the minimum of 20.
    t.act(3, 30);
    EXPECT_EQ(t.table.player(3).lastAction, ACTION_ALL_IN);
    EXPECT_EQ(t.table.currentBet, 40);
    EXPECT_EQ(t.table.minRaise, 20);
    // Re-raising to 50 adds only 10 over 40: refused; to 60 is enough.
    t.run();
    ASSERT_EQ(t.table.toAct, 0);
    EXPECT_EQ(t.table.act(20), 0);
    EXPECT_EQ(t.table.currentBet, 40);
    EXPECT_EQ(t.table.act(30), 1);
    EXPECT_EQ(t.table.currentBet, 60);
}

TEST(PokerTableTest, DeadSmallBlindAfterTheBigBlindBusts)
{
    // Seat 2, last hand's big blind, loses everything between hands.
    ScriptedTable t({ 1000, 1000, 1000, 1000 }, /*bigBlindBefore=*/2);
    t.table.player(2).chips = 0;
    t.table.removeBusted();
    t.startHand();
    EXPECT_EQ(t.table.bigBlindSeat, 3);
    EXPECT_EQ(t.table.smallBlindSeat, -1);
    EXPECT_EQ(t.table.dealer, 1); // the seat before the big blind
    EXPECT_EQ(t.table.player(1).roundBet, 0);
    // Everybody folds to the unopposed big blind: the whole bet comes back and he
    // takes the empty main pot.
    t.play({ { 0, -1 }, { 1, -1 } });
    t.run();
    ASSERT_TRUE(t.table.handOver);
    EXPECT_EQ(t.table.pots[0], 0);
    EXPECT_EQ(t.table.potWinnerCount[0], 1);
    EXPECT_TRUE(t.table.player(3).wonPot);
    t.finish();
    EXPECT_EQ(t.chips(3), 1000);
}

TEST(PokerTableTest, OneChipOfARaiseAShortAllInCannotCallComesBack)
{
    // Seat 0 raises to 101; the big blind calls all-in for 100 in all: the one chip
    // nobody matched goes back before the pot is built.
    ScriptedTable t({ 1000, 1000, 100 }, /*bigBlindBefore=*/1);
    // Deal order from seat 1: 1, 2, 0, twice; then the board. Seat 2 holds the aces.
    t.startHand("2C AS 7D 3C AD 2D 9H JS 4C 8S KD");
    t.play({ { 0, 101 }, { 1, -1 }, { 2, 90 } });
    t.run();
    ASSERT_TRUE(t.table.handOver);
    EXPECT_EQ(t.table.pots[0], 205); // 5 + 100 + 100
    EXPECT_EQ(t.chips(0), 900);
    t.finish();
    EXPECT_EQ(t.allChips(3), std::vector<int>({ 900, 995, 205 }));
}

// All-in hands played out: the pots as built, then the stacks once paid. Cards are
// dealt one each from left of the dealer, twice, then the board.
TEST(PokerTableTest, AllInsBuildTheSidePotsAndPayThem)
{
    const struct {
        std::vector<int> stacks;
        int bigBlindBefore;
        const char* deal;
        std::vector<std::pair<int, int>> answers;
        std::vector<int> pots, paid;
    } hands[] = {
        // Heads-up the dealer (seat 0) posts 3 of the small blind, all-in: no one acts,
        // the board runs out and the 7 of the big blind nobody matched come back.
        { { 3, 10 }, 0, "KC AS KD AD 2C 7D 9H JS 4C", {}, { 6 }, { 6, 7 } },
        // All-in for 50, 100 and 200 and a call; best hands AA, KK, QQ in that order.
        { { 100, 200, 1000, 50 }, 1, "QS 8D AS KS QD 3S AD KD 2C 7D 9H JS 4C",
          { { 3, 50 }, { 0, 100 }, { 1, 195 }, { 2, 190 } }, { 200, 150, 200 }, { 150, 200, 800, 200 } },
        // Seat 3 (50 chips) flushes and takes the main pot (50 x 3 and the folded big
        // blind's 10); seats 0 and 1 tie the side pot with a king-high straight.
        { { 1000, 1000, 1000, 50 }, 1, "QS 2D AH QD KS 3S 2H KC 9H TS JC 4H 7H",
          { { 3, 50 }, { 0, 100 }, { 1, 95 }, { 2, -1 }, { 1, 0 }, { 0, 0 }, { 1, 0 }, { 0, 0 }, { 1, 0 }, { 0, 0 } },
          { 160, 100 }, { 950, 950, 990, 160 } },
    };
    for (const auto& hand : hands) {
        SCOPED_TRACE(hand.deal);
        ScriptedTable t(hand.stacks, hand.bigBlindBefore);
        t.startHand(hand.deal);
        if (hand.answers.empty()) {
            EXPECT_EQ(t.table.player(0).lastAction, ACTION_ALL_IN);
            EXPECT_EQ(t.table.player(1).lastAction, ACTION_BLIND);
        }
        t.play(hand.answers);
        t.run();
        ASSERT_TRUE(t.table.handOver);
        EXPECT_EQ(t.table.board->count, 5);
        EXPECT_EQ(std::vector<int>(t.table.pots, t.table.pots + hand.pots.size()), hand.pots);
        t.finish();
        EXPECT_EQ(t.allChips(int(hand.stacks.size())), hand.paid);
    }
}

TEST(PokerTableTest, RefusedActionsChangeNothing)
{
    ScriptedTable t({ 1000, 1000, 1000 }, /*bigBlindBefore=*/1);
    EXPECT_EQ(t.table.act(0), 0); // nobody is to act yet
    t.startHand();
    EXPECT_EQ(t.table.act(10), 0); // hole cards not dealt, not waiting
    t.run();
    ASSERT_EQ(t.table.toAct, 0);
    int8_t before = t.table.toAct;
    for (int amount : { 1001, 5, 9, 11, 15, 19, 2147483647 })
        EXPECT_EQ(t.table.act(amount), 0) << amount;
    EXPECT_EQ(t.table.toAct, before);
    EXPECT_EQ(t.table.currentBet, 10);
    EXPECT_EQ(t.chips(0), 1000);
    EXPECT_TRUE(t.table.awaitingAction);
    t.table.toAct = -1;
    EXPECT_EQ(t.table.act(10), 0);
    t.table.toAct = 7;
    EXPECT_EQ(t.table.act(10), 0);
    t.table.toAct = 0;
    EXPECT_EQ(t.table.act(-1), 1);
    EXPECT_FALSE(t.table.player(0).inHand);
    EXPECT_EQ(t.table.act(-1), 0); // no longer waiting
    EXPECT_EQ(t.table.toCall(9), -1);
    EXPECT_EQ(t.table.chips(-1), -1);
    EXPECT_EQ(t.table.minRaiseTo(4), -1);
}

TEST(PokerTableTest, ActionMasksFollowWhatIsOwed)
{
    ScriptedTable t({ 1000, 1000, 25, 1000 }, /*bigBlindBefore=*/1);
    t.startHand();
    t.run();
    ASSERT_EQ(t.table.toAct, 3);
    const int fold = actionBit(ACTION_FOLD), call = actionBit(ACTION_CALL), raise = actionBit(ACTION_RAISE);
    const int allIn = actionBit(ACTION_ALL_IN);
    EXPECT_EQ(t.table.player(3).actions, fold | call | raise);
    t.act(3, 40); // raise to 40
    t.act(0, -1);
    t.run();
    // Small blind (995 behind, owes 35) may raise; the big blind (15 behind) may only fold or go all-in.
    EXPECT_EQ(t.table.player(1).actions, fold | call | raise);
    EXPECT_EQ(t.table.player(2).actions, fold | allIn);
    TableView view;
    t.table.snapshot(view);
    EXPECT_EQ(std::vector<int>(view.seats[2].actions, view.seats[2].actions + 3),
              std::vector<int>({ ACTION_FOLD, ACTION_ALL_IN, 0 }));
    EXPECT_EQ(view.toAct, 1);
    EXPECT_EQ(view.minRaiseTo, 35 + 30);
    EXPECT_EQ(view.seats[3].lastAction, ACTION_RAISE);
    EXPECT_EQ(t.table.player(3).lastAction, 0); // cleared once shown
}

// A saved table keeps handsPlayed in a signed byte: 200 hands come back as -56, and
// the blinds must go on rising every ten hands from there.
TEST(PokerTableTest, TournamentBlindsRiseEveryTenHandsUpToLevelTwenty)
{
    ScriptedTable t({ 100000, 100000 }, /*bigBlindBefore=*/0);
    t.table.setBlindSchedule();
    auto foldTheHand = [&t]() {
        t.run();
        t.act(t.table.toAct, -1);
        t.finish();
        t.table.player(0).chips = t.table.player(1).chips = 100000;
    };
    for (int hand = 1; hand <= 200; ++hand) {
        t.startHand();
        int expectedLevel = std::min((hand - 1) / 10, 19);
        ASSERT_EQ(t.table.level, expectedLevel) << "hand " << hand;
        ASSERT_EQ(t.table.blindsRaised, hand > 1 && hand <= 191 && (hand - 1) % 10 == 0) << hand;
        if (hand == 11 || hand >= 191) {
            ASSERT_EQ(t.table.bigBlind(), hand == 11 ? 20 : 30000) << hand;
        }
        foldTheHand();
    }
    t.table.handsPlayed = -56;
    t.table.level = 5;
    for (int hand = 1; hand <= 7; ++hand) {
        t.startHand();
        // -56 .. -51 keep the level; the hand started at -50 raises it.
        EXPECT_EQ(t.table.level, hand <= 6 ? 5 : 6) << hand;
        foldTheHand();
    }
}

// Random legal and illegal answers over many hands: chips are conserved up to the
// recorded odd chips, only the seat to act may act, and every hand ends.
TEST(PokerTableTest, RandomPlayKeepsTheInvariants)
{
    RandomSource::shared().setSeed(4242);
    RandomSource choices(777);
    PokerTable table;
    table.resetGame();
    table.setFixedBlinds(5, 10);
    int64_t total = 0;
    for (int seat = 0; seat < 6; ++seat) {
        table.sit(seat, "P", seat == 0 ? Player::HUMAN : Player::COMPUTER, 200 + 100 * seat);
        total += 200 + 100 * seat;
    }
    int hands = 0;
    int refused = 0;
    for (int steps = 0; steps < 400000 && hands < 3000; ++steps) {
        if (table.countSeated() < 2) {
            // Refill the table so play continues.
            for (int seat = 0; seat < 6; ++seat) {
                if (!table.player(seat).seated) {
                    table.sit(seat, "P", Player::COMPUTER, 300);
                    total += 300;
                }
            }
        }
        if (table.handOver) {
            table.handOver = false;
            continue;
        }
        if (!table.awaitingAction) {
            int state = table.state;
            table.step();
            if (state == PokerTable::STATE_SETTLE) {
                ++hands;
                int64_t sum = table.oddChipsLost;
                for (int seat = 0; seat < 6; ++seat)
                    sum += table.player(seat).chips;
                ASSERT_EQ(sum, total) << "hand " << hands;
            }
            continue;
        }
        int seat = table.toAct;
        ASSERT_TRUE(table.validSeat(seat));
        Player& p = table.player(seat);
        ASSERT_TRUE(p.inHand);
        ASSERT_GT(p.chips, 0);
        int owe = table.toCall(seat);
        // Fold, all-in, the least raise, anything (often refused), or else call.
        const int pick = choices.nextInt(8);
        const int picks[] = { -1, p.chips, table.minRaiseTo(seat), choices.nextInt(p.chips + 50) - 20 };
        const int amount = pick < 4 ? picks[pick] : owe;
        if (!table.act(amount)) {
            ++refused;
            ASSERT_EQ(table.toAct, seat);
            ASSERT_TRUE(table.awaitingAction);
            ASSERT_EQ(table.act(owe <= p.chips ? owe : p.chips), 1);
        }
    }
    EXPECT_EQ(hands, 3000);
    EXPECT_GT(refused, 0);
}
