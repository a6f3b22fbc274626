#include "CommandLine.h"
#include "JsonWriter.h"
#include "Subcommands.h"
#include "ToolError.h"

#include "poker/RandomSource.h"
#include "poker/TournamentField.h"
#include "poker/TournamentSimulator.h"

#include <chrono>
#include <limits>

// kmtool sim tournament --entrants E --seed S [--stake L]
void runSimTournament(const Arguments& arguments)
{
    CommandLine line(arguments, { "--entrants", "--seed", "--stake" });
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
    bool finished = simulator.run();
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!finished)
        throw ToolError("the tournament did not finish");

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
    json.endObject().print();
}
