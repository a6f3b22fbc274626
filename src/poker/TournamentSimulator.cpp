#include "poker/TournamentSimulator.h"

#include "poker/RandomSource.h"

TournamentSimulator::TournamentSimulator(int entrants, int stakeIndex)
    : driver(table)
    , stake(stakeIndex)
{
    field.createField(entrants);
    for (int i = 0; i < entrants; ++i) {
        int avatar = RandomSource::shared().nextInt(6);
        if (stake == 5 && i == 1)
            avatar = TournamentField::STAR_AVATAR;
        field.setEntry(i, String("Entrant ") + int32_t(i), TournamentField::STARTING_CHIPS, avatar);
    }
    table.resetGame();
    table.setBlindSchedule();
    for (int& e : seatEntrant)
        e = -1;
    seatFromField();
}

// Makes the real table's seats match table 0 of the field after balancing.
void TournamentSimulator::seatFromField()
{
    for (int seat = 0; seat < PokerTable::SEATS; ++seat) {
        int entrant = field.entrantAt(seat);
        Player& p = table.player(seat);
        if (entrant < 0) {
            p.seated = false;
            seatEntrant[seat] = -1;
            continue;
        }
        if (seatEntrant[seat] != entrant || !p.seated) {
            FieldEntry* e = field.entry(entrant);
            table.sit(seat, e->name, Player::COMPUTER, e->chips);
            seatEntrant[seat] = entrant;
        }
    }
}

bool TournamentSimulator::playHumanTableHand()
{
    for (int frames = 0; frames < 100000; ++frames) {
        if (table.handOver)
            table.handOver = false;
        int8_t before = table.state;
        driver.frame();
        if (afterFrame)
            afterFrame(table);
        if (before == PokerTable::STATE_SETTLE && table.state == PokerTable::STATE_START_HAND)
            return true;
    }
    return false;
}

bool TournamentSimulator::run(int64_t maxAdvances)
{
    for (int64_t n = 0; n < maxAdvances; ++n) {
        if (field.remaining <= 1)
            return true;
        if (!field.simulateAll && !field.humanSeated())
            field.simulateAll = true; // the computer in the human's seat is out
        bool real = !field.simulateAll && table.countSeated() >= 2;
        if (real) {
            if (!playHumanTableHand())
                return false;
            for (int seat = 0; seat < PokerTable::SEATS; ++seat) {
                if (seatEntrant[seat] >= 0)
                    field.setChipsAtHumanSeat(seat, table.player(seat).seated ? table.player(seat).chips : 0);
            }
        }
        field.bigBlind = table.bigBlind();
        field.smallBlind = table.smallBlind();
        field.advance();
        ++hands;
        if (!field.simulateAll)
            seatFromField();
        if (!real) {
            // No hand at table 0: the schedule still moves on with the field.
            table.handsPlayed = int16_t(table.handsPlayed + 1);
            if (table.handsPlayed % table.handsPerLevel == 0 && table.level + 1 < table.levelCount)
                table.level += 1;
        }
    }
    return field.remaining <= 1;
}

int TournamentSimulator::winner() const
{
    for (int i = 0; i < field.entrants; ++i) {
        FieldEntry* e = field.entry(i);
        if (e->active && e->place == 1)
            return i;
    }
    return -1;
}

int64_t TournamentSimulator::prizesPaid() const
{
    int index = TournamentField::fieldIndex(field.entrants);
    int64_t sum = 0;
    for (int i = 0; i < field.entrants; ++i)
        sum += TournamentField::prizeMultiple(index, field.entry(i)->place);
    return sum;
}
