// The game as a player meets it, through kmtool's scripted player: first start,
// the sound question, menus, options and the profile, and what a second run finds.
#include "PlaySession.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// The splash screens and the loading screen take 16 s together at most.
constexpr const char* TO_SOUND_QUESTION = "wait 16000\n";

} // namespace

TEST(ShellSessionTest, FirstStartOptionsAndSecondRun)
{
    TempFolder data;
    PlayRun first = playScript(std::string(TO_SOUND_QUESTION) +
            "dump\n"
            "key F1\nwait 300\ndump\n"                          // Yes: sound on, the main menu
            "key DOWN\nkey DOWN\nkey RETURN\nwait 300\n"        // Options
            "key DOWN\nkey DOWN\nkey DOWN\nkey LEFT\n"          // volume 70 -> 60
            "key DOWN\nkey RETURN\nwait 100\ndump\n"            // vibration off, not stored yet
            "key ESCAPE\nwait 300\ndump\n"                      // Back stores the options
            "key UP\nkey RETURN\nwait 300\nkey RETURN\nwait 100\n" // Profile, edit the name
            "key BACKSPACE\nkey BACKSPACE\nkey BACKSPACE\nkey BACKSPACE\nkey BACKSPACE\nkey BACKSPACE\n"
            "type Alice\u00e9\u4e2d\nkey RETURN\nwait 300\n"    // characters the font lacks are ignored
            "key DOWN\nkey RETURN\nwait 300\n"                 // the next avatar
            "key ESCAPE\nwait 300\ndump\n"                      // Escape stores the profile and goes home
            "quit\n",
        "--data-dir " + data.path);
    ASSERT_TRUE(succeeded(first, 5));
    EXPECT_EQ(field(first.dumps[0], "screen"), "23");
    EXPECT_EQ(field(first.dumps[0], "softKeys"), "[\"Yes\",\"No\"]");
    EXPECT_EQ(field(first.dumps[0], "display"), "{\"width\":240,\"height\":320,\"class\":3}");
    // No settings record yet: the output plays at the initial 70 from the start,
    // not at a mixer's full volume.
    EXPECT_EQ(field(first.dumps[0], "audio"), "{\"volume\":70,\"music\":false}");
    EXPECT_EQ(field(first.dumps[1], "audio"), "{\"volume\":70,\"music\":true}");

    EXPECT_EQ(field(first.dumps[1], "screen"), "5");
    EXPECT_EQ(field(first.dumps[1], "menu.entries"), "[\"Play\",\"Profile\",\"Options\",\"Help\",\"About\",\"Statistics\"]");
    EXPECT_EQ(field(first.dumps[1], "sounds"), "[5007]"); // the title tune starts with sound on
    EXPECT_EQ(field(first.dumps[1], "profile"),
        "{\"name\":\"Player\",\"avatar\":6,\"bankroll\":1000,\"tourneyBankroll\":1000}");

    EXPECT_EQ(field(first.dumps[2], "screen"), "21");
    EXPECT_EQ(element(first.dumps[2], "items", 3), "{\"kind\":7,\"label\":\"Volume \",\"value\":\"60\"}");
    EXPECT_EQ(element(first.dumps[2], "items", 4), "{\"kind\":4,\"label\":\"Vibration\",\"value\":\"Off\"}");
    EXPECT_EQ(field(first.dumps[2], "settings.volume"), "70");

    EXPECT_EQ(field(first.dumps[3], "screen"), "5");
    EXPECT_EQ(field(first.dumps[3], "settings"),
        "{\"soundOn\":true,\"musicOn\":true,\"askSoundAtStart\":true,\"volume\":60,\"vibrationOn\":false,"
        "\"speed\":0,\"fourColourDeck\":false}");
    EXPECT_EQ(field(first.dumps[3], "audio.volume"), "60");

    EXPECT_EQ(field(first.dumps[4], "screen"), "5");
    EXPECT_EQ(field(first.dumps[4], "profile"),
        "{\"name\":\"Alice\",\"avatar\":0,\"bankroll\":1000,\"tourneyBankroll\":1000}");

    // The next run reads them back, asks about sound again and takes No.
    PlayRun second = playScript(std::string(TO_SOUND_QUESTION) + "key F2\nwait 300\ndump\nquit\n", "--data-dir " + data.path);
    ASSERT_TRUE(succeeded(second, 1));
    EXPECT_EQ(field(second.dumps[0], "screen"), "5");
    EXPECT_EQ(field(second.dumps[0], "settings"),
        "{\"soundOn\":false,\"musicOn\":true,\"askSoundAtStart\":true,\"volume\":60,\"vibrationOn\":false,"
        "\"speed\":0,\"fourColourDeck\":false}");
    EXPECT_EQ(field(second.dumps[0], "sounds"), "[]");
    EXPECT_EQ(field(second.dumps[0], "audio"), "{\"volume\":60,\"music\":false}");
    EXPECT_EQ(field(second.dumps[0], "profile.name"), "\"Alice\"");
}

// Spaces around a typed name are dropped before its length counts: a name of
// spaces alone, or one that is too short without them, is refused like any other.
TEST(ShellSessionTest, NameIsCountedWithoutTheSpacesAroundIt)
{
    TempFolder data;
    const std::string clear = "key BACKSPACE\nkey BACKSPACE\nkey BACKSPACE\nkey BACKSPACE\nkey BACKSPACE\n"
                              "key BACKSPACE\nkey BACKSPACE\nkey BACKSPACE\nkey BACKSPACE\nkey BACKSPACE\n";
    PlayRun run = playScript(std::string(TO_SOUND_QUESTION) +
            "key F2\nwait 300\nkey DOWN\nkey RETURN\nwait 300\nkey RETURN\nwait 100\n" + clear +
            "type     \nkey RETURN\nwait 300\ndump\n"            // four spaces
            "key RETURN\nwait 300\n" + clear +
            "type  Ann  \nkey RETURN\nwait 300\ndump\n"          // six characters, three letters
            "key RETURN\nwait 300\n" + clear +
            "type  Anna \nkey RETURN\nwait 300\ndump\n"
            "key ESCAPE\nwait 300\ndump\n"
            "key UP\nkey RETURN\nwait 300\ndump\n", // Play: the name in the game type menu
        "--data-dir " + data.path);
    ASSERT_TRUE(succeeded(run, 5));
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(field(run.dumps[i], "overlay"), "\"Name must be between 4 - 10 characters\"") << i;
        EXPECT_EQ(field(run.dumps[i], "profile.name"), "\"Player\"") << i;
    }
    EXPECT_EQ(field(run.dumps[2], "overlay"), "null");
    EXPECT_EQ(field(run.dumps[2], "profile.name"), "\"Anna\"");
    EXPECT_EQ(field(run.dumps[3], "screen"), "5");
    EXPECT_EQ(field(run.dumps[3], "profile.name"), "\"Anna\"");
    EXPECT_EQ(field(run.dumps[4], "menu.header"), "\"Anna $1,000\"");
}

// The controls topic is the one the help menu names Controls, and every help and
// about text speaks of the keys, the window and the mouse of a computer: none of a
// handset's keys (2/8/5, a centre key, soft keys under the screen, a stylus).
TEST(ShellSessionTest, HelpAndAboutTextsDescribeTheKeysThatWork)
{
    TempFolder data;
    PlayRun run = playScript(std::string(TO_SOUND_QUESTION) +
            "key F2\nwait 300\nkey DOWN\nkey DOWN\nkey DOWN\nkey RETURN\nwait 300\n"
            "key DOWN\nkey DOWN\nkey DOWN\nkey DOWN\nkey RETURN\nwait 300\ndump\n",
        "--data-dir " + data.path);
    ASSERT_TRUE(succeeded(run, 1));
    EXPECT_EQ(field(run.dumps[0], "screen"), "22");
    EXPECT_EQ(field(run.dumps[0], "title"), "\"Controls\"");

    auto text = [](int id) {
        ToolRun tool = kmtool("pack text " + std::string(KM_GAME_PACK) + " " + std::to_string(id));
        EXPECT_EQ(tool.status, 0) << tool.err;
        return field(tool.out, "text");
    };
    const std::string controls = text(2061);
    for (const char* key : { "Up and Down", "Return", "Escape", "F1", "F2", "Backspace", "1, 2 or 3", "4 shows",
             "* or A", "Ctrl+1 to Ctrl+9", "640x480", "F11", "mouse" })
        EXPECT_NE(controls.find(key), std::string::npos) << key;
    for (int id : { 2059, 2061, 2060, 2062, 2065, 2066, 2058, 2063, 2064, 2056, 2007, 2029, 2026, 2090 }) {
        const std::string body = text(id);
        EXPECT_GT(body.size(), 2u) << id;
        for (const char* phone : { "centre key", "2 and 8", " 5 ", "soft key", "number keys", "under the screen",
                 "stylus", "tap", "Tap", "or Enter", "phone" })
            EXPECT_EQ(body.find(phone), std::string::npos) << id << " names " << phone;
    }
}

// Every screen of the menus, by the keys a player would press, with the back stack
// each keeps.
TEST(ShellSessionTest, EveryMenuScreenAndItsWayBack)
{
    TempFolder data;
    PlayRun run = playScript(std::string(TO_SOUND_QUESTION) +
            "key F1\nwait 300\n"
            "key DOWN\nkey DOWN\nkey DOWN\nkey RETURN\nwait 300\ndump\n" // Help
            "key RETURN\nwait 300\ndump\n"                             // its first topic
            "key ESCAPE\nwait 300\ndump\n"
            "key ESCAPE\nwait 300\nkey DOWN\nkey RETURN\nwait 300\ndump\n" // About
            "key ESCAPE\nwait 300\nkey UP\nkey UP\nkey UP\nkey UP\nkey RETURN\nwait 300\ndump\n" // Play
            "key DOWN\nkey DOWN\nkey RETURN\nwait 300\ndump\n"         // Tournament: its stakes
            "key RETURN\nwait 300\ndump\n"                             // the field sizes
            "key ESCAPE\nwait 300\nkey ESCAPE\nwait 300\nkey ESCAPE\nwait 300\ndump\n"
            "key ESCAPE\nwait 300\n",                                   // Exit ends the run
        "--data-dir " + data.path);
    const std::vector<std::pair<std::string, std::string>> expected = {
        { "6", "[5]" }, { "22", "[5,6]" }, { "6", "[5]" }, { "20", "[5]" }, { "27", "[5]" },
        { "28", "[5,27]" }, { "31", "[5,27,28]" }, { "5", "[]" },
    };
    ASSERT_TRUE(succeeded(run, expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(field(run.dumps[i], "screen"), expected[i].first) << i;
        EXPECT_EQ(field(run.dumps[i], "stack"), expected[i].second) << i;
    }
    EXPECT_EQ(field(run.dumps[0], "menu.entries").rfind("[\"How to play\",\"Betting\",\"Hand rankings\"", 0), 0u);
    EXPECT_EQ(field(run.dumps[6], "menu.entries"),
        "[\" 12 players\",\" 18 players\",\" 36 players\",\" 100 players\",\" 250 players\"]");
}

// Losing the foreground stops the game where it is; a new frame size lays out the
// screen and the alert over it again.
TEST(ShellSessionTest, PausedInTheBackgroundAndLaidOutAgainAtAnotherSize)
{
    TempFolder data;
    PlayRun run = playScript("wait 3000\ndump\n"
                             "focus off\nwait 20000\ndump\n"    // no ticks: still loading
                             "focus on\nwait 16000\ndump\n"
                             "key F1\nwait 300\nkey DOWN\nkey RETURN\nwait 300\nkey RETURN\n"
                             "key BACKSPACE\nkey BACKSPACE\nkey BACKSPACE\nkey BACKSPACE\nkey RETURN\nwait 300\n"
                             "size 176 220\nwait 300\ndump\n"   // the name alert, at the smallest size
                             "key RETURN\nwait 300\ndump\n",
        "--data-dir " + data.path);
    ASSERT_TRUE(succeeded(run, 5));
    EXPECT_EQ(field(run.dumps[0], "screen"), "2");
    EXPECT_EQ(field(run.dumps[1], "screen"), "2");
    EXPECT_EQ(field(run.dumps[2], "screen"), "23");
    EXPECT_EQ(field(run.dumps[3], "display"), "{\"width\":176,\"height\":220,\"class\":1}");
    EXPECT_EQ(field(run.dumps[3], "overlay"), "\"Name must be between 4 - 10 characters\"");
    EXPECT_EQ(field(run.dumps[4], "overlay"), "null");
    EXPECT_EQ(field(run.dumps[4], "screen"), "29");
}

TEST(ShellSessionTest, BadScriptsAndOptionsAreRefusedWithTheirLine)
{
    PlayRun unknown = playScript("wait 100\nfly away\n", "");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.error.find("line 2: unknown command 'fly'"), std::string::npos) << unknown.error;
    PlayRun badKey = playScript("key NOPE\n", "");
    EXPECT_EQ(badKey.status, 2);
    EXPECT_NE(badKey.error.find("line 1:"), std::string::npos);
    EXPECT_EQ(playScript("wait -5\n", "").status, 2);
    EXPECT_EQ(playScript("dump\n", "--size 100x100").status, 2);
    EXPECT_EQ(playScript("shot here\n", "").status, 2); // no --shots folder
    EXPECT_TRUE(unknown.dumps.empty() && badKey.dumps.empty());
}

// The profile is saved whenever it changes: the hidden bankroll sequence on the main
// menu ("0wwww") is still there in the next run, and a game's start names its
// player in the profile.
TEST(ShellSessionTest, HiddenBankrollAndTheGamesPlayerNameAreSaved)
{
    TempFolder data;
    const std::string options = "--data-dir " + data.path;
    PlayRun first = playScript(std::string(TO_SOUND_QUESTION) + "key F2\nwait 300\ntype 0wwww\nwait 100\ndump\nquit\n",
        options);
    ASSERT_TRUE(succeeded(first, 1));
    EXPECT_EQ(field(first.dumps[0], "profile.bankroll"), "1000000");
    ToolRun stored = kmtool("store decode " + data.path + "/KMRB2Options_DATA.dat");
    EXPECT_NE(stored.out.find("\"setupName\":\" \",\"bankroll\":1000000,"), std::string::npos) << stored.out;

    // A cash game at the first stake: its buy-in and its player on record.
    PlayRun second = playScript(std::string(TO_SOUND_QUESTION) +
            "key F2\nwait 300\ndump\nkey RETURN\nwait 300\nkey RETURN\nwait 300\nkey RETURN\nwait 300\nquit\n",
        options);
    ASSERT_TRUE(succeeded(second, 1));
    EXPECT_EQ(field(second.dumps[0], "profile.bankroll"), "1000000");
    stored = kmtool("store decode " + data.path + "/KMRB2Options_DATA.dat");
    EXPECT_NE(stored.out.find("\"setupName\":\"Player\",\"bankroll\":999000,"), std::string::npos) << stored.out;
}

// The three landscape sizes: a game started at 640x360 reaches the main menu, sizes
// picked later are laid out and remembered like the phone ones, and the frames come
// out at the size asked for.
TEST(ShellSessionTest, LandscapeSizesStartSwitchAndAreRemembered)
{
    TempFolder data;
    TempFolder shots;
    PlayRun run = playScript(std::string(TO_SOUND_QUESTION) +
            "key F1\nwait 300\ndump\nshot wide\n"
            "size 640 400\nwait 300\ndump\n"
            "size 240 320\nwait 300\nsize 640 480\nwait 300\ndump\nshot square\n",
        "--size 640x360 --seed 3 --data-dir " + data.path + " --shots " + shots.path);
    ASSERT_TRUE(succeeded(run, 3));
    EXPECT_EQ(field(run.dumps[0], "screen"), "5");
    EXPECT_EQ(field(run.dumps[0], "display"), "{\"width\":640,\"height\":360,\"class\":7}");
    EXPECT_EQ(field(run.dumps[1], "display"), "{\"width\":640,\"height\":400,\"class\":7}");
    EXPECT_EQ(field(run.dumps[2], "display"), "{\"width\":640,\"height\":480,\"class\":7}");
    EXPECT_EQ(field(run.dumps[2], "screen"), "5");

    // The last size picked, as the window program reads it at its next start.
    std::ifstream remembered(data.path + "/frame-size");
    std::string text;
    EXPECT_TRUE(std::getline(remembered, text));
    EXPECT_EQ(text, "640x480");

    // The presented frames' sizes, from the PNG header (width and height, big-endian
    // at bytes 16 and 20).
    for (const auto& shot : { std::make_pair("wide", 360), std::make_pair("square", 480) }) {
        std::ifstream png(shots.path + "/" + shot.first + ".png", std::ios::binary);
        unsigned char header[24] = {};
        ASSERT_TRUE(png.read(reinterpret_cast<char*>(header), sizeof header)) << shot.first;
        EXPECT_EQ((header[16] << 24) | (header[17] << 16) | (header[18] << 8) | header[19], 640) << shot.first;
        EXPECT_EQ((header[20] << 24) | (header[21] << 16) | (header[22] << 8) | header[23], shot.second) << shot.first;
    }

    PlayRun refused = playScript("dump\n", "--size 360x640");
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.error.find("640x360, 640x400 or 640x480"), std::string::npos) << refused.error;
}
