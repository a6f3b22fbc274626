#include "host/posix/HandHistoryFile.h"

#include "ScopedEnv.h"
#include "core/io/TempDirectory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

// 2024-03-10 04:30 UTC: still the 9th in New York.
constexpr int64_t LATE_EVENING = 1710045000000;

std::string contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void put(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::string hand(int n)
{
    return "PokerStars Hand #" + std::to_string(n) + ":  Hold'em No Limit (5/10) - 2024/03/09 23:30:00 ET\n"
           "A\n\n";
}

} // namespace

TEST(HandHistoryFileTest, NumbersHandsAndAppendsThemToTheLocalDaysFile)
{
    ScopedEnv zone("TZ", "America/New_York"); // the machine's zone
    TempDirectory dir;
    HandHistoryFile files(dir.path);
    EXPECT_EQ(HandHistoryFile::fileNameFor(LATE_EVENING), "kestrelmoore-2024-03-09.txt");
    EXPECT_EQ(files.nextHandNumber(), 1);
    EXPECT_EQ(files.nextHandNumber(), 2);
    ASSERT_TRUE(files.append(hand(1), LATE_EVENING)) << files.error;
    ASSERT_TRUE(files.append(hand(2), LATE_EVENING)) << files.error;
    std::string day = files.folder() + "/kestrelmoore-2024-03-09.txt";
    EXPECT_EQ(contents(day), hand(1) + hand(2));

    // The counter survives the object; without it the files tell where to go on.
    EXPECT_EQ(HandHistoryFile(dir.path).nextHandNumber(), 3);
    put(files.folder() + "/" + HandHistoryFile::COUNTER, "garbage");
    EXPECT_EQ(files.nextHandNumber(), 3);
    std::remove((files.folder() + "/" + HandHistoryFile::COUNTER).c_str());
    EXPECT_EQ(files.nextHandNumber(), 3);
    EXPECT_EQ(files.nextHandNumber(), 4);
}

TEST(HandHistoryFileTest, ATornLastHandIsCutBeforeTheNextOne)
{
    TempDirectory dir;
    std::string path = dir.file("day.txt");
    std::string error;
    put(path, hand(1) + "PokerStars Hand #2: half of it\nSeat 1");
    ASSERT_TRUE(HandHistoryFile::appendWhole(path, hand(3), error)) << error;
    EXPECT_EQ(contents(path), hand(1) + hand(3));

    // Only a torn hand in the file: nothing of it stays.
    put(path, "PokerStars Hand #2: half");
    ASSERT_TRUE(HandHistoryFile::appendWhole(path, hand(3), error)) << error;
    EXPECT_EQ(contents(path), hand(3));

    // No hand end within reach: what is there stays, the new hand starts after a gap.
    std::string noEnd(100000, 'x');
    put(path, noEnd);
    ASSERT_TRUE(HandHistoryFile::appendWhole(path, hand(4), error)) << error;
    EXPECT_EQ(contents(path), noEnd + "\n\n" + hand(4));
}

TEST(HandHistoryFileTest, AMissingDataDirectoryFailsCleanly)
{
    TempDirectory dir;
    HandHistoryFile files(dir.file("not-there"));
    EXPECT_EQ(files.nextHandNumber(), -1);
    EXPECT_NE(files.error.find("not-there"), std::string::npos) << files.error;
    EXPECT_FALSE(files.append(hand(1), LATE_EVENING));
    EXPECT_FALSE(dir.exists("not-there"));
}
