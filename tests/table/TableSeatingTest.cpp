// Who sits at the table: cash opponents drawn, arriving and leaving between
// hands, and a tournament table kept in step with its field.
#include "ui/ScreenFixture.h"

#include "poker/PokerTable.h"
#include "poker/RandomSource.h"
#include "poker/Stakes.h"
#include "poker/TournamentField.h"
#include "table/TableSeating.h"

#include <algorithm>
#include <memory>
#include <set>

namespace {

struct SeatedTable {
    PokerTable table;
    TournamentField field;
    SeatState seats[TableSeating::SEATS];
    TableSeating seating{table, field, seats, 0};

    SeatedTable()
    {
        seating.reset();
        sit(0, "Player", Player::HUMAN, 100);
    }
    // A player the game seated itself, as the human is.
    void sit(int s, const char* name, int type, int32_t chips)
    {
        table.sit(s, String(name), type, chips);
        seats[s].name = String(name);
    }
    int countSeated() const
    {
        int n = 0;
        for (int s = 0; s < TableSeating::SEATS; ++s)
            n += table.player(s).seated ? 1 : 0;
        return n;
    }
    // The seats' names are the players' and no two seated players share one.
    void expectSeatsMatchPlayers(const char* when) const
    {
        std::set<std::string> names;
        for (int s = 0; s < TableSeating::SEATS; ++s) {
            const Player& p = table.player(s);
            if (!p.seated)
                continue;
            EXPECT_EQ(narrow(seats[s].name), narrow(p.name)) << when << " seat " << s;
            EXPECT_TRUE(names.insert(narrow(p.name)).second) << when << " " << narrow(p.name);
        }
    }
};

TEST(TableSeatingTest, CashOpponentsComeAndGoOnlyBetweenTheirHandsAndNeverBesideTheStar)
{
    ASSERT_TRUE(openTestPack());
    RandomSource::shared().setSeed(3);

    SeatedTable headsUp;
    headsUp.seating.seatOpponents(0, /*headsUp=*/true);
    EXPECT_EQ(headsUp.countSeated(), 2);
    EXPECT_EQ(headsUp.table.player(1).chips, Stakes::BUY_INS[0]);

    SeatedTable full;
    full.seating.seatOpponents(2, false);
    EXPECT_GE(full.countSeated(), 2);
    full.expectSeatsMatchPlayers("new table");

    // No star below the top stakes: opponents leave now and then, but not one still
    // in the hand or with chips in front of it.
    SeatedTable churn;
    churn.sit(1, "Ida", Player::COMPUTER, 50);
    churn.table.player(1).inHand = true;
    churn.sit(2, "Rex", Player::COMPUTER, 50);
    churn.table.player(2).roundBet = 5;
    int arrivals = 0, leaves = 0;
    for (int frame = 0; frame < 200000; ++frame) {
        bool before[TableSeating::SEATS];
        for (int s = 0; s < TableSeating::SEATS; ++s)
            before[s] = churn.table.player(s).seated;
        const bool any = churn.seating.cashSeatChanges(0);
        bool differs = false;
        for (int s = 0; s < TableSeating::SEATS; ++s) {
            const bool now = churn.table.player(s).seated;
            differs = differs || now != before[s];
            if (now && !before[s]) {
                ++arrivals;
                EXPECT_EQ(churn.table.player(s).chips, Stakes::BUY_INS[0]);
            }
            if (!now && before[s]) {
                ++leaves;
                EXPECT_EQ(churn.seats[s].name.length(), 0) << "the leaver's name stays behind";
            }
        }
        ASSERT_EQ(any, differs) << "frame " << frame;
        ASSERT_TRUE(churn.table.player(1).seated && churn.table.player(2).seated) << "left in the hand, frame " << frame;
        ASSERT_EQ(churn.seating.starSeat(), TableSeating::NO_STAR);
    }
    EXPECT_EQ(churn.table.player(0).chips, 100) << "the human stays put";
    EXPECT_GT(arrivals, 5);
    EXPECT_GT(leaves, 5);
    churn.expectSeatsMatchPlayers("after the churn");

    // At the top stake the star comes now and then; while it sits nobody leaves.
    std::unique_ptr<SeatedTable> starry;
    for (int tries = 0; tries < 50 && (!starry || starry->seating.starSeat() == TableSeating::NO_STAR); ++tries) {
        starry.reset(new SeatedTable);
        starry->seating.seatOpponents(5, false);
    }
    const int star = starry->seating.starSeat();
    ASSERT_NE(star, TableSeating::NO_STAR);
    const int seatedWithStar = starry->countSeated();
    for (int frame = 0; frame < 100000; ++frame)
        starry->seating.cashSeatChanges(5);
    EXPECT_GE(starry->countSeated(), seatedWithStar);
    EXPECT_EQ(std::count_if(std::begin(starry->seats), std::end(starry->seats),
                  [](const SeatState& s) { return s.avatar == OpponentFactory::STAR_AVATAR; }),
        1) << "a second star, or none";

    // Once the star's seat is empty it is no longer the star's, and leaving resumes.
    starry->table.player(star).seated = false;
    starry->seating.cashSeatChanges(5);
    EXPECT_NE(starry->seating.starSeat(), star);
    int left = 0;
    for (int frame = 0; frame < 200000 && left == 0; ++frame) {
        const int before = starry->countSeated();
        starry->seating.cashSeatChanges(5);
        if (starry->seating.starSeat() == TableSeating::NO_STAR && starry->countSeated() < before)
            ++left;
    }
    EXPECT_EQ(left, 1);
}

TEST(TableSeatingTest, TournamentSeatsFollowTheFieldKeepingPlayersAlreadySeated)
{
    ASSERT_TRUE(openTestPack());
    RandomSource::shared().setSeed(5);
    SeatedTable t;
    t.field.createField(12);
    t.field.setEntry(0, String("Player"), 500, 2);
    t.seating.fillField(500, /*withStar=*/true);
    ASSERT_EQ(t.field.entry(1)->avatar, OpponentFactory::STAR_AVATAR);

    // Sits every entrant the field has at table 0; the star sits elsewhere.
    t.seating.forgetEntrants();
    t.seating.seatFromField(String("Ed"), 3);
    for (int s = 0; s < TableSeating::SEATS; ++s) {
        const int entrant = t.field.entrantAt(s);
        ASSERT_EQ(t.table.player(s).seated, entrant >= 0) << s;
        if (entrant > 0) {
            EXPECT_EQ(t.seats[s].avatar, t.field.entry(entrant)->avatar) << s;
        }
    }
    EXPECT_EQ(narrow(t.table.player(0).name), "Ed");
    t.expectSeatsMatchPlayers("first seating");
    EXPECT_EQ(t.seating.starSeat(), TableSeating::NO_STAR);

    // A player still at its seat keeps its chips and texts when the field is read again.
    const int kept = 1;
    ASSERT_GE(t.field.entrantAt(kept), 0);
    t.table.player(kept).chips = 123;
    t.seats[kept].actionText = String("Call");
    t.seating.seatFromField(String("Ed"), 3);
    EXPECT_EQ(t.table.player(kept).chips, 123);
    EXPECT_EQ(narrow(t.seats[kept].actionText), "Call");

    // The chips go back into the field: a busted player's as nothing.
    const int busted = 2;
    t.table.player(busted).seated = false;
    t.table.player(0).chips = 250;
    t.seating.chipsToField();
    EXPECT_EQ(t.field.entry(t.field.entrantAt(kept))->chips, 123);
    EXPECT_EQ(t.field.entry(t.field.entrantAt(busted))->chips, 0);
    EXPECT_EQ(t.field.entry(t.field.entrantAt(0))->chips, 250) << "the human's table chips";

    // Balancing moves the star in over the busted player and another entrant away.
    const int moved = 3;
    t.field.tables[0].seats[busted] = 1;
    t.field.tables[0].seats[moved] = TournamentField::EMPTY_SEAT;
    t.seating.seatFromField(String("Ed"), 3);
    EXPECT_TRUE(t.table.player(busted).seated);
    EXPECT_EQ(t.seats[busted].avatar, OpponentFactory::STAR_AVATAR);
    EXPECT_EQ(t.seating.starSeat(), busted);
    EXPECT_FALSE(t.table.player(moved).seated);
    t.expectSeatsMatchPlayers("after balancing");

    // The star moved on: its seat is empty and there is no star at the table.
    t.field.tables[0].seats[busted] = TournamentField::EMPTY_SEAT;
    t.seating.seatFromField(String("Ed"), 3);
    EXPECT_EQ(t.seating.starSeat(), TableSeating::NO_STAR);

    // Entrants taken as seated (a resumed table) are left with the table's chips;
    // forgotten ones are sat again from the field's.
    t.table.player(kept).chips = 77;
    t.seating.matchFieldEntrants();
    t.seating.seatFromField(String("Ed"), 3);
    EXPECT_EQ(t.table.player(kept).chips, 77);
    t.seating.forgetEntrants();
    t.seating.seatFromField(String("Ed"), 3);
    EXPECT_EQ(t.table.player(kept).chips, 123);
    EXPECT_EQ(t.seats[kept].actionText.length(), 0);
}

} // namespace
