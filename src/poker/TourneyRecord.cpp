#include "poker/TourneyRecord.h"

bool TourneyRecord::write(DataOutputStream& out) const
{
    out.writeShort(entrants);
    out.writeByte(fieldIndex);
    out.writeByte(stakeIndex);
    return table.write(out) && field.write(out);
}

bool TourneyRecord::readFields(DataInputStream& in)
{
    entrants = in.readShort();
    fieldIndex = in.readByte();
    stakeIndex = in.readByte();
    if (in.truncated() || !table.readTable(in))
        return false;
    return field.readField(in, entrants);
}

bool TourneyRecord::isValidFor(const PokerTable& pokerTable) const
{
    if (fieldIndex < 0 || fieldIndex >= FIELD_SIZES || stakeIndex < 0 || stakeIndex >= STAKE_LEVELS)
        return false;
    if (entrants != ENTRANTS_BY_FIELD[fieldIndex] || field.entrants != entrants)
        return false;
    return table.isValidFor(pokerTable) && field.isValid();
}

bool TourneyRecord::writeTourney(DataOutputStream& out, int32_t stakeIndex, const PokerTable& table,
                                 const TournamentField& field)
{
    int32_t index = TournamentField::fieldIndex(field.entrants);
    if (index < 0)
        return false;
    out.writeShort(field.entrants);
    out.writeByte(index);
    out.writeByte(stakeIndex);
    return TableRecord::writeTable(out, table) && FieldRecord::writeField(out, field);
}

void TourneyRecord::applyTo(PokerTable& pokerTable, TournamentField& tournamentField) const
{
    table.applyTo(pokerTable);
    field.applyTo(tournamentField);
}
