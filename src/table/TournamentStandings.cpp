#include "table/TournamentStandings.h"

#include "core/runtime/TextFormat.h"
#include "poker/TournamentField.h"

#include <algorithm>

namespace {

TournamentStandings::Row rowAt(const TournamentField& field, int32_t index, int32_t human)
{
    TournamentStandings::Row row;
    const int32_t entrant = field.standings[size_t(index)];
    const FieldEntry* entry = field.entry(entrant);
    row.place = entry ? entry->place : index + 1;
    row.name = entry ? entry->name : String();
    row.chips = entry ? entry->chips : 0;
    row.human = entrant == human;
    return row;
}

} // namespace

Vector<TournamentStandings::Row> TournamentStandings::rows(const TournamentField& field, int32_t human)
{
    Vector<Row> list;
    const int32_t left = std::min<int32_t>(field.remaining, int32_t(field.standings.size()));
    int32_t position = -1;
    for (int32_t i = 0; i < left; ++i) {
        if (field.standings[size_t(i)] == human)
            position = i;
    }
    const bool topFive = position >= 0 && position < 5;
    const bool last = position == left - 1;
    const int32_t leaders = std::min(topFive || last ? 5 : 4, left);
    for (int32_t i = 0; i < leaders; ++i)
        list.add(rowAt(field, i, human));
    if (!topFive && position >= leaders)
        list.add(rowAt(field, position, human));
    if (left > 5 && !last && left - 1 >= leaders)
        list.add(rowAt(field, left - 1, human));
    return list;
}

String TournamentStandings::remainingLine(const TournamentField& field)
{
    return String() + int32_t(field.remaining) + " of " + int32_t(field.entrants) + " remain.";
}

String TournamentStandings::rowText(const Row& row)
{
    return String() + row.place + "  " + row.name + " " + formatMoney(row.chips);
}
