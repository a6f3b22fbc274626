#include "CommandLine.h"
#include "JsonWriter.h"
#include "Subcommands.h"

#include "poker/Board.h"
#include "poker/HandEvaluator.h"
#include "poker/Player.h"
#include "poker/SampleHands.h"

#include <chrono>
#include <vector>

// kmtool bench eval [--count N]: N seven-card evaluations (board, then the two hole
// cards on top) over pre-dealt random hands, timed on one core.
void runBenchEval(const Arguments& arguments)
{
    CommandLine line(arguments, { "--count" });
    line.expectPositionals(0, 0);
    int64_t count = line.integer("--count", 10000000, 1, 10000000000LL);

    // Up to 2^16 distinct hands, reused in turn: enough to defeat branch learning,
    // small enough to stay in cache like a table's few players.
    const int64_t distinct = count < 65536 ? count : 65536;
    std::vector<SampleHands::Hand> hands = SampleHands::deal(20240601, static_cast<size_t>(distinct));

    Player player(nullptr, 0);
    int64_t checksum = 0;
    auto start = std::chrono::steady_clock::now();
    for (int64_t i = 0, next = 0; i < count; ++i) {
        const SampleHands::Hand& hand = hands[size_t(next)];
        if (++next == distinct)
            next = 0;
        player.hole.cards[0] = hand.hole[0];
        player.hole.cards[1] = hand.hole[1];
        HandEvaluator::evaluatePlayer(player, hand.board);
        checksum += player.analysis.handValue();
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Keeps the loop from being optimised away.
    volatile int64_t sink = checksum;
    (void)sink;

    JsonWriter json;
    json.beginObject().key("evaluations").value(count).key("seconds").value(seconds);
    json.key("per_second").value(seconds > 0 ? double(count) / seconds : 0.0).endObject().print();
}
