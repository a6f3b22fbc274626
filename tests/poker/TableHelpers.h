#pragma once

#include "EvaluatorHelpers.h"
#include "ReferenceEvaluator.h"
#include "poker/ActionCode.h"
#include "poker/PokerTable.h"
#include "poker/RandomSource.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

// A table with chosen stacks (0 = empty seat) and a known button, driven step by step.
struct ScriptedTable {
    PokerTable table;
    // Called after every step() and act() that changed the table; optional.
    std::function<void(const PokerTable&)> observer;

    // bigBlindBefore: the seat the big blind moves on from (the blind goes to the
    // next seat with chips).
    ScriptedTable(const std::vector<int>& stacks, int bigBlindBefore, int small = 5, int big = 10)
    {
        table.resetGame();
        table.setFixedBlinds(small, big);
        for (int seat = 0; seat < int(stacks.size()); ++seat) {
            if (stacks[seat] > 0)
                table.sit(seat, "P", Player::COMPUTER, stacks[seat]);
        }
        table.state = PokerTable::STATE_START_HAND;
        table.bigBlindSeat = int8_t(bigBlindBefore);
    }

    // Starts the hand and stacks the deck: the given cards first (in dealing order,
    // one card per player round twice from left of the dealer, then the board).
    void startHand(const std::string& order = "")
    {
        ASSERT_EQ(table.state, PokerTable::STATE_START_HAND);
        ASSERT_EQ(table.step(), 1);
        changed();
        if (order.empty())
            return;
        std::vector<bool> used(52, false);
        int i = 0;
        for (int card : cards(order)) {
            ASSERT_GE(card, 0) << order;
            ASSERT_FALSE(used[card]) << order;
            used[card] = true;
            table.deck->order[i++] = uint8_t(card);
        }
        for (int card = 0; card < 52; ++card) {
            if (!used[card])
                table.deck->order[i++] = uint8_t(card);
        }
        table.deck->nextIndex = 0;
    }

    // Steps until the table waits for a player or shows the result.
    void run()
    {
        for (int i = 0; i < 50; ++i) {
            if (table.awaitingAction || table.handOver)
                return;
            if (table.step())
                changed();
        }
        FAIL() << "the table never stopped";
    }

    void act(int seat, int amount)
    {
        run();
        ASSERT_TRUE(table.awaitingAction);
        ASSERT_EQ(table.toAct, seat);
        ASSERT_EQ(table.act(amount), 1) << "seat " << seat << " amount " << amount;
        changed();
    }

    // Runs to the end of the hand and pays it (state 12 back to 1).
    void finish()
    {
        run();
        ASSERT_TRUE(table.handOver) << "still waiting for seat " << int(table.toAct);
        table.handOver = false;
        ASSERT_EQ(table.step(), 1);
        changed();
        ASSERT_EQ(table.state, PokerTable::STATE_START_HAND);
    }

    // Answers in turn, {seat, amount} each.
    void play(const std::vector<std::pair<int, int>>& answers)
    {
        for (const auto& [seat, amount] : answers) {
            act(seat, amount);
            if (testing::Test::HasFatalFailure())
                return;
        }
    }

    // Chips of seats 0..n-1.
    std::vector<int> allChips(int n) const
    {
        std::vector<int> out;
        for (int seat = 0; seat < n; ++seat)
            out.push_back(table.player(seat).chips);
        return out;
    }

    int chips(int seat) const { return table.player(seat).chips; }

    void changed()
    {
        if (observer)
            observer(table);
    }
};

// Random heads-up showdowns: PokerTable::compare names the winner (-1 a tie) that the
// reference evaluator names, whichever seat is asked first.
inline void expectShowdownsAgreeWithTheReference(int64_t seed, int showdowns)
{
    PokerTable table;
    table.sit(0, "A", Player::COMPUTER, 100);
    table.sit(1, "B", Player::COMPUTER, 100);
    RandomSource random(seed);
    for (int i = 0; i < showdowns; ++i) {
        std::vector<int> list = randomCards(random, 9);
        table.board->clear();
        for (int b = 4; b < 9; ++b)
            table.board->add(list[size_t(b)]);
        ReferenceHand best[2];
        for (size_t seat = 0; seat < 2; ++seat) {
            HoleCards& hole = table.player(int(seat)).hole;
            hole.reset();
            hole.add(list[2 * seat]);
            hole.add(list[2 * seat + 1]);
            best[seat] = referenceBest({ list[2 * seat], list[2 * seat + 1], list[4], list[5], list[6], list[7], list[8] });
        }
        int expected = best[0] == best[1] ? -1 : (best[1] < best[0] ? 0 : 1);
        ASSERT_EQ(table.compare(0, 1), expected) << i;
        ASSERT_EQ(table.compare(1, 0), expected) << i;
    }
}
