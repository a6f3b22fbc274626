#pragma once

#include <cstdint>

// US Eastern wall-clock time, the zone hand-history trackers read whatever the
// player's own zone is. The daylight-saving rule is computed here instead of read from
// a time-zone database, so the engine needs nothing from the host: since 2007 summer
// time runs from the second Sunday of March, 2:00 EST (07:00 UTC), to the first Sunday
// of November, 2:00 EDT (06:00 UTC); from 1987 to 2006 from the first Sunday of April
// to the last Sunday of October. Earlier years use the 1987 rule.
class EasternTime {
public:
    struct Civil {
        int year = 1970;
        int month = 1; // 1..12
        int day = 1;   // 1..31
        int hour = 0;
        int minute = 0;
        int second = 0;
        bool daylight = false; // EDT (UTC-4) rather than EST (UTC-5)
    };

    // utcMillis: milliseconds since 1970-01-01 00:00 UTC, negative before.
    static Civil fromUtcMillis(int64_t utcMillis);
    static bool isDaylight(int64_t utcSeconds);

    // Proleptic Gregorian calendar: days since 1970-01-01 and back.
    static int64_t daysFromCivil(int year, int month, int day);
    static void civilFromDays(int64_t days, int& year, int& month, int& day);
};
