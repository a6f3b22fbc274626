#include "CommandLine.h"
#include "JsonWriter.h"
#include "Subcommands.h"
#include "ToolError.h"

#include "poker/Board.h"
#include "poker/Card.h"
#include "poker/HandEvaluator.h"
#include "poker/Player.h"

// kmtool eval C1 C2 [C3..C7]: hole cards, then board cards, as at the table.
void runEval(const Arguments& arguments)
{
    CommandLine line(arguments, {});
    line.expectPositionals(2, 7);
    bool used[CARD_COUNT] = {};
    Player player(nullptr, 0);
    Board board;
    const std::vector<std::string>& texts = line.positionals();
    for (size_t i = 0; i < texts.size(); ++i) {
        int card = Card::parse(texts[i]);
        if (card < 0)
            throw ToolError("'" + texts[i] + "' is not a card (rank 23456789TJQKA then suit CDHS, e.g. AS)");
        if (used[card])
            throw ToolError("card " + Card::name(card) + " given twice");
        used[card] = true;
        if (i < 2)
            player.hole.add(card);
        else
            board.add(card);
    }
    HandEvaluator::evaluatePlayer(player, board);
    int positions[5];
    uint8_t usedFlags[7];
    HandEvaluator::bestFive(player, board, positions, usedFlags);

    JsonWriter json;
    json.beginObject().key("category").value(player.category).key("kickers").beginArray();
    for (int kicker : player.kickers)
        json.value(kicker);
    json.endArray().key("handValue").value(player.analysis.handValue()).key("best").beginArray();
    for (int position : positions)
        json.value(position);
    json.endArray().endObject().print();
}
