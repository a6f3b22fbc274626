// The real program killed at each file rename of a buy-in (strace's fault
// injection), then started again: the chips are whole and no temporary file is left.
#include "PlaySession.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <string>

namespace {

const std::string TO_MAIN_MENU = "wait 16000\nkey F2\nwait 300\n";
// Play, cash game, the first stake, and one dump at the table.
const std::string BUY_IN = TO_MAIN_MENU + "key RETURN\nwait 300\nkey RETURN\nwait 300\nkey RETURN\nwait 300\ndump\nquit\n";
// Play, then Resume if a game is offered: the bankroll, and the saved stack at its table.
const std::string LOOK = TO_MAIN_MENU + "key RETURN\nwait 300\ndump\nkey RETURN\nwait 300\ndump\nquit\n";

// Seat 0's stack with its bet of the hand under way, which the resumed table posts at once.
int seatZeroChips(const std::string& dump)
{
    const std::string seats = field(dump, "table.seats");
    const std::string seat = seats.substr(0, seats.find('}'));
    const size_t chips = seat.find("\"chips\":"), bet = seat.find("\"bet\":");
    if (chips == std::string::npos || bet == std::string::npos)
        return -1;
    return std::stoi(seat.substr(chips + 8)) + std::stoi(seat.substr(bet + 6));
}

} // namespace

TEST(KilledBuyInTest, EveryRenameOfABuyInKilledLeavesTheChipsWhole)
{
    if (std::system("strace -V >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "strace is not installed";
    TempFolder work;
    std::ofstream(work.path + "/buy-in") << BUY_IN;
    std::ofstream(work.path + "/look") << LOOK;
    // The leak checker of a sanitizer build cannot run under a tracer; the killed runs
    // would end in its complaint instead of the game's own exit.
    const std::string play = std::string("env ASAN_OPTIONS=detect_leaks=0 ") + KMTOOL_PATH + " play --pack "
        + KM_GAME_PACK + " --seed 5 ";
    // The renames of a whole run, counted on a run that is not killed.
    const std::string counted = work.path + "/counted";
    ASSERT_EQ(std::system(("mkdir " + counted + " && strace -f -qq -o " + work.path + "/trace -e trace=rename " + play
                           + "--script " + work.path + "/buy-in --data-dir " + counted + " >/dev/null 2>&1")
                                  .c_str()),
              0);
    std::ifstream trace(work.path + "/trace");
    int renames = 0;
    for (std::string line; std::getline(trace, line);)
        renames += line.find("rename(") != std::string::npos;
    ASSERT_GE(renames, 4);
    int killed = 0, inGame = 0;
    for (int n = 1; n <= renames; ++n) {
        SCOPED_TRACE("killed at rename " + std::to_string(n) + " of " + std::to_string(renames));
        const std::string data = work.path + "/data" + std::to_string(n);
        const int status = std::system(("mkdir " + data + " && strace -f -qq -o /dev/null -e trace=rename -e inject=rename:signal=KILL:when="
                                        + std::to_string(n) + " " + play + "--script " + work.path + "/buy-in --data-dir " + data
                                        + " >/dev/null 2>&1")
                                               .c_str());
        killed += status != 0;
        const PlayRun look = playScript(LOOK, "--seed 5 --data-dir " + data);
        ASSERT_EQ(look.status, 0) << look.error;
        ASSERT_EQ(look.dumps.size(), 2u);
        const int bankroll = std::stoi(field(look.dumps[0], "profile.bankroll"));
        int chips = bankroll;
        if (field(look.dumps[0], "screen") == "7") {
            ASSERT_EQ(field(look.dumps[1], "screen"), "40") << "the game offered resumes";
            chips += seatZeroChips(look.dumps[1]);
            ++inGame;
        }
        EXPECT_EQ(chips, 1000) << "bankroll " << bankroll;
        for (const std::string& name : entries(data))
            EXPECT_NE(name[0], '.') << "a temporary file survived the start: " << name;
    }
    EXPECT_EQ(killed, renames) << "every run was killed";
    EXPECT_GT(inGame, 0);
    EXPECT_LT(inGame, renames);
    RecordProperty("renamesKilled", renames);
}
