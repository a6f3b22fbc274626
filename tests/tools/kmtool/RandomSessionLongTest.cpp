// Random play through kmtool's scripted player, run after run on one data folder:
// each run starts where the last one was closed, at a random step. Every run must
// end cleanly, every save must decode, and closing and starting again must neither
// make nor lose a chip.
#include "PlaySession.h"
#include "RandomPlayScript.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace {

constexpr int SEEDS = 6;
constexpr int RUNS_PER_SEED = 16;
constexpr int MIN_BUY_IN = 1000;
const std::string CASH_TABLE = "6", HEADS_UP_TABLE = "7";

int number(const std::string& json, const std::string& path)
{
    const std::string text = field(json, path);
    return text.empty() || text == "null" ? 0 : std::stoi(text);
}

// Seat 0's stack with its bet on the table; 0 when the player has no seat.
int playerChips(const std::string& dump)
{
    const std::string seat = element(dump, "table.seats", 0);
    return seat.empty() || seat == "null" ? 0 : number(seat, "chips") + number(seat, "bet");
}

bool atCashTable(const std::string& dump)
{
    const std::string variant = field(dump, "table.variant");
    return variant == CASH_TABLE || variant == HEADS_UP_TABLE;
}

struct HandCount {
    int cash = 0, tournament = 0;
};

HandCount handsInHistory(const std::string& dataDirectory)
{
    HandCount count;
    for (const std::string& line : handHistoryLines(dataDirectory)) {
        if (line.rfind("PokerStars Hand #", 0) == 0)
            ++(line.find(" - Level ") != std::string::npos ? count.tournament : count.cash);
    }
    return count;
}

// What a restart on a copy of the folder shows the player: the bankroll on the main
// menu and, when Play offers to resume a cash game, the player's chips at its table.
struct Restart {
    std::string error; // empty when the restart went as expected
    int bankroll = 0;
    int tableChips = 0;
    bool resumedCash = false;
    std::string menu, table;
};

Restart restartOnACopy(const std::string& dataDirectory, const std::string& copy)
{
    Restart restart;
    std::system(("rm -rf '" + copy + "' && cp -a '" + dataDirectory + "' '" + copy + "'").c_str());
    // The sound question comes first unless the player turned it off.
    const std::string settings = kmtool("store decode " + copy + "/GAME_STORE_DATA.dat").out;
    const bool asks = field(settings, "fields.askSoundAtStart") != "false";
    PlayRun run = playScript(std::string("wait 16000\n") + (asks ? "key F2\nwait 300\n" : "")
                                 + "key RETURN\nwait 300\ndump\nkey RETURN\nwait 300\ndump\nquit\n",
        "--seed 1 --data-dir " + copy);
    if (run.status != 0 || run.dumps.size() != 2) {
        restart.error = "the restart ended with status " + std::to_string(run.status) + " after "
            + std::to_string(run.dumps.size()) + " dumps: " + run.error;
        return restart;
    }
    restart.menu = run.dumps[0];
    restart.table = run.dumps[1];
    restart.bankroll = number(restart.menu, "profile.bankroll");
    const std::string screen = field(restart.menu, "screen");
    // Resume or new game, the game types, or the offer of chips to a player who has too few.
    if (screen != "7" && screen != "27" && screen != "30") {
        restart.error = "Play led to screen " + screen;
        return restart;
    }
    restart.resumedCash = screen == "7" && field(restart.table, "screen") == "40" && atCashTable(restart.table);
    if (restart.resumedCash)
        restart.tableChips = playerChips(restart.table);
    return restart;
}

// The scripts of a seed outlive a failed test, so that its runs can be played again.
struct KeptOnFailure {
    std::string folder, keep;
    ~KeptOnFailure()
    {
        if (::testing::Test::HasFailure())
            std::system(("rm -rf '" + keep + "' && cp -a '" + folder + "' '" + keep + "'").c_str());
    }
};

} // namespace

TEST(RandomSessionLongTest, RandomPlayClosedAnywhereKeepsSavesReadableAndChipsWhole)
{
    int runs = 0, exitedEarly = 0, ledgerChecks = 0, refills = 0;
    HandCount hands;
    std::set<std::string> screens;
    for (int seed = 1; seed <= SEEDS; ++seed) {
        TempFolder work;
        const std::string data = work.path + "/data";
        std::system(("mkdir '" + data + "'").c_str());
        const KeptOnFailure scripts { work.path + "/scripts",
            ::testing::TempDir() + "km-random-session-seed" + std::to_string(seed) };
        std::system(("mkdir '" + scripts.folder + "'").c_str());
        RandomPlayScript generator(seed);
        std::string replay; // every script of this seed so far, for the failure message
        Restart before = restartOnACopy(data, work.path + "/restart");
        ASSERT_EQ(before.error, "");
        ASSERT_EQ(before.bankroll, 1000);
        HandCount handsBefore;
        bool tournamentBefore = false;
        for (int run = 1; run <= RUNS_PER_SEED; ++run) {
            const std::string script = generator.make();
            const std::string scriptPath = scripts.keep + "/run" + std::to_string(run);
            std::ofstream(scripts.folder + "/run" + std::to_string(run)) << script;
            replay += "kmtool play --seed " + std::to_string(seed * 100 + run) + " --data-dir DIR --script " + scriptPath
                + "\n";
            const std::string context = "seed " + std::to_string(seed) + ", run " + std::to_string(run)
                + "; to replay, on an empty DIR (the scripts are kept):\n" + replay + "this run's script:\n"
                + script;
            SCOPED_TRACE(context);
            ToolRun tool = kmtool("play --pack " + std::string(KM_GAME_PACK) + " --seed " + std::to_string(seed * 100 + run)
                + " --data-dir " + data + " --script " + scripts.folder + "/run" + std::to_string(run));
            ++runs;
            ASSERT_EQ(tool.status, 0) << tool.err;
            std::vector<std::string> dumps;
            std::istringstream lines(tool.out);
            for (std::string line; std::getline(lines, line);)
                dumps.push_back(line);
            ASSERT_GE(dumps.size(), 1u);
            for (const std::string& dump : dumps) {
                screens.insert(field(dump, "screen"));
                EXPECT_GE(number(dump, "profile.bankroll"), 0) << dump;
            }
            // The start finds what the last restart found.
            EXPECT_EQ(number(dumps.front(), "profile.bankroll"), before.bankroll) << dumps.front();

            // Every store the game left decodes; no temporary file and no journal survive a close.
            for (const std::string& name : entries(data)) {
                EXPECT_NE(name[0], '.') << "a temporary file was left: " << name;
                EXPECT_NE(name, "KMRB2Journal.dat") << "a journal was left";
                if (name.size() > 9 && name.compare(name.size() - 9, 9, "_DATA.dat") == 0) {
                    ToolRun decoded = kmtool("store decode " + data + "/" + name);
                    EXPECT_EQ(decoded.status, 0) << name << ": " << decoded.err;
                }
            }

            const Restart after = restartOnACopy(data, work.path + "/restart");
            ASSERT_EQ(after.error, "");
            const int restarted = after.bankroll + after.tableChips;
            // The last dump is the state the window was closed in, unless a key left
            // the game by the main menu's Exit before the script's end.
            const std::string& last = dumps.back();
            size_t scripted = 0;
            for (size_t at = script.find("dump\n"); at != std::string::npos; at = script.find("dump\n", at + 1))
                ++scripted;
            const bool closed = dumps.size() == scripted;
            exitedEarly += !closed;
            if (closed && field(last, "table") != "null" && atCashTable(last)) {
                const int live = number(last, "profile.bankroll") + playerChips(last);
                const int state = number(last, "table.state");
                int pots = 0;
                const std::string potList = field(last, "table.pots");
                for (size_t at = 1; at < potList.size() - 1; at = scanValue(potList, at, potList.size() - 1) + 1)
                    pots += std::stoi(potList.substr(at));
                ++ledgerChecks;
                const std::string shown = "\n" + last + "\nrestarted:\n" + after.table;
                if (state == 0) {
                    EXPECT_EQ(restarted, live) << "closed before the first hand" << shown;
                } else if (state == 12) {
                    // The result shows the hand's bets and pots until the next deal, so
                    // the stack alone is what the player surely has.
                    const int stack = live - number(element(last, "table.seats", 0), "bet");
                    EXPECT_GE(restarted, stack) << "closed on a hand's result" << shown;
                    EXPECT_LE(restarted, live + pots) << "closed on a hand's result" << shown;
                } else if (state != 11) {
                    // A hand cut short is void: what the player put into its pots comes back.
                    EXPECT_GE(restarted, live) << "closed in a hand" << shown;
                    EXPECT_LE(restarted, live + pots) << "closed in a hand" << shown;
                }
            }
            // Closing moves no chips into or out of the bankroll.
            if (closed) {
                EXPECT_EQ(after.bankroll, number(last, "profile.bankroll")) << last;
            }

            // Without a hand played the chips stay where they were, whatever the menus did.
            const HandCount now = handsInHistory(data);
            const bool tournament = now.tournament > handsBefore.tournament || field(after.menu, "saved.tourney") == "true"
                || tournamentBefore;
            if (now.cash == handsBefore.cash) {
                const int was = before.bankroll + before.tableChips;
                // A bankroll below the least buy-in is offered a fresh one at Play.
                const bool refilled = was < MIN_BUY_IN && restarted == MIN_BUY_IN;
                refills += refilled;
                if (tournament) { // a tournament only ever pays a prize into the cash bankroll
                    EXPECT_GE(restarted, was) << "no cash hand was played";
                } else if (!refilled) {
                    EXPECT_EQ(restarted, was) << "no hand was played; restarted before the run:\n" << before.table
                                              << "\nand after it:\n" << after.table;
                }
            }
            hands.cash += now.cash - handsBefore.cash;
            hands.tournament += now.tournament - handsBefore.tournament;
            handsBefore = now;
            tournamentBefore = field(after.menu, "saved.tourney") == "true";
            before = after;
            if (::testing::Test::HasFailure())
                return;
        }
    }
    std::string reached;
    for (const std::string& screen : screens)
        reached += " " + screen;
    RecordProperty("runs", runs);
    RecordProperty("hands", hands.cash + hands.tournament);
    std::printf("%d runs (%d left by Exit), %d cash and %d tournament hands, %d ledger checks at a table, %d fresh "
                "bankrolls; screens:%s\n",
        runs, exitedEarly, hands.cash, hands.tournament, ledgerChecks, refills, reached.c_str());
}
