#include "table/TableSeating.h"

#include "poker/RandomSource.h"
#include "poker/Stakes.h"
#include "poker/TournamentField.h"

TableSeating::TableSeating(PokerTable& pokerTable, TournamentField& tournamentField, SeatState (&tableSeats)[SEATS],
                           int32_t human)
    : table(pokerTable)
    , field(tournamentField)
    , seats(tableSeats)
    , humanSeat(human)
{
}

void TableSeating::reset()
{
    opponents.loadNames();
    star = NO_STAR;
}

void TableSeating::seatResumed(const uint8_t (&avatars)[SEATS])
{
    for (int32_t s = 0; s < SEATS; ++s) {
        Player& p = table.player(s);
        seats[s].name = p.name;
        seats[s].avatar = avatars[s];
        if (p.seated && s != humanSeat)
            p.type = Player::COMPUTER;
        if (p.seated && avatars[s] == OpponentFactory::STAR_AVATAR)
            star = s;
    }
    table.player(humanSeat).type = Player::HUMAN;
}

void TableSeating::seatOpponents(int32_t stakeLevel, bool headsUp)
{
    RandomSource& random = RandomSource::shared();
    if (headsUp) {
        seatOpponent(1, stakeLevel);
    } else {
        for (int32_t s = 1; s < SEATS; ++s) {
            if (random.nextInt(5) != 0)
                seatOpponent(s, stakeLevel);
        }
    }
}

bool TableSeating::nameTaken(const String& name) const
{
    for (int32_t s = 0; s < SEATS; ++s) {
        if (table.player(s).seated && table.player(s).name.equals(name))
            return true;
    }
    return false;
}

void TableSeating::seatOpponent(int32_t s, int32_t stakeLevel)
{
    OpponentFactory::NewOpponent opponent = opponents.create(
        stakeLevel, star == NO_STAR, [this](const String& name) { return nameTaken(name); });
    table.sit(s, opponent.name, Player::COMPUTER, Stakes::BUY_INS[stakeLevel]);
    if (opponent.star)
        star = s;
    seats[s] = SeatState();
    seats[s].name = opponent.name;
    seats[s].avatar = uint8_t(opponent.avatar);
}

bool TableSeating::cashSeatChanges(int32_t stakeLevel)
{
    RandomSource& random = RandomSource::shared();
    bool any = false;
    for (int32_t s = 1; s < SEATS; ++s) {
        Player& p = table.player(s);
        if (!p.seated) {
            if (star == s)
                star = NO_STAR;
            if (random.nextInt(ARRIVAL_ODDS) == 0) {
                seatOpponent(s, stakeLevel);
                any = true;
            }
            continue;
        }
        if (star == NO_STAR && !p.inHand && p.roundBet == 0 && random.nextInt(LEAVE_ODDS) == 0) {
            p.seated = false;
            seats[s] = SeatState();
            any = true;
        }
    }
    return any;
}

void TableSeating::fillField(int32_t chips, bool withStar)
{
    opponents.fillField(field, chips, withStar);
}

void TableSeating::matchFieldEntrants()
{
    for (int32_t s = 0; s < SEATS; ++s)
        seatEntrant[s] = field.entrantAt(s);
}

void TableSeating::forgetEntrants()
{
    for (int32_t& e : seatEntrant)
        e = -1;
}

void TableSeating::seatFromField(const String& humanName, int32_t humanAvatar)
{
    for (int32_t s = 0; s < SEATS; ++s) {
        const int32_t entrant = field.entrantAt(s);
        Player& p = table.player(s);
        if (entrant < 0) {
            p.seated = false;
            p.inHand = false;
            seatEntrant[s] = -1;
            if (star == s)
                star = NO_STAR;
            continue;
        }
        if (seatEntrant[s] == entrant && p.seated)
            continue;
        const FieldEntry* e = field.entry(entrant);
        const bool human = entrant == 0;
        table.sit(s, human ? humanName : e->name, human ? Player::HUMAN : Player::COMPUTER, e->chips);
        seatEntrant[s] = entrant;
        seats[s] = SeatState();
        seats[s].name = human ? humanName : e->name;
        seats[s].avatar = uint8_t(human ? humanAvatar : e->avatar);
        if (star == s)
            star = NO_STAR;
        if (e->avatar == OpponentFactory::STAR_AVATAR && !human)
            star = s;
    }
}

void TableSeating::chipsToField()
{
    for (int32_t s = 0; s < SEATS; ++s) {
        if (seatEntrant[s] >= 0)
            field.setChipsAtHumanSeat(s, table.player(s).seated ? table.player(s).chips : 0);
    }
}
