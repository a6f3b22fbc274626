#include "poker/EasternTime.h"

#include "poker/RandomSource.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <sys/stat.h>

namespace {

std::string text(const EasternTime::Civil& t)
{
    char out[40];
    std::snprintf(out, sizeof out, "%04d-%02d-%02d %02d:%02d:%02d %s", t.year, t.month, t.day, t.hour,
        t.minute, t.second, t.daylight ? "EDT" : "EST");
    return out;
}

std::string at(int64_t utcSeconds)
{
    return text(EasternTime::fromUtcMillis(utcSeconds * 1000));
}

} // namespace

TEST(EasternTimeTest, SwitchesAtTwoInTheMorningLocal)
{
    EXPECT_EQ(at(0), "1969-12-31 19:00:00 EST");
    EXPECT_EQ(at(1710053999), "2024-03-10 01:59:59 EST"); // second Sunday of March
    EXPECT_EQ(at(1710054000), "2024-03-10 03:00:00 EDT");
    EXPECT_EQ(at(1730613599), "2024-11-03 01:59:59 EDT"); // first Sunday of November
    EXPECT_EQ(at(1730613600), "2024-11-03 01:00:00 EST");
    EXPECT_EQ(at(1143961200), "2006-04-02 03:00:00 EDT"); // the rule before 2007
    EXPECT_EQ(at(1162101599), "2006-10-29 01:59:59 EDT");
    EXPECT_EQ(at(1162101600), "2006-10-29 01:00:00 EST");
    EXPECT_EQ(at(951800400), "2000-02-29 00:00:00 EST");
    EXPECT_EQ(text(EasternTime::fromUtcMillis(-1)), "1969-12-31 18:59:59 EST");
}

// The machine's time-zone database, where it has one, must agree over the years a
// player may meet.
TEST(EasternTimeTest, AgreesWithTheSystemZoneDatabase)
{
    struct stat info;
    if (stat("/usr/share/zoneinfo/America/New_York", &info) != 0)
        GTEST_SKIP() << "no America/New_York zone on this machine";
    const char* old = std::getenv("TZ");
    std::string saved = old ? old : "";
    setenv("TZ", "America/New_York", 1);
    tzset();
    RandomSource random(5);
    for (int i = 0; i < 20000; ++i) {
        // 2007-01-01 to 2037-12-31, in steps that also hit whole hours.
        int64_t seconds = 1167609600 + int64_t(random.nextInt(1 << 30)) * (i % 2 ? 1 : 3600) % 977616000;
        time_t when = time_t(seconds);
        struct tm local;
        localtime_r(&when, &local);
        char expected[40];
        std::strftime(expected, sizeof expected, "%Y-%m-%d %H:%M:%S", &local);
        ASSERT_EQ(at(seconds), std::string(expected) + (local.tm_isdst > 0 ? " EDT" : " EST")) << seconds;
    }
    if (old)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}
