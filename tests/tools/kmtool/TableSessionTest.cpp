// Games played on the table screen through kmtool's scripted player: a cash game
// left and resumed in a later run with its seats and chips, a new game over a saved
// one giving the chips back, heads-up, and a whole tournament on the smallest
// display and on the landscape frames, with the hand histories the game writes as
// it goes; and games that go on through size changes between portrait and
// landscape frames in the middle of a hand.
#include "PlaySession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

namespace {

// Through the splash screens; F1 answers the sound question with Yes, F2 with No.
const std::string TO_MAIN_MENU = "wait 16000\nkey F2\nwait 300\n";

std::string repeat(int times, const std::string& lines)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += lines;
    return out;
}

// The seats as name and chips, without the texts that change as a hand goes on.
std::string seatsOf(const std::string& dump)
{
    std::string seats = field(dump, "table.seats");
    std::string out;
    for (size_t at = seats.find("\"name\":"); at != std::string::npos; at = seats.find("\"name\":", at + 1)) {
        size_t end = seats.find(",\"inHand\"", at);
        out += seats.substr(at, end - at) + ";";
    }
    return out;
}

// A seat's stack and its bet on the table: the chips the player has at that seat.
int seatChips(const std::string& dump, int seat)
{
    const std::string s = element(dump, "table.seats", seat);
    return std::stoi(field(s, "chips")) + std::stoi(field(s, "bet"));
}

// What the game saved, as kmtool's store decoder reads it.
std::string savedStore(const std::string& dataDirectory, const std::string& storeName)
{
    return kmtool("store decode " + dataDirectory + "/" + storeName + "_DATA.dat").out;
}

std::vector<std::string> handHistoryLines(const std::string& dataDirectory)
{
    std::vector<std::string> lines;
    FILE* list = popen(("cat '" + dataDirectory + "'/hand-history/kestrelmoore-*.txt 2>/dev/null").c_str(), "r");
    char* line = nullptr;
    size_t capacity = 0;
    while (list && getline(&line, &capacity, list) > 0)
        lines.emplace_back(line);
    free(line);
    if (list)
        pclose(list);
    return lines;
}

} // namespace

TEST(TableSessionTest, CashGameResumedInALaterRunAndANewGameGivesTheChipsBack)
{
    TempFolder data;
    const std::string options = "--seed 5 --data-dir " + data.path;
    // Play, cash game, the first stake; fold whenever it is the player's turn.
    PlayRun first = playScript(TO_MAIN_MENU + "key RETURN\nwait 300\nkey RETURN\nwait 300\nkey RETURN\nwait 300\ndump\n" +
            repeat(30, "wait 2000\nkey 0x31\n") + "dump\nquit\n",
        options);
    ASSERT_EQ(first.status, 0) << first.error;
    ASSERT_EQ(first.dumps.size(), 2u);
    EXPECT_EQ(field(first.dumps[0], "screen"), "40");
    EXPECT_EQ(field(first.dumps[0], "table.variant"), "6");
    EXPECT_EQ(field(first.dumps[0], "table.blinds"), "[5,10]");
    EXPECT_EQ(field(first.dumps[0], "profile.bankroll"), "0"); // the buy-in went to the table
    const std::string played = first.dumps[1];
    EXPECT_GT(std::stoi(field(played, "table.hand")), 4);
    EXPECT_EQ(field(played, "saved.game"), "true");

    // Resumed: the same opponents with the same chips.
    PlayRun second = playScript(TO_MAIN_MENU + "key RETURN\nwait 300\ndump\nkey RETURN\nwait 300\ndump\n"
                                               "key F2\nwait 300\ndump\nquit\n",
        options);
    ASSERT_EQ(second.status, 0) << second.error;
    ASSERT_EQ(second.dumps.size(), 3u);
    EXPECT_EQ(field(second.dumps[0], "screen"), "7");
    EXPECT_EQ(field(second.dumps[0], "menu.entries"), "[\"Resume game\",\"New game\"]");
    EXPECT_EQ(field(second.dumps[1], "screen"), "40");
    EXPECT_EQ(seatsOf(second.dumps[1]), seatsOf(played));
    EXPECT_EQ(field(second.dumps[2], "screen"), "5"); // Back goes home and keeps the game
    EXPECT_EQ(field(second.dumps[2], "saved.game"), "true");

    // A new game over the saved one: the chips the player had when the last hand
    // began go back into the bankroll before anything else.
    PlayRun third = playScript(TO_MAIN_MENU + "key RETURN\nwait 300\nkey DOWN\nkey RETURN\nwait 300\ndump\n"
                                              "key F1\nwait 300\ndump\nquit\n",
        options);
    ASSERT_EQ(third.status, 0) << third.error;
    ASSERT_EQ(third.dumps.size(), 2u);
    EXPECT_EQ(field(third.dumps[0], "screen"), "24");
    EXPECT_EQ(field(third.dumps[1], "screen"), "27");
    EXPECT_EQ(field(third.dumps[1], "saved.game"), "false");
    const int bankroll = std::stoi(field(third.dumps[1], "profile.bankroll"));
    EXPECT_GT(bankroll, 900);
    EXPECT_LE(bankroll, 2000);

    // Every finished hand is in the history once, numbered without repeats.
    std::vector<std::string> history = handHistoryLines(data.path);
    std::set<std::string> numbers;
    int hands = 0;
    for (const std::string& line : history) {
        if (line.rfind("PokerStars Hand #", 0) != 0)
            continue;
        ++hands;
        numbers.insert(line.substr(0, line.find(':')));
        // The virtual clock starts at 2026-01-01 00:00 UTC: New Year's Eve in the East.
        EXPECT_NE(line.find("Hold'em No Limit (5/10) - 2025/12/31 19:"), std::string::npos) << line;
    }
    EXPECT_GE(hands, std::stoi(field(played, "table.hand")) - 1);
    EXPECT_EQ(numbers.size(), size_t(hands));
    EXPECT_NE(std::find(history.begin(), history.end(), "*** HOLE CARDS ***\n"), history.end());
}

TEST(TableSessionTest, HeadsUpSeatsTwo)
{
    TempFolder data;
    PlayRun run = playScript(TO_MAIN_MENU + "key RETURN\nwait 300\nkey DOWN\nkey RETURN\nwait 300\nkey RETURN\nwait 300\n" +
            repeat(10, "wait 2000\nkey 0x31\n") + "dump\nquit\n",
        "--seed 3 --data-dir " + data.path);
    ASSERT_EQ(run.status, 0) << run.error;
    ASSERT_EQ(run.dumps.size(), 1u);
    EXPECT_EQ(field(run.dumps[0], "table.variant"), "7");
    const std::string seats = field(run.dumps[0], "table.seats");
    int occupied = 0;
    for (size_t at = seats.find("\"name\":"); at != std::string::npos; at = seats.find("\"name\":", at + 1))
        ++occupied;
    EXPECT_EQ(occupied, 2);
    EXPECT_GT(std::stoi(field(run.dumps[0], "table.hand")), 1);
}

// On 176-pixel displays the actions are a popup menu behind the "ACTIONS" soft key.
TEST(TableSessionTest, ActionsPopupOnTheSmallestDisplay)
{
    TempFolder data;
    PlayRun run = playScript(TO_MAIN_MENU + "key RETURN\nwait 300\nkey RETURN\nwait 300\nkey RETURN\nwait 6000\n"
                                            "key F1\nwait 100\ndump\n"          // the player is to act: the popup
                                            "key DOWN\nkey RETURN\nwait 100\ndump\n" // the second entry: call
                                            "quit\n",
        "--size 176x220 --seed 4 --data-dir " + data.path);
    ASSERT_EQ(run.status, 0) << run.error;
    ASSERT_EQ(run.dumps.size(), 2u);
    EXPECT_EQ(field(run.dumps[0], "softKeys"), "[\"ACTIONS\",\"Back\"]");
    EXPECT_EQ(field(run.dumps[0], "popup"), "{\"items\":[\"Fold\",\"Call ($5) \",\"Raise\"],\"focus\":0}");
    EXPECT_EQ(field(run.dumps[0], "table.actions"), "[1,4,6]");
    EXPECT_EQ(field(run.dumps[1], "popup"), "null");
    EXPECT_EQ(field(run.dumps[1], "table.actions"), "[]");
    EXPECT_NE(field(run.dumps[1], "table.seats").find("\"action\":\"Call $10\""), std::string::npos);
}

// On 176-pixel displays the actions hide behind the "ACTIONS" soft key; the digit
// keys still take them. The player goes all in whenever it is his turn (3: raise,
// or 2: bet, then "a" and Return) and, with this seed, finishes second of twelve.
// On the landscape frames Return would press the focused button (Fold), so the
// player taps the keypad's ALL-IN and OK keys instead.
TEST(TableSessionTest, TournamentPlayedToItsEndPaysThePrize)
{
    struct Frame {
        const char* size;
        std::string allIn;
        const char* softKeys;
    };
    // The keypad's bottom row lies 242 pixels down at 640x360, 40 more at 640x400.
    auto tapAllIn = [](int y) {
        const std::string keys = "tap 460 " + std::to_string(y) + "\ntap 577 " + std::to_string(y) + "\n";
        return "wait 1500\nkey 0x33\n" + keys + "key 0x32\n" + keys;
    };
    const Frame frames[] = {
        {"176x220", "wait 1500\nkey 0x33\ntype a\nkey RETURN\nkey 0x32\ntype a\nkey RETURN\n", "[\"ACTIONS\",\"Back\"]"},
        {"640x360", tapAllIn(242), "[null,\"Back\"]"},
        {"640x400", tapAllIn(282), "[null,\"Back\"]"},
    };
    for (const Frame& frame : frames) {
        SCOPED_TRACE(frame.size);
        TempFolder data;
        const std::string toTournament = TO_MAIN_MENU +
            "key RETURN\nwait 300\nkey DOWN\nkey DOWN\nkey RETURN\nwait 300\nkey RETURN\nwait 300\nkey RETURN\nwait 300\n";
        // A dump after every move: once the tournament is over the keys go on into the
        // menus, so the test looks at the first dump that has a place.
        PlayRun run = playScript(toTournament + "wait 8000\ndump\n" + repeat(300, frame.allIn + "dump\n") + "quit\n",
            std::string("--size ") + frame.size + " --seed 8 --data-dir " + data.path);
        ASSERT_EQ(run.status, 0) << run.error;
        ASSERT_EQ(run.dumps.size(), 301u);
        const std::string& start = run.dumps[0];
        EXPECT_EQ(field(start, "table.variant"), "8");
        EXPECT_EQ(field(start, "softKeys"), frame.softKeys);
        EXPECT_EQ(field(start, "profile.bankroll"), "1000"); // a tournament takes no buy-in

        auto over = std::find_if(run.dumps.begin(), run.dumps.end(),
            [](const std::string& dump) { return field(dump, "table.place") != "null"; });
        ASSERT_NE(over, run.dumps.end());
        const std::string& end = *over;
        EXPECT_EQ(field(end, "table.place"), "2");
        EXPECT_NE(field(end, "table.message").find("place 2. Your prize: $4,000."), std::string::npos)
            << field(end, "table.message");
        EXPECT_EQ(field(end, "profile.bankroll"), "5000"); // 4 buy-ins for second of twelve
        EXPECT_EQ(field(end, "saved.tourney"), "false");
        bool tournamentHeader = false;
        for (const std::string& line : handHistoryLines(data.path))
            tournamentHeader = tournamentHeader || line.find(", 0+0 Hold'em No Limit - Level ") != std::string::npos;
        EXPECT_TRUE(tournamentHeader);
    }
}

// Cash and heads-up games on the 16:9 and 16:10 landscape frames, with the window
// switched to 240x320 and back in the middle of the player's turn: the hand, its
// seats and the actions on offer go on unchanged through both changes, and the
// action buttons at the bottom right take a tap at the new height.
TEST(TableSessionTest, LandscapeGamesGoOnThroughSizeChangesMidHand)
{
    struct Game {
        const char* name;
        std::string menu;
        const char* seed;
        const char* variant;
    };
    const Game games[] = {{"cash", "key RETURN\nwait 300\nkey RETURN\nwait 300\nkey RETURN\n", "4", "6"},
                          {"heads-up", "key RETURN\nwait 300\nkey DOWN\nkey RETURN\nwait 300\nkey RETURN\n", "3", "7"}};
    for (int height : {360, 400}) {
        for (const Game& game : games) {
            SCOPED_TRACE(std::string(game.name) + " at 640x" + std::to_string(height));
            TempFolder data;
            const std::string size = "640 " + std::to_string(height);
            // The middle one of the three buttons: Call.
            const std::string tapCall = "tap 511 " + std::to_string(height - 24 - 26 - 2 + 13) + "\n";
            PlayRun run = playScript(TO_MAIN_MENU + game.menu + "wait 6000\ndump\n"
                                         "size 240 320\nwait 100\ndump\n"
                                         "size " + size + "\nwait 100\ndump\n" +
                                         tapCall + "wait 100\ndump\n" +
                                         repeat(12, "wait 2000\nkey 0x31\n") + "dump\nquit\n",
                "--size 640x" + std::to_string(height) + " --seed " + game.seed + " --data-dir " + data.path);
            ASSERT_EQ(run.status, 0) << run.error;
            ASSERT_EQ(run.dumps.size(), 5u);
            const std::vector<std::string>& d = run.dumps;
            const std::string landscape = "{\"width\":640,\"height\":" + std::to_string(height) + ",\"class\":7}";
            EXPECT_EQ(field(d[0], "display"), landscape);
            EXPECT_EQ(field(d[1], "display"), "{\"width\":240,\"height\":320,\"class\":3}");
            EXPECT_EQ(field(d[2], "display"), landscape);
            EXPECT_EQ(field(d[0], "table.variant"), game.variant);
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(field(d[i], "table.actions"), "[1,4,6]") << "dump " << i;
                EXPECT_EQ(field(d[i], "table.hand"), "1") << "dump " << i;
                EXPECT_EQ(seatsOf(d[i]), seatsOf(d[0])) << "dump " << i;
            }
            // The tap called.
            EXPECT_EQ(field(d[3], "table.actions"), "[]");
            EXPECT_EQ(field(element(d[3], "table.seats", 0), "action").rfind("\"Call $", 0), 0u)
                << field(d[3], "table.seats");
            // Later hands are played on the landscape table.
            EXPECT_GT(std::stoi(field(d[4], "table.hand")), 2);
            EXPECT_EQ(field(d[4], "display"), landscape);
        }
    }
}

// A game closed while a hand's result shows (or right after the key that clears it)
// starts again with the chips that hand paid out, the button moved on: a won pot
// stays won, a lost all-in stays lost, in cash, heads-up and tournament games.
TEST(TableSessionTest, GameClosedOnAHandResultResumesWithWhatTheHandPaid)
{
    const std::string toCash = TO_MAIN_MENU + "key RETURN\nwait 300\nkey RETURN\nwait 300\nkey RETURN\nwait 300\n";
    const std::string toHeadsUp =
        TO_MAIN_MENU + "key RETURN\nwait 300\nkey DOWN\nkey RETURN\nwait 300\nkey RETURN\nwait 300\n";
    const std::string toTournament = TO_MAIN_MENU +
        "key RETURN\nwait 300\nkey DOWN\nkey DOWN\nkey RETURN\nwait 300\nkey RETURN\nwait 300\nkey RETURN\nwait 8000\n";
    // All in whenever it is the player's turn (3: raise, or 2: bet, then "a").
    const std::string allIn = "wait 1500\nkey 0x33\ntype a\nkey RETURN\nkey 0x32\ntype a\nkey RETURN\n";
    const std::string onResult = "wait 1500\ndump\nquit\n";
    // Play, Resume, and the table a moment later.
    const std::string resume = TO_MAIN_MENU + "key RETURN\nwait 300\nkey RETURN\nwait 300\ndump\n";

    // Cash, seed 6: the first hand's all-in is called and won, 2,010 in all.
    {
        TempFolder data;
        const std::string options = "--seed 6 --data-dir " + data.path;
        PlayRun first = playScript(toCash + repeat(5, allIn) + onResult, options);
        ASSERT_EQ(first.status, 0) << first.error;
        ASSERT_EQ(first.dumps.size(), 1u);
        EXPECT_EQ(field(first.dumps[0], "table.state"), "12"); // paid, the result up
        EXPECT_NE(field(first.dumps[0], "table.message"), "null");
        EXPECT_EQ(field(first.dumps[0], "table.hand"), "1");
        const std::string game = savedStore(data.path, "KMRB2Game");
        EXPECT_NE(game.find("{\"seat\":0,\"name\":\"Player\",\"seated\":true,\"chips\":2010}"), std::string::npos)
            << game;

        PlayRun second = playScript(resume + "key F2\nwait 300\n" // to the menu, the game kept
                                             "key RETURN\nwait 300\nkey DOWN\nkey RETURN\nwait 300\nkey F1\nwait 300\ndump\n"
                                             "quit\n",
            options);
        ASSERT_EQ(second.status, 0) << second.error;
        ASSERT_EQ(second.dumps.size(), 2u);
        const std::string& resumed = second.dumps[0];
        EXPECT_EQ(field(resumed, "table.hand"), "2"); // the next hand, not the paid one again
        EXPECT_EQ(seatChips(resumed, 0), 2010);
        EXPECT_EQ(element(resumed, "table.seats", 4), "null"); // the caller lost it all and left
        EXPECT_EQ(field(resumed, "profile.bankroll"), "0");
        // A new game over it pays the saved chips back once.
        EXPECT_EQ(field(second.dumps[1], "screen"), "27");
        EXPECT_EQ(field(second.dumps[1], "profile.bankroll"), "2010");
    }
    // The same hand, closed right after the key that clears its result.
    {
        TempFolder data;
        const std::string options = "--seed 6 --data-dir " + data.path;
        PlayRun first = playScript(toCash + repeat(5, allIn) + "wait 1500\nkey RETURN\nquit\n", options);
        ASSERT_EQ(first.status, 0) << first.error;
        PlayRun second = playScript(resume + "quit\n", options);
        ASSERT_EQ(second.status, 0) << second.error;
        ASSERT_EQ(second.dumps.size(), 1u);
        EXPECT_EQ(field(second.dumps[0], "table.hand"), "2");
        EXPECT_EQ(seatChips(second.dumps[0], 0), 2010);
    }
    // Cash, seed 5: the all-in loses everything. Resumed, the player is busted and
    // the next key leaves with nothing.
    {
        TempFolder data;
        const std::string options = "--seed 5 --data-dir " + data.path;
        PlayRun first = playScript(toCash + repeat(6, allIn) + onResult, options);
        ASSERT_EQ(first.status, 0) << first.error;
        ASSERT_EQ(first.dumps.size(), 1u);
        EXPECT_EQ(field(first.dumps[0], "table.state"), "12");
        EXPECT_EQ(seatChips(first.dumps[0], 0), 0);

        PlayRun second = playScript(resume + "key RETURN\nwait 300\ndump\nquit\n", options);
        ASSERT_EQ(second.status, 0) << second.error;
        ASSERT_EQ(second.dumps.size(), 2u);
        EXPECT_EQ(element(second.dumps[0], "table.seats", 0), "null");
        EXPECT_EQ(field(second.dumps[0], "table.message").rfind("\"You have lost all your chips.", 0), 0u);
        EXPECT_EQ(field(second.dumps[1], "screen"), "5");
        EXPECT_EQ(field(second.dumps[1], "profile.bankroll"), "0");
        EXPECT_EQ(field(second.dumps[1], "saved.game"), "false");
    }
    // Heads-up, seed 3: the opponent folds to the all-in of the second hand.
    {
        TempFolder data;
        const std::string options = "--seed 3 --data-dir " + data.path;
        PlayRun first = playScript(toHeadsUp + repeat(6, allIn) + onResult, options);
        ASSERT_EQ(first.status, 0) << first.error;
        ASSERT_EQ(first.dumps.size(), 1u);
        EXPECT_EQ(field(first.dumps[0], "table.state"), "12");
        EXPECT_EQ(field(first.dumps[0], "table.hand"), "2");
        EXPECT_EQ(field(first.dumps[0], "table.dealer"), "1");

        PlayRun second = playScript(resume + "quit\n", options);
        ASSERT_EQ(second.status, 0) << second.error;
        ASSERT_EQ(second.dumps.size(), 1u);
        EXPECT_EQ(field(second.dumps[0], "table.hand"), "3");
        EXPECT_EQ(field(second.dumps[0], "table.dealer"), "0");
        EXPECT_EQ(seatChips(second.dumps[0], 0), 1110);
        EXPECT_EQ(seatChips(second.dumps[0], 1), 890);
    }
    // Tournament, seed 8: the first hand wins two players' chips and knocks them
    // out; the field hears of it when the game resumes.
    {
        TempFolder data;
        const std::string options = "--seed 8 --data-dir " + data.path;
        PlayRun first = playScript(toTournament + repeat(4, allIn) + onResult, options);
        ASSERT_EQ(first.status, 0) << first.error;
        ASSERT_EQ(first.dumps.size(), 1u);
        EXPECT_EQ(field(first.dumps[0], "table.state"), "12");
        EXPECT_EQ(field(first.dumps[0], "table.hand"), "1");
        EXPECT_NE(savedStore(data.path, "KMRB2Tourney").find("\"remaining\":12,"), std::string::npos);

        PlayRun second = playScript(resume + "quit\n", options);
        ASSERT_EQ(second.status, 0) << second.error;
        ASSERT_EQ(second.dumps.size(), 1u);
        EXPECT_EQ(field(second.dumps[0], "table.hand"), "2");
        EXPECT_EQ(seatChips(second.dumps[0], 0), 1510);
        EXPECT_EQ(field(second.dumps[0], "saved.tourney"), "true");
        const std::string tourney = savedStore(data.path, "KMRB2Tourney");
        EXPECT_NE(tourney.find("\"remaining\":10,"), std::string::npos) << tourney;
        EXPECT_NE(tourney.find("{\"name\":\"Player\",\"chips\":1510,"), std::string::npos) << tourney;
    }
}

// Seed 8 on the smallest display, all in every turn: after 210 turns the last hand's
// result shows (the player busted, second of twelve); a turn later the end message.
// Closed on either, the prize is paid once, and Play then starts a new game instead
// of offering to resume the finished tournament.
TEST(TableSessionTest, TournamentClosedAtItsEndIsNotResumable)
{
    const std::string toTournament = TO_MAIN_MENU +
        "key RETURN\nwait 300\nkey DOWN\nkey DOWN\nkey RETURN\nwait 300\nkey RETURN\nwait 300\nkey RETURN\nwait 8000\n";
    const std::string allIn = "wait 1500\nkey 0x33\ntype a\nkey RETURN\nkey 0x32\ntype a\nkey RETURN\n";
    const std::string play = TO_MAIN_MENU + "key RETURN\nwait 300\ndump\n";

    // Closed on the end message: nothing left to resume.
    {
        TempFolder data;
        const std::string options = "--size 176x220 --seed 8 --data-dir " + data.path;
        PlayRun first = playScript(toTournament + repeat(211, allIn) + "wait 1500\ndump\nquit\n", options);
        ASSERT_EQ(first.status, 0) << first.error;
        ASSERT_EQ(first.dumps.size(), 1u);
        EXPECT_EQ(field(first.dumps[0], "table.place"), "2");
        EXPECT_EQ(field(first.dumps[0], "profile.bankroll"), "5000");

        PlayRun second = playScript(play + "quit\n", options);
        ASSERT_EQ(second.status, 0) << second.error;
        ASSERT_EQ(second.dumps.size(), 1u);
        EXPECT_EQ(field(second.dumps[0], "screen"), "27"); // the game types, no Resume
        EXPECT_EQ(field(second.dumps[0], "profile.bankroll"), "5000");
        EXPECT_EQ(field(second.dumps[0], "saved.tourney"), "false");
    }
    // Closed on the result of the hand that knocked the player out: resumed, the
    // tournament ends there with its place and prize, and only then is it gone.
    {
        TempFolder data;
        const std::string options = "--size 176x220 --seed 8 --data-dir " + data.path;
        PlayRun first = playScript(toTournament + repeat(210, allIn) + "wait 1500\ndump\nquit\n", options);
        ASSERT_EQ(first.status, 0) << first.error;
        ASSERT_EQ(first.dumps.size(), 1u);
        EXPECT_EQ(field(first.dumps[0], "table.state"), "12");
        EXPECT_EQ(field(first.dumps[0], "table.place"), "null");
        EXPECT_EQ(field(first.dumps[0], "profile.bankroll"), "1000");

        PlayRun second = playScript(play + "key RETURN\nwait 300\ndump\nquit\n", options);
        ASSERT_EQ(second.status, 0) << second.error;
        ASSERT_EQ(second.dumps.size(), 2u);
        EXPECT_EQ(field(second.dumps[0], "screen"), "7");
        EXPECT_EQ(field(second.dumps[1], "table.place"), "2");
        EXPECT_EQ(field(second.dumps[1], "profile.bankroll"), "5000");

        PlayRun third = playScript(play + "quit\n", options);
        ASSERT_EQ(third.status, 0) << third.error;
        ASSERT_EQ(third.dumps.size(), 1u);
        EXPECT_EQ(field(third.dumps[0], "screen"), "27");
        EXPECT_EQ(field(third.dumps[0], "profile.bankroll"), "5000");
    }
}

// A bet amount typed with the digit keys on each kind of keyboard: every digit is
// typed once, and whatever the game put in the field (the preset, a clamp, an arrow
// step, the whole stack) gives way to the first digit typed. Then 100 is bet: the
// player's bet grows by exactly 100, in the dump and in the hand history.
TEST(TableSessionTest, TypedAmountsAreBetAsTypedOnEveryKeyboard)
{
    const std::string toTurn = TO_MAIN_MENU + "key RETURN\nwait 300\nkey RETURN\nwait 300\nkey RETURN\nwait 6000\n";
    const std::string entry = "dump\n"
                              "key 0x33\nwait 100\ndump\n"           // 1: Raise opens at the preset
                              "key 0x31\ndump\n"                     // 2: one digit
                              "key RETURN\ndump\n"                   // 3: below the minimum: clamped
                              "key 0x33\nkey 0x30\nkey 0x30\ndump\n" // 4: typed over the clamp
                              "key UP\ndump\n"                       // 5: one step up
                              "key 0x34\ndump\n"                     // 6: typed over the step
                              "type a\ndump\n"                       // 7: the whole stack
                              "key 0x32\nkey 0x35\ndump\n"           // 8: typed over the stack
                              "key BACKSPACE\nkey BACKSPACE\ndump\n"   // 9: deleted to an empty field
                              "key 0x31\nkey 0x30\nkey 0x30\ndump\n" // 10: 100
                              "key RETURN\nwait 100\ndump\n";        // 11: bet
    const std::string foldToTheEnd = repeat(10, "wait 2000\nkey 0x31\n") + "quit\n";
    for (const std::string options :
        { "", "--keyboard keypad", "--keyboard none", "--device \"Palm Treo 700w\"" }) {
        SCOPED_TRACE(options);
        TempFolder data;
        PlayRun run = playScript(toTurn + entry + foldToTheEnd, options + " --seed 4 --data-dir " + data.path);
        ASSERT_EQ(run.status, 0) << run.error;
        ASSERT_EQ(run.dumps.size(), 12u);
        const std::vector<std::string>& d = run.dumps;
        ASSERT_EQ(field(d[0], "table.actions"), "[1,4,6]"); // fold, call, raise
        const int minimum = std::stoi(field(d[1], "table.minAmount"));
        const int maximum = std::stoi(field(d[1], "table.maxAmount"));
        ASSERT_GT(minimum, 1);
        ASSERT_GT(maximum, 400);
        EXPECT_EQ(field(d[1], "table.betEntry"), "true");
        EXPECT_EQ(std::stoi(field(d[1], "table.amount")), minimum);
        const int step = std::stoi(field(d[5], "table.amount")) - 300;
        EXPECT_GT(step, 0);
        const int expected[] = { 1, minimum, 300, 300 + step, 4, maximum, 25, 0, 100 };
        for (size_t i = 0; i < std::size(expected); ++i) {
            EXPECT_EQ(field(d[i + 2], "table.betEntry"), "true") << "dump " << i + 2;
            EXPECT_EQ(field(d[i + 2], "table.amount"), std::to_string(expected[i])) << "dump " << i + 2;
        }

        // The player sits in seat 0; its bet so far (a blind, or nothing) plus 100.
        const std::string before = field(d[10], "table.seats");
        const std::string after = field(d[11], "table.seats");
        const int betBefore = std::stoi(field(before.substr(1), "bet"));
        const int betAfter = std::stoi(field(after.substr(1), "bet"));
        EXPECT_EQ(field(d[11], "table.betEntry"), "false");
        EXPECT_EQ(betAfter, betBefore + 100);
        EXPECT_EQ(field(after.substr(1), "action"), "\"Raise $" + std::to_string(betAfter) + "\"");
        const std::string name = field(after.substr(1), "name");
        const std::string raise = name.substr(1, name.size() - 2) + ": raises ";
        const std::string to = " to " + std::to_string(betAfter) + "\n";
        bool raised = false;
        for (const std::string& line : handHistoryLines(data.path)) {
            raised = raised
                || (line.rfind(raise, 0) == 0 && line.size() > to.size()
                    && line.compare(line.size() - to.size(), to.size(), to) == 0);
        }
        EXPECT_TRUE(raised) << "no raise to " << betAfter << " in the hand history";
    }
}

namespace {

// From the main menu: the options with the game speed stepped on `speedSteps` times
// from Normal and the four-colour deck as asked, stored with Back; then a cash game
// at the first stake, where the player presses 1 every frame for `seconds` of the
// virtual clock (fold, or check when that is free, and every result taken at once).
std::string paceScript(int speedSteps, bool fourColour, int seconds)
{
    return TO_MAIN_MENU + "key DOWN\nkey DOWN\nkey RETURN\nwait 300\n" +
           repeat(5, "key DOWN\n") + repeat(speedSteps, "key RETURN\n") + (fourColour ? "key DOWN\nkey RETURN\n" : "") +
           "key ESCAPE\nwait 300\ndump\n"
           "key UP\nkey UP\nkey RETURN\nwait 300\nkey RETURN\nwait 300\nkey RETURN\nwait 300\ndump\n" +
           repeat(seconds * 10, "wait 100\nkey 0x31\n") + "dump\nquit\n";
}

} // namespace

TEST(TableSessionTest, TurboPlaysThreeTimesTheHandsOfNormalAndBothOptionsAreKept)
{
    TempFolder normalData, turboData;
    PlayRun normal = playScript(paceScript(0, /*fourColour=*/false, 180), "--seed 11 --data-dir " + normalData.path);
    PlayRun turbo = playScript(paceScript(2, /*fourColour=*/true, 180), "--seed 11 --data-dir " + turboData.path);
    ASSERT_EQ(normal.status, 0) << normal.error;
    ASSERT_EQ(turbo.status, 0) << turbo.error;
    ASSERT_EQ(normal.dumps.size(), 3u);
    ASSERT_EQ(turbo.dumps.size(), 3u);
    EXPECT_EQ(field(normal.dumps[0], "settings.speed"), "0");
    EXPECT_EQ(field(normal.dumps[0], "settings.fourColourDeck"), "false");
    EXPECT_EQ(field(turbo.dumps[0], "settings.speed"), "2");
    EXPECT_EQ(field(turbo.dumps[0], "settings.fourColourDeck"), "true");
    EXPECT_EQ(field(turbo.dumps[1], "screen"), "40");

    // The same three minutes on the virtual clock.
    const long normalTime = std::stol(field(normal.dumps[2], "time")) - std::stol(field(normal.dumps[1], "time"));
    const long turboTime = std::stol(field(turbo.dumps[2], "time")) - std::stol(field(turbo.dumps[1], "time"));
    EXPECT_EQ(normalTime, turboTime);
    const int normalHands = std::stoi(field(normal.dumps[2], "table.hand"));
    const int turboHands = std::stoi(field(turbo.dumps[2], "table.hand"));
    EXPECT_GT(normalHands, 10);
    EXPECT_GE(turboHands, 3 * normalHands) << normalHands << " against " << turboHands;

    // Stored beside the sound settings, which decode as they always did.
    const std::string stored = kmtool("store decode " + turboData.path + "/GAME_STORE_DATA.dat").out;
    EXPECT_EQ(field(stored, "fields"),
        "{\"soundOn\":false,\"volume\":70,\"musicOn\":false,\"askSoundAtStart\":true,\"vibrationOn\":true}");
    EXPECT_EQ(field(stored, "playOptions"),
        "{\"inUse\":true,\"version\":1,\"readable\":true,\"speed\":2,\"fourColourDeck\":true}");

    // A later run plays on at that pace, and the options screen shows it.
    PlayRun again = playScript(TO_MAIN_MENU + "dump\nkey DOWN\nkey DOWN\nkey RETURN\nwait 300\ndump\nquit\n",
        "--data-dir " + turboData.path);
    ASSERT_EQ(again.status, 0) << again.error;
    ASSERT_EQ(again.dumps.size(), 2u);
    EXPECT_EQ(field(again.dumps[0], "settings.speed"), "2");
    EXPECT_EQ(element(again.dumps[1], "items", 5), "{\"kind\":4,\"label\":\"Game speed\",\"value\":\"Turbo\"}");
    EXPECT_EQ(element(again.dumps[1], "items", 6), "{\"kind\":4,\"label\":\"Four-colour deck\",\"value\":\"On\"}");
}
