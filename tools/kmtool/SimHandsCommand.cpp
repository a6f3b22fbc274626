#include "CommandLine.h"
#include "HistoryOutput.h"
#include "JsonWriter.h"
#include "Subcommands.h"
#include "ToolError.h"

#include "poker/HandSimulator.h"
#include "poker/RandomSource.h"

#include <chrono>
#include <limits>
#include <memory>

// kmtool sim hands --count N --seed S [--stake L] [--seats K] [--history FILE]
void runSimHands(const Arguments& arguments)
{
    CommandLine line(arguments, { "--count", "--seed", "--stake", "--seats", "--history" });
    line.expectPositionals(0, 0);
    int64_t count = line.requiredInteger("--count", 0, 1000000000);
    int64_t seed = line.requiredInteger("--seed", std::numeric_limits<int64_t>::min(),
        std::numeric_limits<int64_t>::max());
    int stake = int(line.integer("--stake", 0, 0, 5));
    int seats = int(line.integer("--seats", 6, 2, 6));

    HandSimulator simulator(stake, seats); // its deck seeds from the clock first
    RandomSource::shared().setSeed(seed);
    std::unique_ptr<HistoryOutput> history;
    if (line.has("--history")) {
        history.reset(new HistoryOutput(line.text("--history", ""), /*tournament=*/false));
        simulator.afterFrame = [&history](const PokerTable& table) { history->afterFrame(table); };
    }
    auto start = std::chrono::steady_clock::now();
    bool finished = simulator.play(count);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!finished)
        throw ToolError("a hand never ended after hand " + std::to_string(simulator.handsPlayed));
    if (history)
        history->close();

    JsonWriter json;
    json.beginObject();
    json.key("hands").value(simulator.handsPlayed);
    json.key("seconds").value(seconds);
    json.key("hands_per_second").value(seconds > 0 ? double(simulator.handsPlayed) / seconds : 0.0);
    json.key("showdowns").value(simulator.showdowns);
    json.key("buyins").value(simulator.buyins);
    json.key("chips_on_table").value(simulator.chipsOnTable());
    json.key("odd_chips_lost").value(simulator.table.oddChipsLost);
    json.key("cashouts").value(simulator.cashouts);
    json.key("refusals").value(simulator.driver.refusals);
    json.key("forced_folds").value(simulator.driver.forcedFolds);
    if (history)
        json.key("history_hands").value(history->handsWritten);
    json.endObject().print();
}
