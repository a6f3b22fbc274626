#include "CommandLine.h"
#include "JsonWriter.h"
#include "Subcommands.h"

#include "poker/Board.h"
#include "poker/HandEvaluator.h"
#include "poker/Player.h"
#include "poker/RandomSource.h"

#include <chrono>
#include <vector>

namespace {

struct Hand {
    Board board;
    int8_t hole[2];
};

} // namespace

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
    std::vector<Hand> hands(static_cast<size_t>(distinct));
    RandomSource random(20240601);
    for (Hand& hand : hands) {
        int deck[52];
        for (int card = 0; card < 52; ++card)
            deck[card] = card;
        for (int i = 0; i < 7; ++i) {
            int j = i + random.nextInt(52 - i);
            int swap = deck[i];
            deck[i] = deck[j];
            deck[j] = swap;
        }
        hand.hole[0] = int8_t(deck[0]);
        hand.hole[1] = int8_t(deck[1]);
        for (int i = 2; i < 7; ++i)
            hand.board.add(deck[i]);
    }

    Player player(nullptr, 0);
    int64_t checksum = 0;
    auto start = std::chrono::steady_clock::now();
    for (int64_t i = 0, next = 0; i < count; ++i) {
        const Hand& hand = hands[size_t(next)];
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
