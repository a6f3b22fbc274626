#pragma once

#include "core/runtime/String.h"
#include "core/runtime/Vector.h"

#include <cstdint>

class TournamentField;

// The rows of the standings view: the leaders, the player's own row when it is
// not among them, and the last place, at most six rows.
class TournamentStandings {
public:
    struct Row {
        int32_t place = 0;
        String name;
        int32_t chips = 0;
        bool human = false;
    };

    // The first five places when the player (entrant human) is in the top five or
    // last, otherwise the first four, never more than the players left; then the
    // player's row when it is not in the top five; then, with more than five left and
    // the player not last, the last place.
    static Vector<Row> rows(const TournamentField& field, int32_t human = 0);

    // "12 of 36 remain."
    static String remainingLine(const TournamentField& field);
    // A row as text: place, two spaces, name, a space and the chips.
    static String rowText(const Row& row);
};
