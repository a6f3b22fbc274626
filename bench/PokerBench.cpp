#include "poker/Board.h"
#include "poker/HandEvaluator.h"
#include "poker/Player.h"
#include "poker/PokerTable.h"
#include "poker/RandomSource.h"
#include "poker/SampleHands.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// Board first, then the hole cards on top: what every showdown and decision does.
void BM_EvaluatePlayer(benchmark::State& state)
{
    std::vector<SampleHands::Hand> hands = SampleHands::deal(31337, 1 << 16);
    Player player(nullptr, 0);
    size_t i = 0;
    int64_t sum = 0;
    for (auto _ : state) {
        const SampleHands::Hand& hand = hands[i++ & 0xFFFF];
        player.hole.cards[0] = hand.hole[0];
        player.hole.cards[1] = hand.hole[1];
        HandEvaluator::evaluatePlayer(player, hand.board);
        sum += player.analysis.handValue();
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluatePlayer);

// One whole six-handed hand where everybody calls down: deal, four betting rounds,
// run-out, showdown of six, payment.
void BM_WholeHandCallingStation(benchmark::State& state)
{
    RandomSource::shared().setSeed(5);
    PokerTable table;
    table.resetGame();
    table.setFixedBlinds(5, 10);
    for (int seat = 0; seat < 6; ++seat)
        table.sit(seat, "P", Player::COMPUTER, 1000);
    for (auto _ : state) {
        for (;;) {
            if (table.handOver) {
                table.handOver = false;
                continue;
            }
            if (table.awaitingAction) {
                table.act(table.toCall(table.toAct));
                continue;
            }
            bool settling = table.state == PokerTable::STATE_SETTLE;
            table.step();
            if (settling)
                break;
        }
        for (int seat = 0; seat < 6; ++seat) {
            if (!table.player(seat).seated || table.player(seat).chips < 100)
                table.sit(seat, "P", Player::COMPUTER, 1000);
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WholeHandCallingStation);

} // namespace

#include "poker/HandSimulator.h"
#include "poker/TournamentField.h"

namespace {

// One whole hand of six computer players through the driver, decisions included.
void BM_SixComputerHand(benchmark::State& state)
{
    HandSimulator simulator(/*stake=*/0, /*seats=*/6);
    RandomSource::shared().setSeed(8);
    for (auto _ : state)
        simulator.play(1);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SixComputerHand);

// advance() of a fresh 250-entrant field: 41 simulated tables, ranking, balancing.
void BM_Advance250(benchmark::State& state)
{
    RandomSource::shared().setSeed(9);
    TournamentField fresh;
    fresh.createField(250);
    for (int i = 0; i < 250; ++i)
        fresh.setEntry(i, "E", TournamentField::STARTING_CHIPS, i % 6);
    TournamentField field = fresh;
    int rounds = 0;
    for (auto _ : state) {
        if (++rounds == 50) {
            // Start again before the field thins out too much.
            state.PauseTiming();
            field = TournamentField();
            field.createField(250);
            for (int i = 0; i < 250; ++i)
                field.setEntry(i, "E", TournamentField::STARTING_CHIPS, i % 6);
            rounds = 0;
            state.ResumeTiming();
        }
        field.advance();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Advance250);

} // namespace
