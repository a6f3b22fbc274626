#include "poker/GameRecord.h"

bool GameRecord::write(DataOutputStream& out, const PokerTable& table, const uint8_t (&avatars)[PokerTable::SEATS],
                       int32_t humanSeat)
{
    if (!TableRecord::writeTable(out, table))
        return false;
    for (int seat = 0; seat < PokerTable::SEATS; ++seat) {
        const Player& player = table.player(seat);
        out.writeByte(player.seat);
        if (!out.writeUTF(player.name))
            return false;
        out.writeByte(player.type);
        out.writeBoolean(player.inHand);
        out.writeBoolean(player.seated);
        out.writeInt(TableRecord::chipsOnRecord(table, player));
        out.writeByte(avatars[seat]);
    }
    out.writeByte(humanSeat);
    return true;
}

bool GameRecord::read(DataInputStream& in, const PokerTable& pokerTable)
{
    return readFields(in) && isValidFor(pokerTable);
}

bool GameRecord::readFields(DataInputStream& in)
{
    if (!table.readTable(in))
        return false;
    for (SeatRecord& seat : seats) {
        seat.seat = in.readByte();
        seat.name = in.readUTF();
        seat.type = in.readByte();
        seat.inHand = in.readBoolean();
        seat.seated = in.readBoolean();
        seat.chips = in.readInt();
        seat.avatar = in.readByte();
    }
    humanSeat = in.readByte();
    return !in.truncated();
}

bool GameRecord::isValidFor(const PokerTable& pokerTable) const
{
    if (!table.isValidFor(pokerTable))
        return false;
    for (int i = 0; i < PokerTable::SEATS; ++i) {
        const SeatRecord& seat = seats[i];
        if (seat.seat != i || seat.chips < 0 || seat.avatar < 0 || seat.avatar > MAX_AVATAR)
            return false;
    }
    return humanSeat >= 0 && humanSeat < PokerTable::SEATS;
}

void GameRecord::applyTo(PokerTable& pokerTable, uint8_t (&avatars)[PokerTable::SEATS], int32_t& human) const
{
    table.applyTo(pokerTable);
    for (int i = 0; i < PokerTable::SEATS; ++i) {
        Player& player = pokerTable.player(i);
        player.name = seats[i].name;
        player.type = int8_t(seats[i].type);
        player.inHand = seats[i].inHand;
        player.seated = seats[i].seated;
        player.chips = seats[i].chips;
        avatars[i] = uint8_t(seats[i].avatar);
    }
    human = humanSeat;
}
