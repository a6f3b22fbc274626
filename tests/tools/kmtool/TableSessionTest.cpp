// Games played on the table screen through kmtool's scripted player: a cash game
// left and resumed in a later run with its seats and chips, games closed on a hand's
// result and resumed, a new game over a saved one giving the chips back, and a whole
// tournament on the smallest display and on the landscape frames, with the hand
// histories the game writes as it goes; and games that go on through size changes
// between portrait and landscape frames in the middle of a hand.
#include "PlaySession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

namespace {

// Through the splash screens; F1 answers the sound question with Yes, F2 with No.
const std::string TO_MAIN_MENU = "wait 16000\nkey F2\nwait 300\n";
// Play and a game type, up to the last key before its table: the first stake, the
// twelve-player field.
const std::string TO_CASH = TO_MAIN_MENU + "key RETURN\nwait 300\nkey RETURN\nwait 300\nkey RETURN\n";
const std::string TO_HEADS_UP = TO_MAIN_MENU + "key RETURN\nwait 300\nkey DOWN\nkey RETURN\nwait 300\nkey RETURN\n";
const std::string TO_TOURNAMENT = TO_MAIN_MENU +
    "key RETURN\nwait 300\nkey DOWN\nkey DOWN\nkey RETURN\nwait 300\nkey RETURN\nwait 300\nkey RETURN\n";
// All in whenever it is the player's turn (3: raise, or 2: bet, then "a").
const std::string ALL_IN = "wait 1500\nkey 0x33\ntype a\nkey RETURN\nkey 0x32\ntype a\nkey RETURN\n";
// Play, Resume, and the table a moment later.
const std::string RESUME = TO_MAIN_MENU + "key RETURN\nwait 300\nkey RETURN\nwait 300\ndump\n";

// The seats as name and chips, without the texts that change as a hand goes on.
std::string seatsOf(const std::string& dump)
{
    std::string seats = field(dump, "table.seats");
    std::string out;
    for (size_t at = seats.find("\"name\":"); at != std::string::npos; at = seats.find("\"name\":", at + 1))
        out += seats.substr(at, seats.find(",\"inHand\"", at) - at) + ";";
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

} // namespace

TEST(TableSessionTest, CashGameResumedInALaterRunWithItsSeatsAndItsHandHistory)
{
    TempFolder data;
    const std::string options = "--seed 5 --data-dir " + data.path;
    // Fold whenever it is the player's turn.
    PlayRun first = playScript(TO_CASH + "wait 300\ndump\n" + repeat(30, "wait 2000\nkey 0x31\n") + "dump\nquit\n", options);
    ASSERT_TRUE(succeeded(first, 2));
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
    ASSERT_TRUE(succeeded(second, 3));
    EXPECT_EQ(field(second.dumps[0], "menu.entries"), "[\"Resume game\",\"New game\"]");
    EXPECT_EQ(field(second.dumps[1], "screen"), "40");
    EXPECT_EQ(seatsOf(second.dumps[1]), seatsOf(played));
    EXPECT_EQ(field(second.dumps[2], "screen"), "5"); // Back goes home and keeps the game
    EXPECT_EQ(field(second.dumps[2], "saved.game"), "true");

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

// On 176-pixel displays the actions hide behind the "ACTIONS" soft key; the digit
// keys still take them. The player goes all in whenever it is his turn and, with
// this seed, finishes second of twelve. On the landscape frames Return would press
// the focused button (Fold), so the player taps the keypad's ALL-IN and OK keys.
TEST(TableSessionTest, TournamentPlayedToItsEndPaysThePrize)
{
    // The keypad's bottom row lies 242 pixels down at 640x360, 40 more at 640x400.
    auto tapAllIn = [](int y) {
        const std::string keys = "tap 460 " + std::to_string(y) + "\ntap 577 " + std::to_string(y) + "\n";
        return "wait 1500\nkey 0x33\n" + keys + "key 0x32\n" + keys;
    };
    const struct {
        const char* size;
        std::string allIn;
        const char* softKeys;
    } frames[] = {
        { "176x220", ALL_IN, "[\"ACTIONS\",\"Back\"]" },
        { "640x360", tapAllIn(242), "[null,\"Back\"]" },
        { "640x400", tapAllIn(282), "[null,\"Back\"]" },
    };
    for (const auto& frame : frames) {
        SCOPED_TRACE(frame.size);
        TempFolder data;
        // A dump after every move: once the tournament is over the keys go on into the
        // menus, so the test looks at the first dump that has a place.
        PlayRun run = playScript(TO_TOURNAMENT + "wait 300\nwait 8000\ndump\n" + repeat(300, frame.allIn + "dump\n") + "quit\n",
            std::string("--size ") + frame.size + " --seed 8 --data-dir " + data.path);
        ASSERT_TRUE(succeeded(run, 301));
        EXPECT_EQ(field(run.dumps[0], "table.variant"), "8");
        EXPECT_EQ(field(run.dumps[0], "softKeys"), frame.softKeys);
        EXPECT_EQ(field(run.dumps[0], "profile.bankroll"), "1000"); // a tournament takes no buy-in

        auto end = std::find_if(run.dumps.begin(), run.dumps.end(),
            [](const std::string& dump) { return field(dump, "table.place") != "null"; });
        ASSERT_NE(end, run.dumps.end());
        EXPECT_EQ(field(*end, "table.place"), "2");
        EXPECT_NE(field(*end, "table.message").find("place 2. Your prize: $4,000."), std::string::npos)
            << field(*end, "table.message");
        EXPECT_EQ(field(*end, "profile.bankroll"), "5000"); // 4 buy-ins for second of twelve
        EXPECT_EQ(field(*end, "saved.tourney"), "false");
        const std::vector<std::string> history = handHistoryLines(data.path);
        EXPECT_TRUE(std::any_of(history.begin(), history.end(),
            [](const std::string& line) { return line.find(", 0+0 Hold'em No Limit - Level ") != std::string::npos; }));
    }
}

// Cash and heads-up games on the 16:9 and 16:10 landscape frames, with the window
// switched to 240x320 and back in the middle of the player's turn: the hand, its
// seats and the actions on offer go on unchanged through both changes, and the
// action buttons at the bottom right take a tap at the new height.
TEST(TableSessionTest, LandscapeGamesGoOnThroughSizeChangesMidHand)
{
    const struct {
        const char* name;
        const std::string& menu;
        const char* seed;
        const char* variant;
    } games[] = { { "cash", TO_CASH, "4", "6" }, { "heads-up", TO_HEADS_UP, "3", "7" } };
    for (int height : { 360, 400 }) {
        for (const auto& game : games) {
            SCOPED_TRACE(std::string(game.name) + " at 640x" + std::to_string(height));
            TempFolder data;
            // The middle one of the three buttons: Call.
            const std::string tapCall = "tap 511 " + std::to_string(height - 24 - 26 - 2 + 13) + "\n";
            PlayRun run = playScript(game.menu + "wait 6000\ndump\nsize 240 320\nwait 100\ndump\n"
                                         "size 640 " + std::to_string(height) + "\nwait 100\ndump\n" +
                                         tapCall + "wait 100\ndump\n" + repeat(12, "wait 2000\nkey 0x31\n") + "dump\nquit\n",
                "--size 640x" + std::to_string(height) + " --seed " + game.seed + " --data-dir " + data.path);
            ASSERT_TRUE(succeeded(run, 5));
            const std::vector<std::string>& d = run.dumps;
            const std::string landscape = "{\"width\":640,\"height\":" + std::to_string(height) + ",\"class\":7}";
            EXPECT_EQ(field(d[1], "display"), "{\"width\":240,\"height\":320,\"class\":3}");
            EXPECT_EQ(field(d[0], "table.variant"), game.variant);
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(field(d[i], "table.actions"), "[1,4,6]") << "dump " << i;
                EXPECT_EQ(field(d[i], "table.hand"), "1") << "dump " << i;
                EXPECT_EQ(seatsOf(d[i]), seatsOf(d[0])) << "dump " << i;
            }
            for (int i : { 0, 2, 4 })
                EXPECT_EQ(field(d[i], "display"), landscape) << "dump " << i;
            // The tap called; later hands are played on the landscape table.
            EXPECT_EQ(field(d[3], "table.actions"), "[]");
            EXPECT_EQ(field(element(d[3], "table.seats", 0), "action").rfind("\"Call $", 0), 0u)
                << field(d[3], "table.seats");
            EXPECT_GT(std::stoi(field(d[4], "table.hand")), 2);
        }
    }
}

// A game closed while a hand's result shows (or right after the key that clears it)
// starts again with the chips that hand paid out, the button moved on: a won pot
// stays won, a lost all-in stays lost, in cash, heads-up and tournament games.
TEST(TableSessionTest, GameClosedOnAHandResultResumesWithWhatTheHandPaid)
{
    // All in `turns` times from a table's first key, closed on the hand's result; then
    // Resume and `after`. The dumps of the second run, the result first.
    auto closeAndResume = [](const std::string& toTable, int turns, const std::string& options,
                              const std::string& after, size_t dumps) {
        std::vector<std::string> seen;
        PlayRun first = playScript(toTable + repeat(turns, ALL_IN) + "wait 1500\ndump\nquit\n", options);
        EXPECT_TRUE(succeeded(first, 1));
        if (first.dumps.empty())
            return seen;
        EXPECT_EQ(field(first.dumps[0], "table.state"), "12"); // paid, the result up
        seen.push_back(first.dumps[0]);
        PlayRun second = playScript(RESUME + after + "quit\n", options);
        EXPECT_TRUE(succeeded(second, dumps));
        seen.insert(seen.end(), second.dumps.begin(), second.dumps.end());
        return seen;
    };
    // Cash, seed 6: the first hand's all-in is called and won, 2,010 in all.
    {
        TempFolder data;
        const std::string options = "--seed 6 --data-dir " + data.path;
        const std::vector<std::string> d = closeAndResume(TO_CASH + "wait 300\n", 5, options,
            "key F2\nwait 300\n" // to the menu, the game kept; a new game over it
            "key RETURN\nwait 300\nkey DOWN\nkey RETURN\nwait 300\nkey F1\nwait 300\ndump\n",
            2);
        ASSERT_EQ(d.size(), 3u);
        EXPECT_NE(field(d[0], "table.message"), "null");
        EXPECT_EQ(field(d[0], "table.hand"), "1");
        EXPECT_EQ(field(d[1], "table.hand"), "2"); // the next hand, not the paid one again
        EXPECT_EQ(seatChips(d[1], 0), 2010);
        EXPECT_EQ(element(d[1], "table.seats", 4), "null"); // the caller lost it all and left
        EXPECT_EQ(field(d[1], "profile.bankroll"), "0");
        // The new game pays the saved chips back once.
        EXPECT_EQ(field(d[2], "screen"), "27");
        EXPECT_EQ(field(d[2], "profile.bankroll"), "2010");
    }
    // The same hand, closed right after the key that clears its result.
    {
        TempFolder data;
        const std::string options = "--seed 6 --data-dir " + data.path;
        const std::string cleared = TO_CASH + "wait 300\n" + repeat(5, ALL_IN) + "wait 1500\nkey RETURN\nquit\n";
        ASSERT_TRUE(succeeded(playScript(cleared, options), 0));
        PlayRun second = playScript(RESUME + "quit\n", options);
        ASSERT_TRUE(succeeded(second, 1));
        EXPECT_EQ(field(second.dumps[0], "table.hand"), "2");
        EXPECT_EQ(seatChips(second.dumps[0], 0), 2010);
    }
    // Cash, seed 5: the all-in loses everything. Resumed, the player is busted and
    // the next key leaves with nothing.
    {
        TempFolder data;
        const std::vector<std::string> d = closeAndResume(TO_CASH + "wait 300\n", 6, "--seed 5 --data-dir " + data.path,
            "key RETURN\nwait 300\ndump\n", 2);
        ASSERT_EQ(d.size(), 3u);
        EXPECT_EQ(seatChips(d[0], 0), 0);
        EXPECT_EQ(element(d[1], "table.seats", 0), "null");
        EXPECT_EQ(field(d[1], "table.message").rfind("\"You have lost all your chips.", 0), 0u);
        EXPECT_EQ(field(d[2], "screen"), "5");
        EXPECT_EQ(field(d[2], "profile.bankroll"), "0");
        EXPECT_EQ(field(d[2], "saved.game"), "false");
    }
    // Heads-up, seed 3: the opponent folds to the all-in of the second hand.
    {
        TempFolder data;
        const std::vector<std::string> d =
            closeAndResume(TO_HEADS_UP + "wait 300\n", 6, "--seed 3 --data-dir " + data.path, "", 1);
        ASSERT_EQ(d.size(), 2u);
        EXPECT_EQ(field(d[0], "table.hand"), "2");
        EXPECT_EQ(field(d[0], "table.dealer"), "1");
        EXPECT_EQ(field(d[1], "table.hand"), "3");
        EXPECT_EQ(field(d[1], "table.dealer"), "0");
        EXPECT_EQ(seatChips(d[1], 0), 1110);
        EXPECT_EQ(seatChips(d[1], 1), 890);
    }
    // Tournament, seed 8: the first hand wins two players' chips and knocks them
    // out; the field hears of it when the game resumes.
    {
        TempFolder data;
        const std::string options = "--seed 8 --data-dir " + data.path;
        PlayRun first = playScript(TO_TOURNAMENT + "wait 8000\n" + repeat(4, ALL_IN) + "wait 1500\ndump\nquit\n", options);
        ASSERT_TRUE(succeeded(first, 1));
        EXPECT_EQ(field(first.dumps[0], "table.state"), "12");
        EXPECT_EQ(field(first.dumps[0], "table.hand"), "1");
        EXPECT_NE(savedStore(data.path, "KMRB2Tourney").find("\"remaining\":12,"), std::string::npos);

        PlayRun second = playScript(RESUME + "quit\n", options);
        ASSERT_TRUE(succeeded(second, 1));
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
    const std::string play = TO_MAIN_MENU + "key RETURN\nwait 300\ndump\n";
    for (int turns : { 211, 210 }) {
        SCOPED_TRACE(turns == 211 ? "closed on the end message" : "closed on the last hand's result");
        TempFolder data;
        const std::string options = "--size 176x220 --seed 8 --data-dir " + data.path;
        PlayRun first = playScript(TO_TOURNAMENT + "wait 8000\n" + repeat(turns, ALL_IN) + "wait 1500\ndump\nquit\n", options);
        ASSERT_TRUE(succeeded(first, 1));
        if (turns == 210) {
            // Resumed, the tournament ends there with its place and prize.
            EXPECT_EQ(field(first.dumps[0], "table.state"), "12");
            EXPECT_EQ(field(first.dumps[0], "table.place"), "null");
            EXPECT_EQ(field(first.dumps[0], "profile.bankroll"), "1000");
            PlayRun resumed = playScript(play + "key RETURN\nwait 300\ndump\nquit\n", options);
            ASSERT_TRUE(succeeded(resumed, 2));
            EXPECT_EQ(field(resumed.dumps[0], "screen"), "7");
            first.dumps[0] = resumed.dumps[1];
        }
        EXPECT_EQ(field(first.dumps[0], "table.place"), "2");
        EXPECT_EQ(field(first.dumps[0], "profile.bankroll"), "5000");

        // Then nothing is left to resume.
        PlayRun later = playScript(play + "quit\n", options);
        ASSERT_TRUE(succeeded(later, 1));
        EXPECT_EQ(field(later.dumps[0], "screen"), "27"); // the game types, no Resume
        EXPECT_EQ(field(later.dumps[0], "profile.bankroll"), "5000");
        EXPECT_EQ(field(later.dumps[0], "saved.tourney"), "false");
    }
}

// A bet amount typed with the digit keys on each kind of keyboard: every digit is
// typed once, and whatever the game put in the field (the preset, a clamp, an arrow
// step, the whole stack) gives way to the first digit typed. Then 100 is bet: the
// player's bet grows by exactly 100, in the dump and in the hand history.
TEST(TableSessionTest, TypedAmountsAreBetAsTypedOnEveryKeyboard)
{
    const std::string entry = "wait 6000\ndump\n"
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
        PlayRun run = playScript(TO_CASH + entry + foldToTheEnd, options + " --seed 4 --data-dir " + data.path);
        ASSERT_TRUE(succeeded(run, 12));
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
        const std::string after = element(d[11], "table.seats", 0);
        const int betAfter = std::stoi(field(after, "bet"));
        EXPECT_EQ(field(d[11], "table.betEntry"), "false");
        EXPECT_EQ(betAfter, std::stoi(field(element(d[10], "table.seats", 0), "bet")) + 100);
        EXPECT_EQ(field(after, "action"), "\"Raise $" + std::to_string(betAfter) + "\"");
        const std::string name = field(after, "name");
        const std::string raise = name.substr(1, name.size() - 2) + ": raises ";
        const std::string to = " to " + std::to_string(betAfter) + "\n";
        const std::vector<std::string> history = handHistoryLines(data.path);
        EXPECT_TRUE(std::any_of(history.begin(), history.end(), [&](const std::string& line) {
            return line.rfind(raise, 0) == 0 && line.size() > to.size()
                && line.compare(line.size() - to.size(), to.size(), to) == 0;
        })) << "no raise to " << betAfter << " in the hand history";
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
    ASSERT_TRUE(succeeded(normal, 3));
    ASSERT_TRUE(succeeded(turbo, 3));
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
    ASSERT_TRUE(succeeded(again, 2));
    EXPECT_EQ(field(again.dumps[0], "settings.speed"), "2");
    EXPECT_EQ(element(again.dumps[1], "items", 5), "{\"kind\":4,\"label\":\"Game speed\",\"value\":\"Turbo\"}");
    EXPECT_EQ(element(again.dumps[1], "items", 6), "{\"kind\":4,\"label\":\"Four-colour deck\",\"value\":\"On\"}");
}
