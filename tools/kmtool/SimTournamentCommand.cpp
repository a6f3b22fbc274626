#include "CommandLine.h"
#include "HistoryOutput.h"
#include "JsonWriter.h"
#include "Subcommands.h"
#include "ToolError.h"

#include "poker/RandomSource.h"
#include "poker/TournamentField.h"
#include "poker/TournamentSimulator.h"

#include <chrono>
#include <limits>
#include <memory>

// kmtool sim tournament --entrants E --seed S [--stake L] [--history FILE]
void runSimTournament(const Arguments& arguments)
{
    CommandLine line(arguments, { "--entrants", "--seed", "--stake", "--history" });
    line.expectPositionals(0, 0);
    int64_t entrants = line.requiredInteger("--entrants", 0, 1000000);
    if (TournamentField::fieldIndex(int(entrants)) < 0)
        throw ToolError("--entrants must be 12, 18, 36, 100 or 250, not " + std::to_string(entrants));
    int64_t seed = line.requiredInteger("--seed", std::numeric_limits<int64_t>::min(),
        std::numeric_limits<int64_t>::max());
    int stake = int(line.integer("--stake", 0, 0, 5));

    RandomSource::shared().setSeed(seed);
    auto start = std::chrono::steady_clock::now();
    TournamentSimulator simulator(int(entrants), stake);
    RandomSource::shared().setSeed(seed); // the table's deck reseeded from the clock
    std::unique_ptr<HistoryOutput> history;
    if (line.has("--history")) {
        history.reset(new HistoryOutput(line.text("--history", ""), /*tournament=*/true));
        simulator.afterFrame = [&history](const PokerTable& table) { history->afterFrame(table); };
    }
    bool finished = simulator.run();
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!finished)
        throw ToolError("the tournament did not finish");
    if (history)
        history->close();

    JsonWriter json;
    json.beginObject();
    json.key("entrants").value(entrants);
    json.key("hands").value(simulator.hands);
    json.key("seconds").value(seconds);
    json.key("winner").value(simulator.winner());
    json.key("places").beginArray();
    for (int i = 0; i < entrants; ++i)
        json.value(simulator.field.placeOf(i));
    json.endArray();
    json.key("prizes_paid").value(simulator.prizesPaid());
    if (history)
        json.key("history_hands").value(history->handsWritten);
    json.endObject().print();
}
