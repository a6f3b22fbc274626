#include "poker/TableDriver.h"

#include "poker/Opponent.h"
#include "poker/PokerTable.h"
#include "poker/RandomSource.h"

TableDriver::TableDriver(PokerTable& drivenTable, HumanPolicy humanPolicy)
    : table(drivenTable)
    , human(std::move(humanPolicy))
{
}

int TableDriver::frame()
{
    if (table.step())
        return 1;
    if (!table.awaitingAction || !table.validSeat(table.toAct))
        return 0;
    Player& player = table.player(table.toAct);
    if (player.isComputer())
        return computerTurn();
    if (!human)
        return 0;
    int32_t amount = human(table);
    if (amount == NO_DECISION)
        return 0;
    if (table.act(amount))
        return 1;
    ++refusals;
    return 0;
}

int TableDriver::computerTurn()
{
    if (waitFrames < 0) {
        waitFrames = 5 + RandomSource::shared().nextInt(5);
        if (thinking)
            waitFrames = thinking(waitFrames);
    }
    if (waitFrames > 0) {
        --waitFrames;
        return 0;
    }
    waitFrames = -1;
    Player& player = table.player(table.toAct);
    for (int attempt = 0; attempt < ATTEMPTS; ++attempt) {
        if (table.act(Opponent::decideBet(player)))
            return 1;
        ++refusals;
    }
    ++forcedFolds;
    table.act(-1);
    return 1;
}
