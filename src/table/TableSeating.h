#pragma once

#include "poker/PokerTable.h"
#include "table/OpponentFactory.h"
#include "table/SeatState.h"

#include <cstdint>

class TournamentField;

// Who sits where at a table game: the computer opponents of a cash table, drawn
// when it opens and arriving or leaving between hands, the tournament's entrants
// as the field seats them, and the star among them. It keeps the seats' names and
// faces in step with the table's players.
class TableSeating {
public:
    static constexpr int32_t SEATS = PokerTable::SEATS;
    static constexpr int32_t NO_STAR = 255;

    // Per frame: a cash table's empty seat fills with chance 1 in ARRIVAL_ODDS, an
    // opponent out of the hand leaves with chance 1 in LEAVE_ODDS.
    static constexpr int32_t ARRIVAL_ODDS = 200;
    static constexpr int32_t LEAVE_ODDS = 20000;

    // The table, field and seats must outlive this; humanSeat is the player's seat.
    TableSeating(PokerTable& table, TournamentField& field, SeatState (&seats)[SEATS], int32_t humanSeat);

    // Before a game is set up: the names from the open pack, and no star yet.
    void reset();
    int32_t starSeat() const { return star; }

    // A resumed cash game: names and faces as saved, every other player the computer's.
    void seatResumed(const uint8_t (&avatars)[SEATS]);
    // A new cash table's opponents, each buying in at stakeLevel: one heads-up, else
    // most seats filled at random.
    void seatOpponents(int32_t stakeLevel, bool headsUp);
    // Between frames of a cash game: opponents come and go. True when any did.
    bool cashSeatChanges(int32_t stakeLevel);

    // A new tournament's entrants after the human, each with chips.
    void fillField(int32_t chips, bool withStar);
    // Takes the entrants the field has at the table now as already seated.
    void matchFieldEntrants();
    void forgetEntrants();
    // Makes the table's seats match table 0 of the field after balancing.
    void seatFromField(const String& humanName, int32_t humanAvatar);
    // The chips of every entrant seated here go back into the field.
    void chipsToField();

private:
    void seatOpponent(int32_t seatIndex, int32_t stakeLevel);
    bool nameTaken(const String& name) const;

    PokerTable& table;
    TournamentField& field;
    SeatState (&seats)[SEATS];
    int32_t humanSeat;
    int32_t seatEntrant[SEATS] = {-1, -1, -1, -1, -1, -1};
    OpponentFactory opponents;
    int32_t star = NO_STAR;
};
