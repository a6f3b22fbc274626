// A few screens as the scripted player presents them, at the smallest, the most
// common and the largest display and on the landscape frame, against PNGs under tests/data/screens.
// Regenerate on purpose after a deliberate change to a screen or the artwork:
//   KM_UPDATE_GOLDENS=1 build/tests/tools/kmtool/kmtool_tests --gtest_filter='GoldenFrames*'
#include "GoldenPng.h"
#include "PlaySession.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

std::string goldenFolder()
{
    const char* data = std::getenv("KM_TEST_DATA");
    return std::string(data ? data : "tests/data") + "/screens";
}

// Plays script at size, then compares every shot it names with its golden.
void checkShots(const std::string& size, const std::string& script, const std::vector<std::string>& shots,
                const std::string& seed = "7")
{
    TempFolder work;
    PlayRun run = playScript(script, "--size " + size + " --seed " + seed + " --data-dir " + work.path + "/data --shots " + work.path);
    ASSERT_EQ(run.status, 0) << run.error;
    for (const std::string& shot : shots) {
        const std::string frame = work.path + "/" + shot + ".png";
        const std::string golden = goldenFolder() + "/" + shot + "-" + size + ".png";
        if (std::getenv("KM_UPDATE_GOLDENS")) {
            std::system(("cp '" + frame + "' '" + golden + "'").c_str());
            continue;
        }
        int32_t width = 0, height = 0, goldenWidth = 0, goldenHeight = 0;
        std::vector<uint8_t> actual = decodeGolden(frame, width, height);
        std::vector<uint8_t> expected = decodeGolden(golden, goldenWidth, goldenHeight);
        ASSERT_FALSE(actual.empty()) << frame;
        ASSERT_FALSE(expected.empty()) << golden;
        EXPECT_EQ(width, goldenWidth);
        EXPECT_EQ(height, goldenHeight);
        if (actual != expected) {
            std::system(("cp '" + frame + "' '" + golden + ".actual.png'").c_str());
            ADD_FAILURE() << golden << " differs; the frame is in " << golden << ".actual.png";
        }
    }
}

const char* TO_MAIN_MENU = "wait 16000\nkey F1\nwait 300\n";

std::string repeatLines(int times, const std::string& lines)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += lines;
    return out;
}

// A ten-letter name of the widest capitals, so the header has to shorten it.
const char* WIDE_NAME = "key DOWN\nkey RETURN\nwait 300\nkey RETURN\nwait 300\n"
                        "key BACKSPACE\nkey BACKSPACE\nkey BACKSPACE\nkey BACKSPACE\nkey BACKSPACE\nkey BACKSPACE\n"
                        "type WWWWWWWWWW\nkey RETURN\nwait 300\nkey ESCAPE\nwait 300\n";

} // namespace

TEST(GoldenFramesTest, SmallestDisplay)
{
    checkShots("176x220",
        std::string(TO_MAIN_MENU) + "shot main-menu\nkey DOWN\nkey DOWN\nkey RETURN\nwait 300\nshot options\n"
            "key ESCAPE\nwait 300\nkey DOWN\nkey DOWN\nkey RETURN\nwait 300\n"
            "key DOWN\nkey DOWN\nkey DOWN\nkey DOWN\nkey DOWN\nwait 300\nshot about\n"
            "key ESCAPE\nwait 300\nkey UP\nkey UP\nkey UP\nkey UP\n" + WIDE_NAME +
            "key UP\nkey RETURN\nwait 300\nshot game-type\n",
        { "main-menu", "options", "about", "game-type" });
}

TEST(GoldenFramesTest, CommonDisplay)
{
    checkShots("240x320",
        std::string(TO_MAIN_MENU) + "shot main-menu\nkey RETURN\nwait 300\nkey RETURN\nwait 300\nshot stakes\n"
            "key ESCAPE\nwait 300\nkey ESCAPE\nwait 300\nkey DOWN\nkey RETURN\nwait 300\nkey RETURN\nwait 300\n"
            "key BACKSPACE\nkey BACKSPACE\nkey BACKSPACE\nkey BACKSPACE\nwait 300\nkey RETURN\nwait 300\nshot name-alert\n",
        { "main-menu", "stakes", "name-alert" });
}

TEST(GoldenFramesTest, LargestDisplay)
{
    checkShots("480x640",
        std::string(TO_MAIN_MENU) + "shot main-menu\nkey DOWN\nkey DOWN\nkey RETURN\nwait 300\nshot options\n"
            "key ESCAPE\nwait 300\nkey DOWN\nkey RETURN\nwait 300\nkey RETURN\nwait 300\nshot help-topic\n"
            "key ESCAPE\nwait 300\nkey ESCAPE\nwait 300\nkey DOWN\nkey RETURN\nwait 300\nshot about\n",
        { "main-menu", "options", "help-topic", "about" });
}

// The four-colour deck chosen in the options, then a cash game played on (checking or
// folding) until the player holds a club and a diamond.
TEST(GoldenFramesTest, FourColourTable)
{
    checkShots("480x640",
        std::string(TO_MAIN_MENU) + "key DOWN\nkey DOWN\nkey RETURN\nwait 300\n"
            "key DOWN\nkey DOWN\nkey DOWN\nkey DOWN\nkey DOWN\nkey DOWN\nkey RETURN\nwait 100\n"
            "key ESCAPE\nwait 300\nkey UP\nkey UP\nkey RETURN\nwait 300\nkey RETURN\nwait 300\nkey RETURN\nwait 300\n"
            + repeatLines(72, "wait 1000\nkey 0x31\n") + "wait 1000\nshot table-four-colour\n",
        { "table-four-colour" });
}

// The landscape frame of desktop windows: the menus, the name alert and a cash hand
// from the deal through amount entry to the showdown; then the tournament's
// standings and heads-up.
TEST(GoldenFramesTest, LandscapeDisplay)
{
    const std::string toTable = "key UP\nkey UP\nkey UP\nkey RETURN\nwait 300\nkey RETURN\nwait 300\nshot stakes\n"
                                "key RETURN\nwait 6000\nshot dealt-hand\n";
    checkShots("640x360",
        std::string(TO_MAIN_MENU) + "shot main-menu\nkey DOWN\nkey DOWN\nkey RETURN\nwait 300\nshot options\n"
            "key ESCAPE\nwait 300\nkey DOWN\nkey RETURN\nwait 300\nkey RETURN\nwait 300\nshot help-topic\n"
            "key ESCAPE\nwait 300\nkey ESCAPE\nwait 300\n" + toTable +
            "key 0x33\nwait 100\nshot amount-entry\ntype a\nkey RETURN\nwait 8000\nshot showdown\n",
        { "main-menu", "options", "help-topic", "stakes", "dealt-hand", "amount-entry", "showdown" });
    checkShots("640x360",
        std::string(TO_MAIN_MENU) + "key DOWN\nkey RETURN\nwait 300\nkey RETURN\nwait 300\n"
            "key BACKSPACE\nkey BACKSPACE\nkey BACKSPACE\nkey BACKSPACE\nwait 300\nkey RETURN\nwait 300\nshot name-alert\n",
        { "name-alert" });
    checkShots("640x360",
        std::string(TO_MAIN_MENU) + "key RETURN\nwait 300\nkey DOWN\nkey DOWN\nkey RETURN\nwait 300\nkey RETURN\n"
            "wait 300\nkey RETURN\nwait 8000\nkey 0x34\nwait 300\nshot standings\n",
        { "standings" }, "8"); // the player's first turn, when the keys take "4"
    checkShots("640x360",
        std::string(TO_MAIN_MENU) + "key RETURN\nwait 300\nkey DOWN\nkey RETURN\nwait 300\nkey RETURN\nwait 6000\n"
            "shot heads-up\n",
        { "heads-up" });
}
