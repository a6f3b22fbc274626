// The start-up screens skipped, Delete, and the game played with a game controller
// alone, through kmtool's scripted player: `pad` goes through the same mapping as
// the real controller's buttons.
#include "PlaySession.h"

#include <gtest/gtest.h>

namespace {

// The virtual clock's start: 2026-01-01 00:00 UTC in milliseconds.
constexpr long long START = 1767225600000LL;

long long elapsed(const std::string& dump)
{
    return std::stoll(field(dump, "time")) - START;
}

// Seat 0's part of the dumped table.
std::string human(const std::string& dump)
{
    const std::string seats = field(dump, "table.seats");
    return seats.substr(0, seats.find("},{"));
}

} // namespace

// On 240x320 the logos, the title and the loading screen take 7.9 s; a key press
// or a click moves on at once and loading ends as soon as its steps are done.
TEST(PadSessionTest, StartUpScreensSkippedByAKeyOrAClick)
{
    const struct {
        const char* what;
        const char* script;
        std::vector<const char*> screens; // at each dump
        long long elapsed;                // at the last dump
    } starts[] = {
        { "untouched: still loading at 7 s", "wait 7000\ndump\nwait 1000\ndump\n", { "2", "23" }, 8000 },
        // The title at once, the sound question within a second.
        { "a key on the logos", "wait 200\nkey RETURN\ndump\nwait 700\ndump\n", { "3", "23" }, 900 },
        { "a click on the title", "wait 2300\ndump\ntap 5 5\ndump\nwait 600\ndump\n", { "3", "2", "23" }, 2900 },
        // Only the wait after the steps is cut; the pad's buttons count as key presses.
        { "the pad on the loading screen", "wait 3500\ndump\npad DPAD_LEFT\nwait 100\ndump\n", { "2", "23" }, 3600 },
    };
    for (const auto& start : starts) {
        SCOPED_TRACE(start.what);
        TempFolder data;
        PlayRun run = playScript(std::string(start.script) + "quit\n", "--data-dir " + data.path);
        ASSERT_TRUE(succeeded(run, start.screens.size()));
        for (size_t i = 0; i < start.screens.size(); ++i)
            EXPECT_EQ(field(run.dumps[i], "screen"), start.screens[i]) << "dump " << i;
        EXPECT_EQ(elapsed(run.dumps.back()), start.elapsed);
        // The loading steps all ran: the stores were read, the settings applied.
        EXPECT_EQ(field(run.dumps.back(), "profile.name"), "\"Player\"");
        EXPECT_EQ(field(run.dumps.back(), "audio.volume"), "70");
    }
}

// A cash hand with the pad alone: the splash, the sound question, the menus, the
// stake, the action list, the amount entry with the shoulders and the trigger.
// Delete, a keyboard key, clears the amount like Backspace.
TEST(PadSessionTest, CashHandWithThePadAlone)
{
    TempFolder data;
    PlayRun run = playScript("wait 200\npad A\nwait 1000\ndump\n" // splash skipped: the sound question
                             "pad X\nwait 300\ndump\n"            // Yes: the main menu
                             "pad DPAD_DOWN\npad DPAD_UP\npad A\nwait 300\n" // Play
                             "pad A\nwait 300\ndump\n"            // cash game: the stakes
                             "pad A\nwait 8000\ndump\n"           // Rookie: the player is to act
                             "pad DPAD_UP\npad DPAD_UP\npad A\nwait 100\ndump\n" // fold, call, raise: raise
                             "pad RIGHTSHOULDER\npad RIGHTSHOULDER\ndump\n"
                             "pad LEFTSHOULDER\ndump\n"
                             "pad LEFTTRIGGER\ndump\n"
                             "key DELETE\ndump\n"
                             "pad B\ndump\n"                        // Escape clears a digit too
                             "pad RIGHTSHOULDER\npad RIGHTSHOULDER\npad A\nwait 100\ndump\n"
                             "pad BACK\npad GUIDE\npad LEFTSTICK\npad RIGHTSTICK\nwait 100\ndump\n"
                             "pad Y\nwait 300\ndump\nquit\n",       // the right soft key: the main menu
        "--seed 7 --data-dir " + data.path);
    ASSERT_TRUE(succeeded(run, 13));
    EXPECT_EQ(field(run.dumps[0], "screen"), "23");
    EXPECT_EQ(field(run.dumps[1], "screen"), "5");
    EXPECT_EQ(field(run.dumps[1], "settings.soundOn"), "true");
    EXPECT_EQ(field(run.dumps[2], "screen"), "28");
    EXPECT_EQ(field(run.dumps[3], "screen"), "40");
    EXPECT_EQ(field(run.dumps[3], "table.toAct"), "0");
    EXPECT_EQ(field(run.dumps[3], "table.actions"), "[1,4,6]");

    EXPECT_EQ(field(run.dumps[4], "table.betEntry"), "true");
    EXPECT_EQ(field(run.dumps[4], "table.amount"), "20");
    EXPECT_EQ(field(run.dumps[4], "table.maxAmount"), "1000");
    // Two minimum raises of 10 up, one down, the trigger all in, Delete and B a digit each.
    const char* amounts[] = { "40", "30", "1000", "100", "10" };
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(field(run.dumps[5 + i], "table.amount"), amounts[i]) << "dump " << 5 + i;
    // 10 is below the minimum: the shoulders step from there, A bets it.
    EXPECT_EQ(field(run.dumps[10], "table.betEntry"), "false");
    EXPECT_NE(human(run.dumps[10]).find("\"bet\":30"), std::string::npos) << human(run.dumps[10]);
    // Buttons without a key change nothing.
    EXPECT_EQ(field(run.dumps[11], "screen"), "40");
    EXPECT_EQ(field(run.dumps[11], "overlay"), "null");
    EXPECT_EQ(field(run.dumps[11], "popup"), "null");
    EXPECT_EQ(field(run.dumps[12], "screen"), "5");
}

// On the smallest display X opens the actions popup and the D-pad and A choose in
// it; Start shows a tournament's standings; the alert closes with a button; Delete
// takes the character after the cursor in the name field.
TEST(PadSessionTest, PopupStandingsAlertAndTheNameField)
{
    TempFolder data;
    PlayRun run = playScript("wait 200\npad A\nwait 1000\npad Y\nwait 300\n"      // No to sound: the main menu
                             "pad DPAD_DOWN\npad A\nwait 300\n"                   // Profile
                             "pad A\nwait 100\nkey LEFT\nkey LEFT\nkey LEFT\n"
                             "key DELETE\nkey DELETE\nkey DELETE\nkey DELETE\ndump\n" // Pla|yer: Pla|
                             "pad A\nwait 300\ndump\n"                          // too short: the alert
                             "pad B\nwait 300\ndump\n"                          // the alert closes
                             "pad Y\nwait 300\ndump\n"                          // the old name stays
                             "pad Y\nwait 300\npad DPAD_UP\npad A\nwait 300\n"    // home, Play
                             "pad DPAD_DOWN\npad DPAD_DOWN\npad A\nwait 300\n"    // tournament
                             "pad A\nwait 300\npad A\nwait 300\ndump\n"         // 12 entrants, buy in
                             "pad START\nwait 100\ndump\n"                      // the standings
                             "pad A\nwait 100\ndump\n"                          // closed again
                             "wait 8000\npad X\nwait 100\ndump\n"               // the popup
                             "pad DPAD_DOWN\npad A\nwait 100\ndump\nquit\n",     // its second entry
        "--size 176x220 --seed 4 --data-dir " + data.path);
    ASSERT_TRUE(succeeded(run, 9));
    EXPECT_EQ(field(run.dumps[0], "screen"), "29");
    EXPECT_EQ(field(run.dumps[0], "items"), "[{\"kind\":5,\"label\":\"Name (4-10): \",\"value\":\"Pla\"}]");
    EXPECT_EQ(field(run.dumps[1], "overlay"), "\"Name must be between 4 - 10 characters\"");
    EXPECT_EQ(field(run.dumps[2], "overlay"), "null");
    EXPECT_EQ(field(run.dumps[2], "screen"), "29");
    EXPECT_EQ(field(run.dumps[3], "screen"), "29");
    EXPECT_EQ(field(run.dumps[3], "profile.name"), "\"Player\"");

    EXPECT_EQ(field(run.dumps[4], "screen"), "40");
    EXPECT_EQ(field(run.dumps[4], "table.variant"), "8");
    EXPECT_NE(field(run.dumps[5], "table.standings"), "null");
    EXPECT_EQ(field(run.dumps[6], "table.standings"), "null");
    EXPECT_EQ(field(run.dumps[7], "popup"), "{\"items\":[\"Fold\",\"All-in\",\"INFO\"],\"focus\":0}");
    EXPECT_EQ(field(run.dumps[8], "popup"), "null");
    EXPECT_NE(human(run.dumps[8]).find("\"action\":\"All-in"), std::string::npos) << human(run.dumps[8]);
}
