// The player's statistics over scripted sessions: a cash game over two runs (the
// second resuming the first), then a tournament; the figures the game dumps and
// stores must equal those recomputed here from the hand histories it wrote, with a
// parser of our own history text that shares nothing with the game's counting.
#include "PlaySession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace {

const std::string TO_MAIN_MENU = "wait 16000\nkey F2\nwait 300\n";
const std::string TO_CASH = "key RETURN\nwait 300\nkey RETURN\nwait 300\nkey RETURN\nwait 300\n";

// The hero's part in one hand, read from its text.
struct ParsedHand {
    long long put = 0;
    long long collected = 0;
    bool voluntary = false;
    bool raised = false;
    bool showdown = false;
};

struct Figures {
    long long handsPlayed = 0, handsWon = 0, vpipHands = 0, pfrHands = 0, showdowns = 0, showdownsWon = 0;
    long long biggestPotWon = 0, netChips = 0;
};

bool startsWith(const std::string& line, const std::string& prefix) { return line.compare(0, prefix.size(), prefix) == 0; }

long long numberAfter(const std::string& line, const std::string& marker)
{
    const size_t at = line.find(marker);
    return at == std::string::npos ? 0 : std::stoll(line.substr(at + marker.size()));
}

// Every hand the hero (seat 1 of the history) was dealt into, in file order.
std::vector<ParsedHand> parseHistory(const std::string& dataDirectory)
{
    std::vector<ParsedHand> hands;
    FILE* list = popen(("cat '" + dataDirectory + "'/hand-history/kestrelmoore-*.txt 2>/dev/null").c_str(), "r");
    std::string text;
    char buffer[4096];
    for (size_t n; list && (n = fread(buffer, 1, sizeof buffer, list)) > 0;)
        text.append(buffer, n);
    if (list)
        pclose(list);
    std::istringstream lines(text);
    std::string hero;
    ParsedHand hand;
    bool inHand = false, preflop = false, showdown = false;
    long long street = 0; // the hero's chips in on this street
    auto finish = [&]() {
        if (inHand && !hero.empty())
            hands.push_back(hand);
        inHand = false;
    };
    for (std::string line; std::getline(lines, line);) {
        const std::string action = hero.empty() || !startsWith(line, hero + ": ") ? "" : line.substr(hero.size() + 2);
        if (startsWith(line, "PokerStars Hand #")) {
            finish();
            inHand = preflop = true;
            showdown = false;
            hero.clear();
            hand = ParsedHand();
            street = 0;
        } else if (!inHand) {
        } else if (startsWith(line, "Seat 1: ") && hero.empty() && line.find(" in chips)") != std::string::npos) {
            hero = line.substr(8, line.rfind(" (") - 8);
        } else if (startsWith(line, "*** FLOP") || startsWith(line, "*** TURN") || startsWith(line, "*** RIVER")) {
            preflop = false;
            street = 0;
        } else if (startsWith(line, "*** SHOW DOWN")) {
            showdown = true;
        } else if (hero.empty()) {
        } else if (startsWith(line, "Uncalled bet (") && line.substr(line.find(") returned to ") + 14) == hero) {
            hand.put -= numberAfter(line, "(");
        } else if (startsWith(line, hero + " collected ")) {
            hand.collected += numberAfter(line, " collected ");
        } else if (startsWith(action, "posts ") || startsWith(action, "calls ") || startsWith(action, "bets ")) {
            const long long amount = numberAfter(action, startsWith(action, "posts ") ? "blind " : " ");
            hand.put += amount;
            street += amount;
            const bool voluntary = preflop && !startsWith(action, "posts ");
            hand.voluntary = hand.voluntary || voluntary;
            hand.raised = hand.raised || (voluntary && startsWith(action, "bets "));
        } else if (startsWith(action, "raises ")) {
            const long long to = numberAfter(action, " to ");
            hand.put += to - street;
            street = to;
            hand.voluntary = hand.voluntary || preflop;
            hand.raised = hand.raised || preflop;
        } else if (startsWith(action, "shows ") && showdown) {
            hand.showdown = true;
        }
    }
    finish();
    return hands;
}

Figures sum(const std::vector<ParsedHand>& hands, size_t from, size_t to)
{
    Figures f;
    for (size_t i = from; i < to && i < hands.size(); ++i) {
        const ParsedHand& h = hands[i];
        ++f.handsPlayed;
        f.handsWon += h.collected > 0;
        f.vpipHands += h.voluntary;
        f.pfrHands += h.raised;
        f.showdowns += h.showdown;
        f.showdownsWon += h.showdown && h.collected > 0;
        f.biggestPotWon = std::max(f.biggestPotWon, h.collected);
        f.netChips += h.collected - h.put;
    }
    return f;
}

// The figures as JSON members in the order the game writes them.
std::string figuresJson(const Figures& f)
{
    std::ostringstream out;
    out << "\"handsPlayed\":" << f.handsPlayed << ",\"handsWon\":" << f.handsWon << ",\"vpipHands\":" << f.vpipHands
        << ",\"pfrHands\":" << f.pfrHands << ",\"showdowns\":" << f.showdowns << ",\"showdownsWon\":" << f.showdownsWon
        << ",\"biggestPotWon\":" << f.biggestPotWon << ",\"netChips\":" << f.netChips;
    return out.str();
}

// The hand figures of a dumped stats object, without its other members.
std::string dumpedFigures(const std::string& statsObject)
{
    return statsObject.substr(1, statsObject.find(",\"tournaments\"") - 1);
}

std::string storeFile(const std::string& data) { return data + "/KMRB2Stats_DATA.dat"; }

std::string decodeStats(const std::string& data) { return kmtool("store decode " + storeFile(data)).out; }

} // namespace

TEST(StatsSessionTest, FiguresEqualTheHandHistoriesOverTwoRunsAndATournament)
{
    TempFolder data;
    const std::string options = "--seed 11 --data-dir " + data.path;
    // Call or bet, fold or check, raise, call again, check or fold: the amount entry
    // a bet or raise opens is confirmed at its suggestion (Return also chooses the
    // highlighted action now and then). F1 does nothing at this size's table; after
    // a bust it answers Yes to a new bankroll, and the Returns start a new game.
    const std::string mix = "wait 1500\nkey 0x32\nkey RETURN\nwait 1500\nkey 0x31\nwait 1500\nkey 0x33\nkey RETURN\n"
                            "wait 1500\nkey 0x32\nkey RETURN\nwait 1500\nkey 0x31\nkey F1\n";

    // First run: a cash game, closed in the middle of play.
    PlayRun first = playScript(TO_MAIN_MENU + "dump\n" + TO_CASH + repeat(200, mix) + "dump\nquit\n", options);
    ASSERT_EQ(first.status, 0) << first.error;
    ASSERT_EQ(first.dumps.size(), 2u);
    EXPECT_EQ(field(first.dumps[0], "stats"),
        "{" + figuresJson(Figures()) + ",\"tournaments\":{\"played\":0,\"won\":0,\"cashed\":0,\"bestPlace\":0},"
        "\"session\":{" + figuresJson(Figures()) + "},\"chartPoints\":0}");
    EXPECT_EQ(field(first.dumps[1], "screen"), "40");
    const std::vector<ParsedHand> afterFirst = parseHistory(data.path);
    const Figures one = sum(afterFirst, 0, afterFirst.size());
    ASSERT_GT(one.handsPlayed, 100);
    EXPECT_EQ(dumpedFigures(field(first.dumps[1], "stats")), figuresJson(one));
    EXPECT_EQ(field(first.dumps[1], "stats.session"), "{" + figuresJson(one) + "}");
    EXPECT_EQ(field(first.dumps[1], "stats.chartPoints"), std::to_string(one.handsPlayed));

    // Second run: the figures are back before any play, the session starts empty,
    // and the hand that was in play when the game closed counts once.
    PlayRun second = playScript(TO_MAIN_MENU + "dump\nkey RETURN\nwait 300\nkey RETURN\nwait 300\n" +
                                    repeat(200, mix) + "dump\nwait 1500\nkey F2\nwait 300\n" +
                                    repeat(5, "key DOWN\n") + "key RETURN\nwait 300\ndump\n" +
                                    "size 176 220\nwait 300\nshot stats-176\n" + repeat(30, "key DOWN\n") +
                                    "wait 300\nshot stats-176-end\nsize 480 640\nwait 300\nshot stats-480\nquit\n",
        options + " --shots " + data.path + "/shots");
    ASSERT_EQ(second.status, 0) << second.error;
    ASSERT_EQ(second.dumps.size(), 3u);
    EXPECT_EQ(dumpedFigures(field(second.dumps[0], "stats")), figuresJson(one));
    EXPECT_EQ(field(second.dumps[0], "stats.session.handsPlayed"), "0");
    const std::vector<ParsedHand> afterSecond = parseHistory(data.path);
    const Figures both = sum(afterSecond, 0, afterSecond.size());
    const Figures session = sum(afterSecond, afterFirst.size(), afterSecond.size());
    ASSERT_GT(session.handsPlayed, 100);
    EXPECT_EQ(dumpedFigures(field(second.dumps[1], "stats")), figuresJson(both));
    EXPECT_EQ(field(second.dumps[1], "stats.session"), "{" + figuresJson(session) + "}");
    // Every figure is put to work by this mix.
    EXPECT_TRUE(both.handsPlayed > both.vpipHands && both.vpipHands > both.pfrHands && both.pfrHands > 0 &&
                both.showdowns > both.showdownsWon && both.showdownsWon > 0 && both.handsWon > 0 && both.netChips != 0);

    // The statistics screen, reached as the sixth main menu entry.
    const std::string& shown = second.dumps[2];
    EXPECT_EQ(field(shown, "screen"), "32");
    EXPECT_EQ(field(shown, "title"), "\"Statistics\"");
    EXPECT_EQ(field(shown, "softKeys"), "[\"Reset\",\"Back\"]");
    const std::string items = field(shown, "items");
    auto percent = [](long long part, long long whole) { return std::to_string((part * 100 + whole / 2) / whole) + "%\""; };
    for (const std::string& item : { "VPIP \",\"value\":\"" + percent(both.vpipHands, both.handsPlayed),
             "PFR \",\"value\":\"" + percent(both.pfrHands, both.handsPlayed),
             "Won at SD \",\"value\":\"" + percent(both.showdownsWon, both.showdowns),
             "Session \",\"value\":\"" + std::to_string(session.handsPlayed) + " hands, " })
        EXPECT_NE(items.find("\"label\":\"" + item), std::string::npos) << item << "\n" << items;

    // The store holds the same, with the chart's last point the winnings.
    const std::string stored = decodeStats(data.path);
    EXPECT_NE(stored.find("\"complete\":true"), std::string::npos) << stored;
    EXPECT_NE(stored.find("{" + figuresJson(both) + ",\"tournaments\""), std::string::npos) << stored;
    EXPECT_NE(stored.find("," + std::to_string(both.netChips) + "]"), std::string::npos) << stored;
    if (const char* keep = std::getenv("KM_KEEP_SHOTS"))
        std::system(("cp -r '" + data.path + "/shots/.' '" + keep + "'").c_str());

    // The record cut short by 100 bytes (its length in the store file agrees): the
    // figures are read, the chart loses its last points, the profile is untouched.
    {
        std::ifstream in(storeFile(data.path), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        uint32_t length = 0;
        for (int i = 0; i < 4; ++i)
            length |= uint32_t(uint8_t(bytes.at(12 + i))) << (8 * i);
        ASSERT_TRUE(length + 16 == bytes.size() && length > 100);
        for (int i = 0; i < 4; ++i)
            bytes[12 + i] = char((length - 100) >> (8 * i));
        bytes.resize(bytes.size() - 100);
        std::ofstream(storeFile(data.path), std::ios::binary | std::ios::trunc) << bytes;
    }
    EXPECT_NE(decodeStats(data.path).find("\"complete\":false"), std::string::npos);

    // Third run: that store, then a tournament over the saved cash game, all in on
    // every turn, with a dump after every move.
    const std::string toTournament = "key RETURN\nwait 300\nkey DOWN\nkey RETURN\nwait 300\nkey F1\nwait 300\n"
                                     "key DOWN\nkey DOWN\nkey RETURN\nwait 300\nkey RETURN\nwait 300\nkey RETURN\nwait 8000\n";
    const std::string allIn = "wait 1500\nkey 0x33\ntype a\nkey RETURN\nkey 0x32\ntype a\nkey RETURN\ndump\n";
    PlayRun third = playScript(TO_MAIN_MENU + "dump\n" + toTournament + repeat(300, allIn) + "quit\n", options);
    ASSERT_EQ(third.status, 0) << third.error;
    ASSERT_EQ(third.dumps.size(), 301u);
    EXPECT_EQ(dumpedFigures(field(third.dumps[0], "stats")), figuresJson(both));
    EXPECT_EQ(field(third.dumps[0], "stats.chartPoints"), std::to_string(both.handsPlayed - 100 / 8 - 1));
    EXPECT_EQ(field(third.dumps[0], "profile"), field(shown, "profile"));
    EXPECT_EQ(field(third.dumps[0], "saved.game"), "true");
    auto over = std::find_if(third.dumps.begin() + 1, third.dumps.end(),
        [](const std::string& dump) { return field(dump, "table.place") != "null"; });
    ASSERT_NE(over, third.dumps.end());
    const std::string place = field(*over, "table.place");
    const bool paid = field(*over, "table.message").find("prize") != std::string::npos;
    EXPECT_EQ(field(*over, "stats.tournaments"), "{\"played\":1,\"won\":" + std::string(place == "1" ? "1" : "0") +
                                                     ",\"cashed\":" + (paid ? "1" : "0") + ",\"bestPlace\":" + place + "}");
    const std::vector<ParsedHand> all = parseHistory(data.path);
    const Figures tournamentHands = sum(all, afterSecond.size(), all.size());
    EXPECT_GT(tournamentHands.handsPlayed, 0);
    EXPECT_EQ(dumpedFigures(field(third.dumps.back(), "stats")), figuresJson(sum(all, 0, all.size())));
    EXPECT_EQ(field(third.dumps.back(), "stats.session"), "{" + figuresJson(tournamentHands) + "}");
}

// A statistics file that is no store at all: the game starts with the other saves
// as they were, the statistics from zero, and the file is written afresh by the
// next hand.
TEST(StatsSessionTest, UnreadableStatisticsFileCostsNothingElse)
{
    TempFolder data;
    const std::string options = "--seed 3 --data-dir " + data.path;
    PlayRun first = playScript(TO_MAIN_MENU + TO_CASH + repeat(20, "wait 2000\nkey 0x31\n") + "dump\nquit\n", options);
    ASSERT_EQ(first.status, 0) << first.error;
    const std::string hands = field(first.dumps.back(), "stats.handsPlayed");
    ASSERT_NE(hands, "0");
    std::ofstream(storeFile(data.path), std::ios::binary | std::ios::trunc) << std::string("\xff\xff\xff\x7f garbage", 13);

    PlayRun second = playScript(TO_MAIN_MENU + "dump\nkey RETURN\nwait 300\nkey RETURN\nwait 300\n" +
                                    repeat(10, "wait 2000\nkey 0x31\n") + "dump\nquit\n",
        options);
    ASSERT_EQ(second.status, 0) << second.error;
    ASSERT_EQ(second.dumps.size(), 2u);
    EXPECT_EQ(field(second.dumps[0], "stats.handsPlayed"), "0");
    EXPECT_EQ(field(second.dumps[0], "saved.game"), "true");
    EXPECT_EQ(field(second.dumps[0], "profile"), field(first.dumps.back(), "profile"));
    const std::string counted = field(second.dumps[1], "stats.handsPlayed");
    EXPECT_NE(counted, "0");
    const std::string stored = decodeStats(data.path);
    EXPECT_NE(stored.find("\"handsPlayed\":" + counted + ","), std::string::npos) << stored;

    // Reset asks first: No keeps everything, Yes clears the figures, the session
    // and the store, and shows the cleared screen with Back still leading home.
    PlayRun third = playScript(TO_MAIN_MENU + repeat(5, "key DOWN\n") + "key RETURN\nwait 300\nkey F1\nwait 300\ndump\n"
                                   "key F2\nwait 300\ndump\nkey F1\nwait 300\nkey F1\nwait 300\ndump\nkey F2\nwait 300\ndump\nquit\n",
        options);
    ASSERT_EQ(third.status, 0) << third.error;
    ASSERT_EQ(third.dumps.size(), 4u);
    EXPECT_EQ(field(third.dumps[0], "softKeys"), "[\"Yes\",\"No\"]");
    const char* screens[] = { "33", "32", "32", "5" };
    const std::string handsAfter[] = { counted, counted, "0", "0" };
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(field(third.dumps[i], "screen"), screens[i]) << i;
        EXPECT_EQ(field(third.dumps[i], "stats.handsPlayed"), handsAfter[i]) << i;
    }
    EXPECT_EQ(field(third.dumps[2], "stats.chartPoints"), "0");
    EXPECT_NE(field(third.dumps[2], "items").find("{\"kind\":1,\"label\":\"Hands played \",\"value\":\"0\"}"),
        std::string::npos) << field(third.dumps[2], "items");
    EXPECT_EQ(field(third.dumps[3], "stack"), "[]");
    EXPECT_EQ(field(third.dumps[3], "saved.game"), "true"); // nothing else was cleared
    EXPECT_NE(decodeStats(data.path).find("\"handsPlayed\":0,"), std::string::npos);
}
