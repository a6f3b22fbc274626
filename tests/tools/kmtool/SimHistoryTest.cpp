// kmtool sim hands / sim tournament --history FILE: hands appended run after run,
// numbered on without repeats.
#include "core/io/TempDirectory.h"

#include "ToolRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <sys/wait.h>



TEST(SimHistoryTest, RunsAppendToOneFileWithoutRepeatingANumber)
{
    TempDirectory dir;
    std::string file = dir.file("history.txt");
    ToolRun cash = kmtool("sim hands --count 40 --seed 3 --history " + file);
    EXPECT_EQ(cash.status, 0);
    EXPECT_NE(cash.out.find("\"history_hands\":40}"), std::string::npos) << cash.out;
    ToolRun tournament = kmtool("sim tournament --entrants 12 --seed 1 --history " + file);
    EXPECT_EQ(tournament.status, 0);
    EXPECT_NE(tournament.out.find("\"history_hands\":"), std::string::npos) << tournament.out;
    EXPECT_EQ(kmtool("sim hands --count 40 --seed 4 --history " + file).status, 0);

    std::ifstream in(file);
    std::string line, previous = "";
    std::set<std::string> numbers;
    int tournamentHands = 0;
    bool first = true;
    while (std::getline(in, line)) {
        if (line.rfind("PokerStars Hand #", 0) == 0) {
            EXPECT_TRUE(first || previous.empty()) << "no blank line before " << line;
            EXPECT_TRUE(numbers.insert(line.substr(0, line.find(':'))).second) << line;
            bool tournament = line.find(": Tournament #1, 0+0 Hold'em No Limit - Level ") < line.size();
            tournamentHands += tournament ? 1 : 0;
        }
        first = false;
        previous = line;
    }
    EXPECT_GT(tournamentHands, 10);
    EXPECT_EQ(int(numbers.size()), 80 + tournamentHands);
    EXPECT_EQ(numbers.count("PokerStars Hand #" + std::to_string(numbers.size())), 1u);

    EXPECT_EQ(kmtool("sim hands --count 1 --seed 1 --history " + dir.file("no/such/dir")).status, 2);
}
