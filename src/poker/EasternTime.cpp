#include "poker/EasternTime.h"

namespace {

constexpr int64_t SECONDS_PER_DAY = 86400;
constexpr int64_t STANDARD_OFFSET = -5 * 3600;
constexpr int64_t DAYLIGHT_OFFSET = -4 * 3600;

int64_t floorDivide(int64_t a, int64_t b)
{
    int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// 0 = Sunday; 1970-01-01 was a Thursday.
int weekday(int64_t days)
{
    return int(((days % 7) + 7 + 4) % 7);
}

// Days since 1970 of the n-th Sunday (n >= 1) of a month, or of the last one (n = 0).
int64_t sunday(int year, int month, int n)
{
    if (n == 0) {
        int nextYear = month == 12 ? year + 1 : year;
        int nextMonth = month == 12 ? 1 : month + 1;
        int64_t last = EasternTime::daysFromCivil(nextYear, nextMonth, 1) - 1;
        return last - weekday(last);
    }
    int64_t first = EasternTime::daysFromCivil(year, month, 1);
    return first + (7 - weekday(first)) % 7 + 7 * (n - 1);
}

} // namespace

// Howard Hinnant's days_from_civil: eras of 400 years (146097 days) starting in March.
int64_t EasternTime::daysFromCivil(int year, int month, int day)
{
    int64_t y = int64_t(year) - (month <= 2 ? 1 : 0);
    int64_t era = floorDivide(y, 400);
    int64_t yearOfEra = y - era * 400;
    int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468; // 719468 days from 0000-03-01 to 1970-01-01
}

void EasternTime::civilFromDays(int64_t days, int& year, int& month, int& day)
{
    int64_t z = days + 719468;
    int64_t era = floorDivide(z, 146097);
    int64_t dayOfEra = z - era * 146097;
    int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    int64_t mp = (5 * dayOfYear + 2) / 153;
    day = int(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = int(mp < 10 ? mp + 3 : mp - 9);
    year = int(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

bool EasternTime::isDaylight(int64_t utcSeconds)
{
    // The year as seen in New York; the switches are far from New Year either way.
    int year, month, day;
    civilFromDays(floorDivide(utcSeconds + STANDARD_OFFSET, SECONDS_PER_DAY), year, month, day);
    int64_t start, end;
    if (year >= 2007) {
        start = sunday(year, 3, 2) * SECONDS_PER_DAY + 7 * 3600;
        end = sunday(year, 11, 1) * SECONDS_PER_DAY + 6 * 3600;
    } else {
        start = sunday(year, 4, 1) * SECONDS_PER_DAY + 7 * 3600;
        end = sunday(year, 10, 0) * SECONDS_PER_DAY + 6 * 3600;
    }
    return utcSeconds >= start && utcSeconds < end;
}

EasternTime::Civil EasternTime::fromUtcMillis(int64_t utcMillis)
{
    int64_t utcSeconds = floorDivide(utcMillis, 1000);
    Civil civil;
    civil.daylight = isDaylight(utcSeconds);
    int64_t local = utcSeconds + (civil.daylight ? DAYLIGHT_OFFSET : STANDARD_OFFSET);
    int64_t days = floorDivide(local, SECONDS_PER_DAY);
    int64_t secondOfDay = local - days * SECONDS_PER_DAY;
    civilFromDays(days, civil.year, civil.month, civil.day);
    civil.hour = int(secondOfDay / 3600);
    civil.minute = int(secondOfDay / 60 % 60);
    civil.second = int(secondOfDay % 60);
    return civil;
}
