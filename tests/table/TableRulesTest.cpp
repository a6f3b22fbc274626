// The table's rules that need no screen: messages, the star's remarks, standings
// rows, amount entry, prizes and new opponents.
#include "ui/ScreenFixture.h"

#include "poker/RandomSource.h"
#include "poker/TableView.h"
#include "poker/TournamentField.h"
#include "table/AmountEntry.h"
#include "table/OpponentFactory.h"
#include "table/StarRemarks.h"
#include "table/TableMessages.h"
#include "table/TournamentStandings.h"

#include <set>

namespace {

TableView threeHanded()
{
    TableView view;
    const char* names[] = {"Player", "Rex", "Ida"};
    for (int s = 0; s < 3; ++s) {
        view.seats[s].name = String(names[s]);
        view.seats[s].seated = true;
        view.seats[s].inHand = true;
    }
    view.potWinnerCount[0] = 1;
    view.potWinners[0][0] = 1;
    return view;
}

void setHand(TableView& view, int seat, int category, std::initializer_list<int> kickers)
{
    view.seats[seat].category = category;
    int i = 0;
    for (int k : kickers)
        view.seats[seat].kickers[i++] = k;
}

TEST(TableMessagesTest, ShowdownForEveryCategorySplitAndUncontested)
{
    ASSERT_TRUE(openTestPack());
    // Rank indices: 0 deuce .. 12 ace; -1 the ace of a five-high straight.
    struct Case {
        int category;
        std::initializer_list<int> kickers;
        const char* words;
    } cases[] = {
        {0, {12, 11, 7, 5, 3}, "A K 9 7 5"},
        {1, {11, 11, 12, 7, 3}, "A pair: K K A 9 5"},
        {2, {11, 11, 5, 5, 12}, "Two pair: K K 7 7 A"},
        {3, {5, 5, 5, 12, 11}, "Three of a kind: 7 7 7 A K"},
        {4, {3, 2, 1, 0, -1}, "A straight: 5 4 3 2 A"},
        {5, {12, 9, 7, 4, 1}, "A flush: A J 9 6 3"},
        {6, {8, 8, 8, 0, 0}, "A full house: T T T 2 2"},
        {7, {10, 10, 10, 10, 12}, "Four of a kind: Q Q Q Q A"},
        {8, {7, 6, 5, 4, 3}, "A straight flush: 9 8 7 6 5"},
        {9, {12, 11, 10, 9, 8}, "A royal flush: A K Q J T"},
    };
    for (const Case& c : cases) {
        TableView view = threeHanded();
        setHand(view, 1, c.category, c.kickers);
        EXPECT_EQ(narrow(TableMessages::showdown(view, 6, 0, true)), std::string("Rex wins the pot\n") + c.words)
            << c.category;
    }

    TableView view = threeHanded();
    setHand(view, 0, 2, {11, 11, 5, 5, 12});
    view.potWinners[0][0] = 0;
    EXPECT_EQ(narrow(TableMessages::showdown(view, 6, 0, true)), "Two pair: K K 7 7 A") << "the human wins";
    view.potWinnerCount[0] = 2;
    view.potWinners[0][1] = 2;
    EXPECT_EQ(narrow(TableMessages::showdown(view, 6, 0, true)), "Split pot\nTwo pair: K K 7 7 A");

    view = threeHanded();
    EXPECT_EQ(narrow(TableMessages::showdown(view, 6, 0, false)), "Rex wins the pot\nEveryone else folded.");
    view.seats[2].seated = false;
    EXPECT_EQ(narrow(TableMessages::showdown(view, 7, 0, false)), "Rex wins the pot\nPlayer folded.");
    view.potWinners[0][0] = 0;
    EXPECT_EQ(narrow(TableMessages::showdown(view, 7, 0, false)), "Rex folded.");
    view.potWinnerCount[0] = 0;
    EXPECT_EQ(narrow(TableMessages::showdown(view, 7, 0, false)), "");
}

TEST(TableMessagesTest, PrizesAndEndOfGameTexts)
{
    ASSERT_TRUE(openTestPack());
    EXPECT_EQ(TableMessages::prize(0, 1, 0), 6000);
    EXPECT_EQ(TableMessages::prize(0, 3, 2), 20000);
    EXPECT_EQ(TableMessages::prize(0, 4, 5), 0);
    EXPECT_EQ(TableMessages::prize(4, 21, 5), 200000);
    EXPECT_EQ(TableMessages::prize(4, 22, 5), 0);
    EXPECT_EQ(TableMessages::prize(3, 1, 6), 0) << "stake out of range";
    for (int size = 0; size < TournamentField::FIELD_SIZES; ++size) {
        int sum = 0;
        for (int place = 1; place <= 21; ++place)
            sum += TableMessages::prize(size, place, 0) / 1000;
        EXPECT_EQ(sum, TournamentField::ENTRANTS_BY_FIELD[size]);
    }
    EXPECT_EQ(narrow(TableMessages::tournamentOver(false, 7, 0)),
              "You are out of the tournament in place 7.\nPress any key to continue.");
    EXPECT_EQ(narrow(TableMessages::tournamentOver(true, 1, 60000)),
              "You won the tournament! Your prize: $60K.\nPress any key to continue.");
    EXPECT_EQ(narrow(TableMessages::blindsUp(10, 20)), "The blinds go up to 10/20.\nPress any key to continue.");
}

TEST(StarRemarksTest, EventsInTheirOrder)
{
    TableView view = threeHanded();
    const int star = 1;
    for (int s = 0; s < 3; ++s)
        view.seats[s].chips = 500;
    StarRemarks remarks;
    remarks.newHand();
    remarks.observe(10, 10);
    view.seats[star].inHand = false;
    EXPECT_EQ(remarks.choose(view, star), StarRemarks::NONE) << "folded after only the big blind";
    remarks.observe(11, 10);
    EXPECT_EQ(remarks.choose(view, star), StarRemarks::FOLDED_AFTER_BETTING);
    remarks.newHand();
    view.seats[star].inHand = true;
    EXPECT_EQ(remarks.choose(view, star), StarRemarks::STAYED);
    view.seats[star].chips = 0;
    EXPECT_EQ(remarks.choose(view, star), StarRemarks::BUSTED);
    view.seats[star].winnings = 900;
    view.seats[star].wonPot = true;
    EXPECT_EQ(remarks.choose(view, star), StarRemarks::WON) << "all-in and won";
    view.seats[2].chips = 0;
    EXPECT_EQ(remarks.choose(view, star), StarRemarks::WON_AND_BUSTED_SOMEONE);
    EXPECT_EQ(remarks.choose(view, 255), StarRemarks::NONE);

    // Each event says one of the three lines of its own text.
    ASSERT_TRUE(openTestPack());
    const int ids[] = {2092, 2095, 2093, 2096, 2094};
    for (int event = 0; event <= 4; ++event) {
        const std::string lines = "\n" + narrow(getText(ids[event])) + "\n";
        const std::string said = narrow(StarRemarks::line(StarRemarks::Event(event)));
        EXPECT_NE(lines.find("\n" + said + "\n"), std::string::npos) << event << ": " << said;
    }
    EXPECT_EQ(StarRemarks::line(StarRemarks::NONE).length(), 0);
}

// A field of n entrants ranked so that the human (entrant 0) ends at index position.
TournamentField rankedField(int n, int remaining, int position)
{
    TournamentField field;
    field.createField(n);
    for (int i = 0; i < n; ++i)
        field.setEntry(i, String("E") + int32_t(i), 0, 0);
    // Entrants 1.. in order of chips, the human slotted in at position.
    std::vector<int> order;
    for (int i = 1; i < remaining; ++i)
        order.push_back(i);
    order.insert(order.begin() + position, 0);
    for (int rank = 0; rank < remaining; ++rank)
        field.entry(order[size_t(rank)])->chips = 10000 - rank * 10;
    field.rankField();
    return field;
}

std::vector<int> placesOf(const Vector<TournamentStandings::Row>& rows, int& humanRow)
{
    std::vector<int> places;
    humanRow = -1;
    for (int i = 0; i < rows.size(); ++i) {
        places.push_back(rows[i].place);
        if (rows[i].human)
            humanRow = i;
    }
    return places;
}

TEST(TournamentStandingsTest, RowsForThePlayerAtTheTopLastOrElsewhere)
{
    struct Case {
        int remaining, position;
        std::vector<int> places;
        int humanRow;
    } cases[] = {
        {36, 2, {1, 2, 3, 4, 5, 36}, 2},   // top five: five leaders and the last
        {36, 35, {1, 2, 3, 4, 5, 36}, 5},  // last: five leaders and the human's (last) row
        {36, 17, {1, 2, 3, 4, 18, 36}, 4}, // elsewhere: four, the human, the last
        {6, 5, {1, 2, 3, 4, 5, 6}, 5},
        {3, 2, {1, 2, 3}, 2},              // never more than the players left
    };
    for (const Case& c : cases) {
        TournamentField field = rankedField(36, c.remaining, c.position);
        // Entrants beyond `remaining` busted with no chips.
        ASSERT_EQ(field.remaining, c.remaining);
        int humanRow;
        EXPECT_EQ(placesOf(TournamentStandings::rows(field), humanRow), c.places)
            << c.remaining << "/" << c.position;
        EXPECT_EQ(humanRow, c.humanRow) << c.remaining << "/" << c.position;
    }
    TournamentField field = rankedField(36, 36, 0);
    EXPECT_EQ(narrow(TournamentStandings::remainingLine(field)), "36 of 36 remain.");
    EXPECT_EQ(narrow(TournamentStandings::rowText(TournamentStandings::rows(field)[0])), "1  E0 $10K");
}

TEST(AmountEntryTest, ClampingKeysClearAndConfirm)
{
    AmountEntry entry;
    entry.open(200, 1500, 100, 200);
    EXPECT_EQ(entry.amount(), 200);
    EXPECT_FALSE(entry.canDecrease());
    // The preset stands as if selected: the first digit replaces it, the next append.
    EXPECT_TRUE(entry.type(u'3'));
    EXPECT_TRUE(entry.type(u'0'));
    EXPECT_TRUE(entry.type(u'0'));
    EXPECT_EQ(entry.amount(), 300);
    entry.setAmount(200);
    entry.decrease();
    EXPECT_EQ(entry.amount(), 200);
    for (int i = 0; i < 20; ++i)
        entry.increase();
    EXPECT_EQ(entry.amount(), 1500) << "capped at the stack";
    EXPECT_FALSE(entry.canIncrease());
    entry.decrease();
    EXPECT_EQ(entry.amount(), 1400);

    // The stepped amount gives way to the first digit, the next append.
    for (char16_t c : { u'5', u'0', u'0', u'0', u'0' })
        EXPECT_TRUE(entry.type(c));
    EXPECT_EQ(entry.amount(), 50000);
    EXPECT_FALSE(entry.confirm());
    EXPECT_TRUE(entry.isOpen());
    EXPECT_EQ(entry.amount(), 1500) << "the nearer bound";
    // A digit deleted from the clamped amount leaves the rest to be typed on.
    EXPECT_FALSE(entry.clear());
    EXPECT_TRUE(entry.type(u'9'));
    EXPECT_EQ(entry.amount(), 1509);
    EXPECT_FALSE(entry.clear());
    EXPECT_FALSE(entry.clear());
    EXPECT_FALSE(entry.clear());
    EXPECT_EQ(narrow(entry.text()), "1");
    EXPECT_FALSE(entry.confirm());
    EXPECT_EQ(entry.amount(), 200);
    EXPECT_FALSE(entry.type(u'x'));
    EXPECT_TRUE(entry.type(u'a'));
    EXPECT_EQ(entry.amount(), 1500);
    EXPECT_TRUE(entry.type(u'*'));
    EXPECT_EQ(entry.amount(), 1500);
    EXPECT_TRUE(entry.confirm());
    EXPECT_FALSE(entry.isOpen());

    entry.open(200, 1500, 100, 300);
    for (int i = 0; i < 3; ++i)
        entry.clear();
    EXPECT_EQ(entry.amount(), 0);
    EXPECT_TRUE(entry.isOpen());
    EXPECT_TRUE(entry.clear()) << "clear on an empty field closes";
    EXPECT_FALSE(entry.isOpen());

    entry.open(200, 1500, 100, 0);
    for (int i = 0; i < 15; ++i)
        entry.type(u'9');
    EXPECT_EQ(entry.amount(), 999999999) << "nine digits at most";
    entry.setAmount(0);
    entry.type(u'0');
    entry.type(u'7');
    EXPECT_EQ(narrow(entry.text()), "7");
}

TEST(OpponentFactoryTest, StarOnlyAtTopStakesAndNamesNeverRepeat)
{
    ASSERT_TRUE(openTestPack());
    OpponentFactory factory;
    factory.loadNames();
    RandomSource::shared().setSeed(11);
    int stars[6] = {};
    for (int stake = 0; stake < 6; ++stake) {
        for (int i = 0; i < 4000; ++i)
            stars[stake] += factory.create(stake, true, nullptr).star ? 1 : 0;
    }
    for (int stake = 0; stake < 4; ++stake)
        EXPECT_EQ(stars[stake], 0) << stake;
    EXPECT_NEAR(stars[4], 200, 60);
    EXPECT_NEAR(stars[5], 800, 120);
    EXPECT_EQ(factory.create(5, false, nullptr).star, false);
    OpponentFactory::NewOpponent star;
    while (!star.star)
        star = factory.create(5, true, nullptr);
    EXPECT_EQ(narrow(star.name), "Baron Vex");
    EXPECT_EQ(star.avatar, OpponentFactory::STAR_AVATAR);

    // Two entries with equal text but separate storage: identity would let the
    // second through as a new name.
    Vector<String> first;
    first.add(String("Bo"));
    Vector<String> endings;
    endings.add(String(" A."));
    factory.setNames(first, endings);
    std::set<std::string> taken;
    for (int i = 0; i < 60; ++i) {
        const String name = factory.drawName([&](const String& candidate) { return taken.count(narrow(candidate)) > 0; });
        EXPECT_TRUE(taken.insert(narrow(name)).second) << narrow(name);
    }
}

} // namespace
