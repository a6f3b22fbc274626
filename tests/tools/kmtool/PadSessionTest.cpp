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
    TempFolder data;
    PlayRun untouched = playScript("wait 7000\ndump\nwait 1000\ndump\nquit\n", "--data-dir " + data.path);
    ASSERT_EQ(untouched.status, 0) << untouched.error;
    ASSERT_EQ(untouched.dumps.size(), 2u);
    EXPECT_EQ(field(untouched.dumps[0], "screen"), "2"); // still loading
    EXPECT_EQ(field(untouched.dumps[1], "screen"), "23");

    // A key on the logos: the title at once, the sound question within a second.
    PlayRun key = playScript("wait 200\nkey RETURN\ndump\nwait 700\ndump\nquit\n", "--data-dir " + data.path);
    ASSERT_EQ(key.status, 0) << key.error;
    ASSERT_EQ(key.dumps.size(), 2u);
    EXPECT_EQ(field(key.dumps[0], "screen"), "3");
    EXPECT_EQ(field(key.dumps[1], "screen"), "23");
    EXPECT_LE(elapsed(key.dumps[1]), 900);
    // The loading steps all ran: the stores were read, the settings applied.
    EXPECT_EQ(field(key.dumps[1], "profile.name"), "\"Player\"");
    EXPECT_EQ(field(key.dumps[1], "audio.volume"), "70");

    // A click on the title, after the logos ran their course.
    PlayRun click = playScript("wait 2300\ndump\ntap 5 5\ndump\nwait 600\ndump\nquit\n", "--data-dir " + data.path);
    ASSERT_EQ(click.status, 0) << click.error;
    ASSERT_EQ(click.dumps.size(), 3u);
    EXPECT_EQ(field(click.dumps[0], "screen"), "3");
    EXPECT_EQ(field(click.dumps[1], "screen"), "2");
    EXPECT_EQ(field(click.dumps[2], "screen"), "23");

    // A press on the loading screen cuts only the wait after the steps; the pad's
    // buttons count as key presses.
    PlayRun loading = playScript("wait 3500\ndump\npad DPAD_LEFT\nwait 100\ndump\nquit\n", "--data-dir " + data.path);
    ASSERT_EQ(loading.status, 0) << loading.error;
    ASSERT_EQ(loading.dumps.size(), 2u);
    EXPECT_EQ(field(loading.dumps[0], "screen"), "2");
    EXPECT_EQ(field(loading.dumps[1], "screen"), "23");
    EXPECT_EQ(elapsed(loading.dumps[1]), 3600);
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
    ASSERT_EQ(run.status, 0) << run.error;
    ASSERT_EQ(run.dumps.size(), 13u);
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
    EXPECT_EQ(field(run.dumps[5], "table.amount"), "40"); // two minimum raises of 10
    EXPECT_EQ(field(run.dumps[6], "table.amount"), "30");
    EXPECT_EQ(field(run.dumps[7], "table.amount"), "1000"); // the trigger: all in
    EXPECT_EQ(field(run.dumps[8], "table.amount"), "100");
    EXPECT_EQ(field(run.dumps[9], "table.amount"), "10");
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
    ASSERT_EQ(run.status, 0) << run.error;
    ASSERT_EQ(run.dumps.size(), 9u);
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
