#include "poker/TableRecord.h"

#include <algorithm>
#include <climits>
#include <initializer_list>

namespace {

constexpr int32_t LAST_STATE = PokerTable::STATE_SETTLE;

bool isSeat(int32_t seat)
{
    return seat >= 0 && seat < PokerTable::SEATS;
}

bool isSeatOrNone(int32_t seat)
{
    return seat == -1 || isSeat(seat);
}

} // namespace

int32_t TableRecord::chipsOnRecord(const PokerTable& table, const Player& player)
{
    // As settleHand pays them: only seated players collect.
    if (table.state != PokerTable::STATE_SETTLE || !player.seated || player.winnings <= 0)
        return player.chips;
    return int32_t(std::min<int64_t>(INT32_MAX, int64_t(player.chips) + player.winnings));
}

bool TableRecord::writePlayer(DataOutputStream& out, const PokerTable& table, const Player& player)
{
    out.writeByte(player.seat);
    if (!out.writeUTF(player.name))
        return false;
    out.writeBoolean(player.seated);
    out.writeInt(chipsOnRecord(table, player));
    return true;
}

bool TableRecord::writeTable(DataOutputStream& out, const PokerTable& table)
{
    out.writeBoolean(table.blindsRaised);
    for (int seat = 0; seat < PokerTable::SEATS; ++seat) {
        if (!writePlayer(out, table, table.player(seat)))
            return false;
    }
    out.writeByte(table.state);
    out.writeByte(table.toAct);
    out.writeByte(table.handsPlayed); // the low 8 bits only
    out.writeByte(table.level);
    out.writeByte(table.dealer);
    out.writeByte(table.smallBlindSeat);
    out.writeByte(table.bigBlindSeat);
    out.writeBoolean(table.awaitingAction);
    out.writeBoolean(table.handOver);
    out.writeByte(table.humanAggression);
    out.writeBoolean(table.betsCollected);
    return true;
}

bool TableRecord::readPlayer(DataInputStream& in, PlayerRecord& player)
{
    player.seat = in.readByte();
    player.name = in.readUTF();
    player.seated = in.readBoolean();
    player.chips = in.readInt();
    return !in.truncated();
}

bool TableRecord::readTable(DataInputStream& in)
{
    blindsRaised = in.readBoolean();
    for (PlayerRecord& player : players) {
        if (!readPlayer(in, player))
            return false;
    }
    state = in.readByte();
    toAct = in.readByte();
    handsPlayed = in.readByte();
    level = in.readByte();
    dealer = in.readByte();
    smallBlindSeat = in.readByte();
    bigBlindSeat = in.readByte();
    awaitingAction = in.readBoolean();
    handOver = in.readBoolean();
    humanAggression = in.readByte();
    betsCollected = in.readBoolean();
    return !in.truncated();
}

bool TableRecord::isValidFor(const PokerTable& table) const
{
    for (int seat = 0; seat < PokerTable::SEATS; ++seat) {
        // Records come in seat order; a seat number elsewhere would renumber a player.
        if (players[seat].seat != seat || players[seat].chips < 0)
            return false;
    }
    if (state < 0 || state > LAST_STATE)
        return false;
    // The level indexes the blind arrays of the schedule the table was set up with.
    if (level < -1 || level >= table.levelCount || level >= BlindSchedule::LEVELS)
        return false;
    return isSeatOrNone(toAct) && isSeat(dealer) && isSeatOrNone(smallBlindSeat) && isSeat(bigBlindSeat);
}

void TableRecord::applyTo(PokerTable& table) const
{
    table.blindsRaised = blindsRaised;
    for (int seat = 0; seat < PokerTable::SEATS; ++seat) {
        Player& player = table.player(seat);
        player.seat = int8_t(players[seat].seat);
        player.name = players[seat].name;
        player.seated = players[seat].seated;
        player.chips = players[seat].chips;
    }
    table.state = int8_t(state);
    table.toAct = int8_t(toAct);
    table.handsPlayed = int16_t(handsPlayed);
    table.level = int8_t(level);
    table.dealer = int8_t(dealer);
    table.smallBlindSeat = int8_t(smallBlindSeat);
    table.bigBlindSeat = int8_t(bigBlindSeat);
    table.awaitingAction = awaitingAction;
    table.handOver = handOver;
    table.humanAggression = int8_t(humanAggression);
    table.betsCollected = betsCollected;
}

bool TableRecord::write(DataOutputStream& out) const
{
    out.writeBoolean(blindsRaised);
    for (const PlayerRecord& player : players) {
        out.writeByte(player.seat);
        if (!out.writeUTF(player.name))
            return false;
        out.writeBoolean(player.seated);
        out.writeInt(player.chips);
    }
    for (int32_t value : { state, toAct, handsPlayed, level, dealer, smallBlindSeat, bigBlindSeat })
        out.writeByte(value);
    out.writeBoolean(awaitingAction);
    out.writeBoolean(handOver);
    out.writeByte(humanAggression);
    out.writeBoolean(betsCollected);
    return true;
}
