#include "poker/TournamentField.h"

#include "poker/RandomSource.h"

#include <algorithm>

const int TournamentField::ENTRANTS_BY_FIELD[FIELD_SIZES] = { 12, 18, 36, 100, 250 };

const uint16_t TournamentField::PRIZES[FIELD_SIZES][PRIZE_PLACES] = {
    { 6, 4, 2 },
    { 9, 6, 3 },
    { 15, 9, 6, 4, 2 },
    { 30, 20, 13, 10, 8, 5, 3, 3, 2, 2, 2, 2 },
    { 60, 40, 30, 20, 15, 12, 10, 10, 8, 8, 5, 5, 5, 4, 4, 4, 2, 2, 2, 2, 2 },
};

int TournamentField::fieldIndex(int n)
{
    for (int i = 0; i < FIELD_SIZES; ++i) {
        if (ENTRANTS_BY_FIELD[i] == n)
            return i;
    }
    return -1;
}

int TournamentField::prizeMultiple(int index, int place)
{
    if (index < 0 || index >= FIELD_SIZES || place < 1 || place > PRIZE_PLACES)
        return 0;
    return PRIZES[index][place - 1];
}

void TournamentField::createField(int n, int perTable)
{
    n = std::max(0, std::min(n, 65534));
    perTable = std::max(1, std::min(perTable, 6));
    seatsPerTable = int8_t(perTable);
    entrants = uint16_t(n);
    remaining = uint16_t(n);
    tableCount = int8_t((n + perTable - 1) / perTable);
    entries.clear();
    standings.assign(size_t(n), 0);
    tables.assign(size_t(tableCount), Table());
    for (Table& table : tables) {
        for (uint16_t& seat : table.seats)
            seat = EMPTY_SEAT;
    }
    for (int i = 0; i < n; ++i) {
        SharedPointer<FieldEntry> entry(new FieldEntry);
        entry->id = uint16_t(i);
        entries.push_back(entry);
        standings[size_t(i)] = uint16_t(i);
    }
    for (int i = 0; i < n && tableCount > 0; ++i)
        seatAt(i % tableCount, uint16_t(i));
}

bool TournamentField::reserved(int tableIndex, int seat) const
{
    return !simulateAll && tableIndex == humanTable && seat == humanSeat;
}

void TournamentField::seatAt(int tableIndex, uint16_t entrant)
{
    Table& table = tables[size_t(tableIndex)];
    bool human = entrant == 0;
    for (int seat = 0; seat < seatsPerTable; ++seat) {
        if (table.seats[seat] != EMPTY_SEAT || (!human && reserved(tableIndex, seat)))
            continue;
        table.seats[seat] = entrant;
        entries[entrant]->table = int8_t(tableIndex);
        return;
    }
}

void TournamentField::setEntry(int i, const String& name, int32_t chips, int avatar)
{
    FieldEntry* e = entry(i);
    if (!e)
        return;
    e->active = true;
    e->name = name;
    e->chips = chips;
    e->startChips = chips;
    e->id = uint16_t(i);
    e->avatar = int8_t(avatar);
    e->place = 1;
}

void TournamentField::setChipsAtHumanSeat(int seat, int32_t chips)
{
    int i = entrantAt(seat);
    if (i >= 0)
        entries[size_t(i)]->chips = chips;
}

int TournamentField::entrantAt(int seat) const
{
    if (seat < 0 || seat >= seatsPerTable || humanTable >= tables.size())
        return -1;
    uint16_t i = tables[humanTable].seats[seat];
    return i == EMPTY_SEAT ? -1 : i;
}

FieldEntry* TournamentField::entry(int i) const
{
    if (i < 0 || i >= int(entries.size()))
        return nullptr;
    return entries[size_t(i)].raw();
}

int TournamentField::placeOf(int i) const
{
    FieldEntry* e = entry(i);
    return e ? e->place : -1;
}

bool TournamentField::humanSeated() const
{
    return humanTable < tables.size() && tables[humanTable].seats[humanSeat] != EMPTY_SEAT;
}

int TournamentField::countAt(int tableIndex) const
{
    int n = 0;
    for (int seat = 0; seat < seatsPerTable; ++seat)
        n += tables[size_t(tableIndex)].seats[seat] != EMPTY_SEAT ? 1 : 0;
    return n;
}

void TournamentField::advance()
{
    for (int t = 0; t < tableCount; ++t) {
        if ((t != humanTable || simulateAll) && countAt(t) >= 2)
            simulateHand(t);
    }
    rankField();
    balanceTables();
    // The chips each entrant starts the next round with. Taken here rather than on
    // entry: by then the human's table has copied its hand's results in, and the
    // entrants busted there must rank by the chips they had when that hand began.
    for (auto& e : entries) {
        if (e->active)
            e->startChips = e->chips;
    }
}

void TournamentField::simulateHand(int tableIndex)
{
    RandomSource& random = RandomSource::shared();
    Table& table = tables[size_t(tableIndex)];
    int n = seatsPerTable;
    auto nextOccupied = [&](int seat) {
        for (int step = 1; step <= n; ++step) {
            int s = (seat + step) % n;
            if (table.seats[s] != EMPTY_SEAT)
                return s;
        }
        return seat;
    };
    table.button = int8_t(nextOccupied(table.button));
    int small = nextOccupied(table.button);
    int big = nextOccupied(small);
    FieldEntry& smallEntry = *entries[table.seats[small]];
    FieldEntry& bigEntry = *entries[table.seats[big]];
    int64_t pot = 0;
    int32_t paid = std::min(smallBlind, smallEntry.chips);
    smallEntry.chips -= paid;
    pot += paid;
    paid = std::min(bigBlind, bigEntry.chips);
    bigEntry.chips -= paid;
    pot += paid;

    // Each entrant joins the pot with probability 30%.
    FieldEntry* players[6];
    int count = 0;
    FieldEntry* star = nullptr;
    int32_t low = 0;
    for (int seat = 0; seat < n; ++seat) {
        if (table.seats[seat] == EMPTY_SEAT)
            continue;
        FieldEntry* e = entries[table.seats[seat]].raw();
        if (random.nextInt(100) >= 30)
            continue;
        if (count == 0 || e->chips < low)
            low = e->chips;
        if (e->avatar == STAR_AVATAR)
            star = e;
        players[count++] = e;
    }
    if (count > 0) {
        if (low > bigBlind)
            low = int32_t(int64_t(std::min(random.nextInt(100) + 20, 100)) * low / 100);
        for (int i = 0; i < count; ++i) {
            players[i]->chips -= low;
            pot += low;
        }
        FieldEntry* winner = players[random.nextInt(count)];
        if (star && random.nextInt(2) == 0)
            winner = star;
        winner->chips += int32_t(pot);
    } else {
        bigEntry.chips += int32_t(pot);
    }
}

void TournamentField::rankField()
{
    std::vector<uint16_t> alive;
    std::vector<uint16_t> out;
    for (int t = 0; t < tableCount; ++t) {
        for (int seat = 0; seat < seatsPerTable; ++seat) {
            uint16_t i = tables[size_t(t)].seats[seat];
            if (i == EMPTY_SEAT)
                continue;
            if (entries[i]->chips > 0) {
                alive.push_back(i);
            } else {
                tables[size_t(t)].seats[seat] = EMPTY_SEAT;
                entries[i]->table = -1;
                out.push_back(i);
            }
        }
    }
    std::stable_sort(out.begin(), out.end(),
        [&](uint16_t a, uint16_t b) { return entries[a]->startChips < entries[b]->startChips; });
    std::stable_sort(
        alive.begin(), alive.end(), [&](uint16_t a, uint16_t b) { return entries[a]->chips > entries[b]->chips; });

    // Busted in the same round: fewer chips at its start finish lower; equal stacks share.
    for (size_t i = 0; i < out.size();) {
        size_t end = i;
        while (end < out.size() && entries[out[end]]->startChips == entries[out[i]]->startChips)
            ++end;
        remaining = uint16_t(remaining - (end - i));
        for (size_t j = i; j < end; ++j) {
            FieldEntry& e = *entries[out[j]];
            e.place = uint16_t(remaining + 1);
            e.active = false;
            standings[remaining + (j - i)] = out[j];
        }
        i = end;
    }
    for (size_t i = 0; i < alive.size();) {
        size_t end = i;
        while (end < alive.size() && entries[alive[end]]->chips == entries[alive[i]]->chips)
            ++end;
        for (size_t j = i; j < end; ++j) {
            standings[j] = alive[j];
            entries[alive[j]]->place = uint16_t(i + 1);
        }
        i = end;
    }
}

void TournamentField::balanceTables()
{
    if (!simulateAll && !humanSeated())
        return;
    if (remaining == 0)
        return;
    int needed = (remaining + seatsPerTable - 1) / seatsPerTable;
    auto nonEmpty = [&]() {
        int n = 0;
        for (int t = 0; t < tableCount; ++t)
            n += countAt(t) > 0 ? 1 : 0;
        return n;
    };
    // The non-empty table with the fewest (or most) entrants, first on a tie.
    auto pick = [&](bool fewest, int skip) {
        int best = -1;
        for (int t = 0; t < tableCount; ++t) {
            int c = countAt(t);
            if (c == 0 || t == skip)
                continue;
            if (best < 0 || (fewest ? c < countAt(best) : c > countAt(best)))
                best = t;
        }
        return best;
    };

    int protectedTable = simulateAll ? -1 : int(humanTable);
    while (nonEmpty() > needed) {
        int broken = pick(/*fewest=*/true, protectedTable);
        if (broken < 0)
            break;
        std::vector<uint16_t> moving;
        for (int seat = 0; seat < seatsPerTable; ++seat) {
            uint16_t& slot = tables[size_t(broken)].seats[seat];
            if (slot != EMPTY_SEAT) {
                moving.push_back(slot);
                slot = EMPTY_SEAT;
            }
        }
        for (uint16_t entrant : moving) {
            int to = pick(/*fewest=*/true, -1);
            if (to < 0)
                to = broken;
            seatAt(to, entrant);
        }
    }

    RandomSource& random = RandomSource::shared();
    for (int guard = 0; guard < 1000; ++guard) {
        int emptiest = pick(/*fewest=*/true, -1);
        if (emptiest < 0 || countAt(emptiest) >= remaining / needed)
            break;
        int fullest = pick(/*fewest=*/false, -1);
        Table& from = tables[size_t(fullest)];
        int occupied = countAt(fullest);
        int k = random.nextInt(occupied);
        int seat = -1;
        for (int s = 0, seen = 0; s < seatsPerTable; ++s) {
            if (from.seats[s] == EMPTY_SEAT)
                continue;
            if (seen++ == k) {
                seat = s;
                break;
            }
        }
        if (seat < 0)
            break;
        if (!simulateAll && fullest == humanTable && seat == humanSeat) {
            // Never the human: the next occupied seat instead.
            for (int step = 1; step < seatsPerTable; ++step) {
                int s = (seat + step) % seatsPerTable;
                if (from.seats[s] != EMPTY_SEAT) {
                    seat = s;
                    break;
                }
            }
        }
        uint16_t entrant = from.seats[seat];
        from.seats[seat] = EMPTY_SEAT;
        seatAt(emptiest, entrant);
    }
}
