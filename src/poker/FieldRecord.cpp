#include "poker/FieldRecord.h"

bool FieldRecord::write(DataOutputStream& out) const
{
    out.writeByte(seatsPerTable);
    out.writeShort(remaining);
    out.writeByte(tableCount);
    out.writeInt(bigBlind);
    out.writeInt(smallBlind);
    out.writeShort(humanTable);
    out.writeByte(humanSeat);
    for (int32_t i = 0; i < entrants && i < MAX_ENTRANTS; ++i) {
        out.writeShort(standings[i]);
        const EntryRecord& entry = entries[i];
        if (!out.writeUTF(entry.name))
            return false;
        out.writeInt(entry.chips);
        out.writeShort(entry.place);
        out.writeByte(entry.table);
        out.writeShort(entry.id);
        out.writeByte(entry.avatar);
    }
    for (int32_t t = 0; t < tableCount && t < MAX_TABLES; ++t) {
        for (int32_t seat : tables[t].seats)
            out.writeShort(seat);
        out.writeByte(tables[t].button);
    }
    return true;
}

bool FieldRecord::readField(DataInputStream& in, int32_t entrantCount)
{
    if (entrantCount < 1 || entrantCount > MAX_ENTRANTS)
        return false;
    entrants = entrantCount;
    seatsPerTable = in.readByte();
    remaining = in.readShort();
    tableCount = in.readByte();
    bigBlind = in.readInt();
    smallBlind = in.readInt();
    humanTable = in.readShort();
    humanSeat = in.readByte();
    // These two size the loops below: refuse before reading past what we can hold.
    if (in.truncated() || seatsPerTable != SEATS_PER_TABLE || tableCount < 1 || tableCount > MAX_TABLES)
        return false;
    for (int32_t i = 0; i < entrants; ++i) {
        standings[i] = in.readShort();
        EntryRecord& entry = entries[i];
        entry.name = in.readUTF();
        entry.chips = in.readInt();
        entry.place = in.readShort();
        entry.table = in.readByte();
        entry.id = in.readShort();
        entry.avatar = in.readByte();
        if (in.truncated())
            return false;
    }
    for (int32_t t = 0; t < tableCount; ++t) {
        for (int32_t& seat : tables[t].seats)
            seat = in.readShort();
        tables[t].button = in.readByte();
    }
    return !in.truncated();
}

bool FieldRecord::isValid() const
{
    if (entrants < 1 || entrants > MAX_ENTRANTS || seatsPerTable != SEATS_PER_TABLE)
        return false;
    // The field is created with ceil(n / 6) tables and keeps them all.
    if (tableCount != (entrants + SEATS_PER_TABLE - 1) / SEATS_PER_TABLE)
        return false;
    if (remaining < 0 || remaining > entrants)
        return false;
    if (humanTable < 0 || humanTable >= tableCount || humanSeat < 0 || humanSeat >= SEATS_PER_TABLE)
        return false;
    bool ranked[MAX_ENTRANTS] = {};
    bool seated[MAX_ENTRANTS] = {};
    for (int32_t i = 0; i < entrants; ++i) {
        int32_t who = standings[i];
        if (who < 0 || who >= entrants || ranked[who])
            return false;
        ranked[who] = true;
        const EntryRecord& entry = entries[i];
        if (entry.id != i || entry.chips < 0 || entry.place < 1 || entry.place > entrants)
            return false;
        // The table byte is checked with the seats: only a seated entrant's counts.
        if (entry.avatar < 0 || entry.avatar > MAX_AVATAR)
            return false;
    }
    int32_t seatedCount = 0;
    for (int32_t t = 0; t < tableCount; ++t) {
        for (int32_t who : tables[t].seats) {
            if (who == -1)
                continue;
            if (who < 0 || who >= entrants || seated[who] || entries[who].table != t)
                return false;
            seated[who] = true;
            ++seatedCount;
        }
        if (tables[t].button < 0 || tables[t].button >= SEATS_PER_TABLE)
            return false;
    }
    // Seats are emptied only as entrants are counted out, so everyone still in is
    // seated: ranking writes eliminated entrants to standings[remaining ..], which
    // a smaller count would run below the array.
    return seatedCount == remaining;
}

FieldRecord FieldRecord::fromField(const TournamentField& field)
{
    FieldRecord record;
    record.entrants = field.entrants;
    record.seatsPerTable = field.seatsPerTable;
    record.remaining = field.remaining;
    record.tableCount = field.tableCount;
    record.bigBlind = field.bigBlind;
    record.smallBlind = field.smallBlind;
    record.humanTable = field.humanTable;
    record.humanSeat = field.humanSeat;
    int32_t count = int32_t(field.entries.size()) < MAX_ENTRANTS ? int32_t(field.entries.size()) : MAX_ENTRANTS;
    for (int32_t i = 0; i < count; ++i) {
        record.standings[i] = i < int32_t(field.standings.size()) ? field.standings[i] : i;
        const FieldEntry& entry = *field.entries[size_t(i)];
        record.entries[i].name = entry.name;
        record.entries[i].chips = entry.chips;
        record.entries[i].place = entry.place;
        record.entries[i].table = entry.table;
        record.entries[i].id = entry.id;
        record.entries[i].avatar = entry.avatar;
    }
    int32_t tables = int32_t(field.tables.size()) < MAX_TABLES ? int32_t(field.tables.size()) : MAX_TABLES;
    for (int32_t t = 0; t < tables; ++t) {
        for (int32_t seat = 0; seat < SEATS_PER_TABLE; ++seat) {
            uint16_t who = field.tables[size_t(t)].seats[seat];
            record.tables[t].seats[seat] = who == TournamentField::EMPTY_SEAT ? -1 : who;
        }
        record.tables[t].button = field.tables[size_t(t)].button;
    }
    return record;
}

bool FieldRecord::writeField(DataOutputStream& out, const TournamentField& field)
{
    // Fields larger than any the game creates cannot be recorded whole.
    if (field.entrants > MAX_ENTRANTS || field.tableCount > MAX_TABLES || field.entries.size() != field.entrants
        || int32_t(field.tables.size()) != field.tableCount)
        return false;
    return fromField(field).write(out);
}

bool FieldRecord::isValidFor(const TournamentField& field) const
{
    return isValid() && field.entrants == entrants && field.tableCount == tableCount
           && field.entries.size() == size_t(entrants) && field.tables.size() == size_t(tableCount)
           && field.standings.size() == size_t(entrants);
}

void FieldRecord::applyTo(TournamentField& field) const
{
    field.seatsPerTable = int8_t(seatsPerTable);
    field.remaining = uint16_t(remaining);
    field.tableCount = int8_t(tableCount);
    field.bigBlind = bigBlind;
    field.smallBlind = smallBlind;
    field.humanTable = uint16_t(humanTable);
    field.humanSeat = int8_t(humanSeat);
    for (int32_t i = 0; i < entrants; ++i) {
        field.standings[size_t(i)] = uint16_t(standings[i]);
        FieldEntry& entry = *field.entries[size_t(i)];
        const EntryRecord& saved = entries[i];
        entry.name = saved.name;
        entry.chips = saved.chips;
        entry.startChips = saved.chips;
        entry.active = saved.chips > 0;
        entry.place = uint16_t(saved.place);
        entry.table = -1; // until its seat below says otherwise
        entry.id = uint16_t(saved.id);
        entry.avatar = int8_t(saved.avatar);
    }
    for (int32_t t = 0; t < tableCount; ++t) {
        for (int32_t seat = 0; seat < SEATS_PER_TABLE; ++seat) {
            int32_t who = tables[t].seats[seat];
            field.tables[size_t(t)].seats[seat] = who < 0 ? TournamentField::EMPTY_SEAT : uint16_t(who);
            if (who >= 0)
                field.entries[size_t(who)]->table = int8_t(t);
        }
        field.tables[size_t(t)].button = int8_t(tables[t].button);
    }
}
