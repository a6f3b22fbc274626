#include "CommandLine.h"
#include "JsonWriter.h"
#include "Subcommands.h"

#include "poker/Card.h"
#include "poker/Deck.h"
#include "poker/RandomSource.h"

#include <cstdint>
#include <limits>

// kmtool shuffle --seed S [--count K]: the dealing orders of K shuffles from seed S.
void runShuffle(const Arguments& arguments)
{
    CommandLine line(arguments, { "--seed", "--count" });
    line.expectPositionals(0, 0);
    int64_t seed = line.requiredInteger("--seed", std::numeric_limits<int64_t>::min(),
        std::numeric_limits<int64_t>::max());
    int64_t count = line.integer("--count", 1, 1, 1000000);
    Deck deck; // seeds the generator from the clock, as every new table does
    RandomSource::shared().setSeed(seed);
    for (int64_t i = 0; i < count; ++i) {
        deck.shuffle();
        JsonWriter json;
        json.beginObject().key("order").beginArray();
        for (int position = 0; position < CARD_COUNT; ++position)
            json.value(Card::name(deck.order[position]));
        json.endArray().endObject().print();
    }
}
