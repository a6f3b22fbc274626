#include "poker/HandHistoryWriter.h"

#include "TableHelpers.h"
#include "poker/HandSimulator.h"
#include "poker/TournamentSimulator.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>

namespace {

// 2024-03-10 06:59:59 UTC, one second before New York's clocks go forward.
constexpr int64_t BEFORE_SWITCH = 1710053999000;

// A scripted table whose every change is shown to a writer.
struct WrittenTable : ScriptedTable {
    HandHistoryWriter writer;
    int64_t clock = BEFORE_SWITCH;

    WrittenTable(const std::vector<int>& stacks, int bigBlindBefore, std::vector<const char*> names = {})
        : ScriptedTable(stacks, bigBlindBefore)
    {
        for (size_t seat = 0; seat < names.size(); ++seat)
            table.player(int(seat)).name = names[seat];
        observer = [this](const PokerTable& t) { writer.observe(t, clock); };
    }

    std::string hand(int64_t number)
    {
        EXPECT_TRUE(writer.handReady());
        EXPECT_EQ(writer.handsDropped, 0);
        return writer.takeHand(number);
    }
};

int64_t number(const std::string& text)
{
    return std::stoll(text);
}

// Reads hands back the way a tracker would and keeps the books on every player.
struct HistoryReader {
    struct Hand {
        std::map<std::string, int64_t> start, end;
        std::map<std::string, int> seatOf;
    };
    std::vector<Hand> hands;

    // Adds one hand's text; fails the test where the text or its sums are wrong.
    void read(const std::string& text, int64_t expectedNumber)
    {
        ASSERT_GE(text.size(), 2u);
        ASSERT_EQ(text.substr(text.size() - 2), "\n\n") << text;
        std::istringstream in(text.substr(0, text.size() - 1));
        std::string line;
        Hand hand;
        std::map<std::string, int64_t> stack, round;
        int64_t roundHigh = 0, contributed = 0, collected = 0, summaryWon = 0;
        bool summary = false, headerSeen = false;
        auto pay = [&](const std::string& name, int64_t amount) {
            ASSERT_TRUE(stack.count(name)) << line;
            stack[name] -= amount;
            round[name] += amount;
            roundHigh = std::max(roundHigh, round[name]);
            contributed += amount;
            ASSERT_GE(stack[name], 0) << line;
            if (line.find(" and is all-in") != std::string::npos) {
                ASSERT_EQ(stack[name], 0) << line;
            }
        };
        while (std::getline(in, line)) {
            ASSERT_FALSE(line.empty()) << "blank line inside a hand:\n" << text;
            if (!headerSeen) {
                std::string head = "PokerStars Hand #" + std::to_string(expectedNumber) + ": ";
                ASSERT_EQ(line.rfind(head, 0), 0u) << line;
                ASSERT_EQ(line.substr(line.size() - 3), " ET") << line;
                headerSeen = true;
                continue;
            }
            size_t colon = line.find(": ");
            std::string who = colon == std::string::npos ? "" : line.substr(0, colon);
            std::string what = colon == std::string::npos ? "" : line.substr(colon + 2);
            bool street = line.rfind("*** FLOP", 0) == 0 || line.rfind("*** TURN", 0) == 0
                          || line.rfind("*** RIVER", 0) == 0;
            if (street) {
                round.clear();
                roundHigh = 0;
            } else if (line == "*** SUMMARY ***") {
                summary = true;
            } else if (line.rfind("Seat ", 0) == 0 && !summary) {
                size_t open = line.rfind(" (");
                std::string name = line.substr(colon + 2, open - colon - 2);
                hand.start[name] = stack[name] = number(line.substr(open + 2));
                hand.seatOf[name] = int(number(line.substr(5))) - 1;
            } else if (line.rfind("Seat ", 0) == 0) {
                size_t won = line.find(" won (");
                size_t got = line.find(" collected (");
                if (won != std::string::npos || got != std::string::npos)
                    summaryWon += number(line.substr(won != std::string::npos ? won + 6 : got + 12));
            } else if (what.rfind("posts ", 0) == 0) {
                pay(who, number(what.substr(what.rfind(' ', what.find(" and") - 1) + 1)));
            } else if (what.rfind("calls ", 0) == 0 || what.rfind("bets ", 0) == 0) {
                pay(who, number(what.substr(what.find(' ') + 1)));
            } else if (what.rfind("raises ", 0) == 0) {
                int64_t by = number(what.substr(7));
                int64_t to = number(what.substr(what.find(" to ") + 4));
                ASSERT_EQ(to - by, roundHigh) << line;
                pay(who, to - round[who]);
            } else if (line.rfind("Uncalled bet (", 0) == 0) {
                std::string name = line.substr(line.find(" returned to ") + 13);
                stack[name] += number(line.substr(14));
                contributed -= number(line.substr(14));
            } else if (line.find(" collected ") != std::string::npos) {
                std::string name = line.substr(0, line.rfind(" collected "));
                int64_t amount = number(line.substr(line.rfind(" collected ") + 11));
                stack[name] += amount;
                collected += amount;
            } else if (line.rfind("Total pot ", 0) == 0) {
                int64_t total = number(line.substr(10));
                int64_t rake = number(line.substr(line.find("| Rake ") + 7));
                EXPECT_EQ(total, contributed) << text;
                EXPECT_EQ(total, collected + rake) << text;
                EXPECT_TRUE(rake >= 0 && rake < 6) << text;
            }
            if (testing::Test::HasFatalFailure())
                return;
        }
        EXPECT_EQ(summaryWon, collected) << text;
        hand.end = stack;
        hands.push_back(hand);
    }
};

// Reads back every hand the simulator finishes, numbered from 1.
template<typename Simulator>
void writeAndRead(Simulator& simulator, HandHistoryWriter& writer, HistoryReader& reader)
{
    auto clock = std::make_shared<int64_t>(BEFORE_SWITCH);
    simulator.afterFrame = [&writer, &reader, clock](const PokerTable& table) {
        writer.observe(table, *clock += 100);
        if (writer.handReady()) {
            int64_t n = int64_t(reader.hands.size()) + 1;
            reader.read(writer.takeHand(n), n);
        }
    };
}

// The stacks a hand leaves are the stacks the next hand starts with. buyIn > 0: a
// busted player's seat is refilled with buyIn under the same name; 0: names may come
// and go, as at a tournament table.
void checkCarryOver(const HistoryReader& reader, int32_t buyIn)
{
    for (size_t i = 1; i < reader.hands.size(); ++i) {
        const HistoryReader::Hand& before = reader.hands[i - 1];
        const HistoryReader::Hand& after = reader.hands[i];
        for (const auto& [name, chips] : before.end) {
            auto next = after.start.find(name);
            if (buyIn == 0 && next == after.start.end())
                continue;
            ASSERT_NE(next, after.start.end()) << name << " vanished after hand " << i;
            ASSERT_EQ(next->second, chips > 0 || buyIn == 0 ? chips : buyIn) << name << " after hand " << i;
        }
    }
}

} // namespace

TEST(HandHistoryWriterTest, FoldsAroundToTheBigBlind)
{
    // Everybody is "P": the seat numbers tell them apart.
    WrittenTable t({ 1000, 1000, 1000, 1000 }, /*bigBlindBefore=*/1);
    t.startHand("AH 2C 3D KS 7C 8D 9H TS");
    t.play({ { 3, -1 }, { 0, -1 }, { 1, -1 } });
    t.finish();
    EXPECT_EQ(t.hand(17),
        "PokerStars Hand #17:  Hold'em No Limit (5/10) - 2024/03/10 1:59:59 ET\n"
        "Table 'Kestrelmoore' 6-max (Play Money) Seat #1 is the button\n"
        "Seat 1: P 1 (1000 in chips)\n"
        "Seat 2: P 2 (1000 in chips)\n"
        "Seat 3: P 3 (1000 in chips)\n"
        "Seat 4: P 4 (1000 in chips)\n"
        "P 2: posts small blind 5\n"
        "P 3: posts big blind 10\n"
        "*** HOLE CARDS ***\n"
        "Dealt to P 1 [Ks Ts]\n"
        "P 4: folds\n"
        "P 1: folds\n"
        "P 2: folds\n"
        "Uncalled bet (5) returned to P 3\n"
        "P 3 collected 10 from pot\n"
        "*** SUMMARY ***\n"
        "Total pot 10 | Rake 0\n"
        "Seat 1: P 1 (button) folded before Flop (didn't bet)\n"
        "Seat 2: P 2 (small blind) folded before Flop\n"
        "Seat 3: P 3 (big blind) collected (10)\n"
        "Seat 4: P 4 folded before Flop (didn't bet)\n\n");

    // An act the writer never saw: that hand is dropped, the next one written again.
    t.startHand();
    t.run();
    t.table.act(-1);
    t.play({ { 1, -1 }, { 2, -1 } });
    t.finish();
    EXPECT_FALSE(t.writer.handReady());
    EXPECT_EQ(t.writer.handsDropped, 1);
    t.writer.handsDropped = 0;
    t.startHand();
    t.play({ { 1, -1 }, { 2, -1 }, { 3, -1 } });
    t.finish();
    std::string third = t.hand(18);
    EXPECT_NE(third.find("P 1 collected 10 from pot"), std::string::npos) << third;
}

TEST(HandHistoryWriterTest, SplitPotAfterAShowdownPutsTheOddChipInTheRake)
{
    // Seats 0 and 2 hold 4 5 each and share the straight the board gives them.
    WrittenTable t({ 1000, 1000, 1000 }, /*bigBlindBefore=*/1, { "Hero", "Bea", "Cal" });
    t.clock = BEFORE_SWITCH + 1000;
    t.startHand("2C 4H 4C 2D 5S 5D 6D 7S 8H KC QD");
    t.play({ { 0, 10 }, { 1, -1 }, { 2, 0 } });
    t.play({ { 2, 20 }, { 0, 20 } });
    t.play({ { 2, 0 }, { 0, 0 }, { 2, 0 }, { 0, 0 } });
    t.finish();
    EXPECT_EQ(t.hand(18),
        "PokerStars Hand #18:  Hold'em No Limit (5/10) - 2024/03/10 3:00:00 ET\n"
        "Table 'Kestrelmoore' 6-max (Play Money) Seat #1 is the button\n"
        "Seat 1: Hero (1000 in chips)\n"
        "Seat 2: Bea (1000 in chips)\n"
        "Seat 3: Cal (1000 in chips)\n"
        "Bea: posts small blind 5\n"
        "Cal: posts big blind 10\n"
        "*** HOLE CARDS ***\n"
        "Dealt to Hero [4c 5d]\n"
        "Hero: calls 10\n"
        "Bea: folds\n"
        "Cal: checks\n"
        "*** FLOP *** [6d 7s 8h]\n"
        "Cal: bets 20\n"
        "Hero: calls 20\n"
        "*** TURN *** [6d 7s 8h] [Kc]\n"
        "Cal: checks\n"
        "Hero: checks\n"
        "*** RIVER *** [6d 7s 8h Kc] [Qd]\n"
        "Cal: checks\n"
        "Hero: checks\n"
        "*** SHOW DOWN ***\n"
        "Cal: shows [4h 5s] (a straight, Four to Eight)\n"
        "Hero: shows [4c 5d] (a straight, Four to Eight)\n"
        "Hero collected 32 from pot\n"
        "Cal collected 32 from pot\n"
        "*** SUMMARY ***\n"
        "Total pot 65 | Rake 1\n"
        "Board [6d 7s 8h Kc Qd]\n"
        "Seat 1: Hero (button) showed [4c 5d] and won (32) with a straight, Four to Eight\n"
        "Seat 2: Bea (small blind) folded before Flop\n"
        "Seat 3: Cal (big blind) showed [4h 5s] and won (32) with a straight, Four to Eight\n\n");
}

TEST(HandHistoryWriterTest, AllInsMakeASidePotAndTheUncalledRaiseComesBack)
{
    // Hero all-in for 100, Bea for 300, the big blind raises to 600: 300 of it comes
    // back. Hero's aces take the main pot, Bea's kings the side pot.
    WrittenTable t({ 100, 300, 1000 }, /*bigBlindBefore=*/1, { "Hero", "Bea", "Cal (x): [y]" });
    t.table.setBlindSchedule();
    t.writer.tournament = 7;
    t.writer.tableName = "7 1";
    t.startHand("KC QD AS KD JH AD 2C 7D 9H 3S 4C");
    t.play({ { 0, 100 }, { 1, 295 }, { 2, 590 } });
    t.finish();
    EXPECT_EQ(t.chips(0), 300);
    EXPECT_EQ(t.chips(1), 400);
    EXPECT_EQ(t.chips(2), 700);
    EXPECT_EQ(t.hand(19),
        "PokerStars Hand #19: Tournament #7, 0+0 Hold'em No Limit - Level I (5/10) - 2024/03/10 1:59:59 ET\n"
        "Table '7 1' 6-max (Play Money) Seat #1 is the button\n"
        "Seat 1: Hero (100 in chips)\n"
        "Seat 2: Bea (300 in chips)\n"
        "Seat 3: Cal _x__ _y_ (1000 in chips)\n"
        "Bea: posts small blind 5\n"
        "Cal _x__ _y_: posts big blind 10\n"
        "*** HOLE CARDS ***\n"
        "Dealt to Hero [As Ad]\n"
        "Hero: raises 90 to 100 and is all-in\n"
        "Bea: raises 200 to 300 and is all-in\n"
        "Cal _x__ _y_: raises 300 to 600\n"
        "Uncalled bet (300) returned to Cal _x__ _y_\n"
        "*** FLOP *** [2c 7d 9h]\n"
        "*** TURN *** [2c 7d 9h] [3s]\n"
        "*** RIVER *** [2c 7d 9h 3s] [4c]\n"
        "*** SHOW DOWN ***\n"
        "Bea: shows [Kc Kd] (a pair of Kings)\n"
        "Cal _x__ _y_: shows [Qd Jh] (high card Queen)\n"
        "Hero: shows [As Ad] (a pair of Aces)\n"
        "Bea collected 400 from side pot\n"
        "Hero collected 300 from main pot\n"
        "*** SUMMARY ***\n"
        "Total pot 700 Main pot 300. Side pot 400. | Rake 0\n"
        "Board [2c 7d 9h 3s 4c]\n"
        "Seat 1: Hero (button) showed [As Ad] and won (300) with a pair of Aces\n"
        "Seat 2: Bea (small blind) showed [Kc Kd] and won (400) with a pair of Kings\n"
        "Seat 3: Cal _x__ _y_ (big blind) showed [Qd Jh] and lost with high card Queen\n\n");
}

TEST(HandHistoryWriterTest, ThousandsOfSimulatedHandsAddUpAndCarryTheirStacksOver)
{
    for (int seats : { 6, 2 }) {
        SCOPED_TRACE(seats);
        HandSimulator simulator(/*stake=*/1, seats);
        RandomSource::shared().setSeed(1300 + seats);
        HandHistoryWriter writer;
        HistoryReader reader;
        writeAndRead(simulator, writer, reader);
        ASSERT_TRUE(simulator.play(seats == 6 ? 3000 : 1000));
        ASSERT_FALSE(testing::Test::HasFailure());
        EXPECT_EQ(int64_t(reader.hands.size()), simulator.handsPlayed);
        EXPECT_EQ(writer.handsDropped, 0);
        checkCarryOver(reader, simulator.buyIn);
        // The last hand's books agree with the table (busted seats were refilled).
        for (const auto& [name, chips] : reader.hands.back().end) {
            if (chips > 0) {
                EXPECT_EQ(simulator.table.player(reader.hands.back().seatOf.at(name)).chips, chips) << name;
            }
        }
    }
}

TEST(HandHistoryWriterTest, TournamentHandsAtTheFirstTableAddUp)
{
    RandomSource::shared().setSeed(77);
    TournamentSimulator simulator(12, /*stake=*/0);
    HandHistoryWriter writer;
    writer.tournament = 5;
    HistoryReader reader;
    writeAndRead(simulator, writer, reader);
    ASSERT_TRUE(simulator.run());
    ASSERT_FALSE(testing::Test::HasFailure());
    EXPECT_GT(reader.hands.size(), 20u);
    EXPECT_EQ(writer.handsDropped, 0);
    checkCarryOver(reader, 0);
}

TEST(HandHistoryWriterTest, NamesAreWrittenInASafeUtf8Form)
{
    auto safe = [](const std::u16string& name) {
        return HandHistoryWriter::safeName(name.data(), int32_t(name.size()));
    };
    EXPECT_EQ(safe(u"Zo\u00e9"), "Zo\xc3\xa9");
    EXPECT_EQ(safe(u"  [a]:b\n "), "_a__b_");
    EXPECT_EQ(safe(u"\U0001F0A1 \xD800"), "\xf0\x9f\x82\xa1 \xef\xbf\xbd"); // a pair, then a lone surrogate
    EXPECT_EQ(safe(u"   "), "Player");
}
