#include "util/DateTime.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <ctime>

#include "app/Application.h"

namespace tarnbrook {
namespace {

// Central European time with its daylight-saving rules spelled out, so no zone files are needed:
// summer time from the last Sunday of March 02:00 to the last Sunday of October 03:00.
class DateTimeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
        tzset();
    }
};

DateTime Date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return DateTime().SetDateTime(year, month, day, hour, minute, second);
}

std::string Stamp(const DateTime& value)
{
    return value.FormatYMD() + " " + value.FormatHMS();
}

// Easter by the Lilius-Clavius epact rule (Knuth's algorithm E), independent of the code's rule.
std::pair<int, int> EasterByEpact(int year)
{
    const int golden = year % 19 + 1;
    const int century = year / 100 + 1;
    const int skipped = 3 * century / 4 - 12;
    const int moon = (8 * century + 5) / 25 - 5;
    const int sunday = 5 * year / 4 - skipped - 10;
    int epact = (11 * golden + 20 + moon - skipped) % 30;
    if ((epact == 25 && golden > 11) || epact == 24) {
        ++epact;
    }
    const int fullMoon = 44 - epact < 21 ? 74 - epact : 44 - epact;
    const int day = fullMoon + 7 - (sunday + fullMoon) % 7;
    return day > 31 ? std::make_pair(4, day - 31) : std::make_pair(3, day);
}

TEST_F(DateTimeTest, SettersNormaliseThroughTheCalendarAndNowTakesTheTickCounter)
{
    EXPECT_EQ(Date(1970, 1, 1, 1, 0, 0).Seconds(), 0);
    const DateTime rolled = Date(2024, 2, 30, 25, 0, 0);
    EXPECT_EQ(Stamp(rolled), "2024-03-02 01:00:00");
    EXPECT_EQ(rolled.Weekday(), 6);
    DateTime raw;
    raw.SetFields(2024, 2, 30, 25, 0, 0);
    EXPECT_EQ(Stamp(raw), "2024-02-30 25:00:00");
    EXPECT_EQ(raw.Seconds() + raw.Millisecond(), 0);  // left as given until normalised
    EXPECT_EQ(Stamp(DateTime().SetFrom(raw)), "2024-03-02 01:00:00");
    EXPECT_EQ(Stamp(raw.DateOnly()), "2024-03-01 00:00:00");
    EXPECT_EQ(Stamp(DateTime().FromTm(rolled.ToTm(), rolled.Seconds())), Stamp(rolled));

    Application::tickCounter = 370;
    const long long before = std::time(nullptr);
    const DateTime now = DateTime::Now();
    EXPECT_EQ(now.Millisecond(), 370);
    EXPECT_TRUE(now.Seconds() >= before && now.Seconds() <= std::time(nullptr));
}

TEST_F(DateTimeTest, ParsingBoundsFormatsNamesAndWeekdayMap)
{
    DateTime value;
    EXPECT_TRUE(value.ParseDateDMY("31/12/2099"));
    EXPECT_EQ(Stamp(value), "2099-12-31 00:00:00");
    for (const char* bad : {"01/01/1977", "01/01/2100", "1/1/2024", "01/01/20240", "31/02/2024",
                            "00/01/2024", "01/13/2024", "ab/01/2024", " 1/01/2024", ""}) {
        DateTime kept = Date(2001, 2, 3);
        EXPECT_FALSE(kept.ParseDateDMY(bad)) << bad;
        EXPECT_TRUE(kept.IsInvalid()) << bad;
        EXPECT_EQ(Stamp(kept), "2001-02-03 00:00:00") << bad;
    }
    EXPECT_TRUE(value.ParseDateDMY("01-01-1978"));
    EXPECT_EQ(value.FormatYMD(), "1978-01-01");
    EXPECT_TRUE(value.ParseDateMDY("02/29/2024"));
    EXPECT_EQ(value.FormatYMD(), "2024-02-29");
    EXPECT_FALSE(value.ParseDateMDY("02/29/2023"));
    EXPECT_FALSE(value.ParseDateMDY("29/02/2024"));

    value = Date(2024, 5, 10, 8, 0, 0);
    EXPECT_TRUE(value.ParseTime("13:45:30"));
    EXPECT_EQ(Stamp(value), "2024-05-10 13:45:30");
    EXPECT_TRUE(value.ParseTime("24:00:00"));
    EXPECT_EQ(Stamp(value), "2024-05-11 00:00:00");
    EXPECT_FALSE(value.ParseTime("1:02:03"));
    EXPECT_FALSE(value.ParseTime("ab:cd:ef"));
    EXPECT_EQ(Stamp(value), "2024-05-11 00:00:00");

    value = Date(987, 3, 4, 5, 6, 7);
    EXPECT_EQ(value.FormatDMY() + " " + value.FormatMDY() + " " + Stamp(value),
              "04/03/0987 03/04/0987 0987-03-04 05:06:07");
    EXPECT_EQ(Date(2024, 1, 1).MonthNameIt() + Date(2024, 12, 1).MonthNameEn(), "GENNAIODECEMBER");
    EXPECT_EQ(Date(2024, 9, 1).DayNameIt() + Date(2024, 9, 2).DayNameIt(), "DomenicaLuned\xEC");
    EXPECT_EQ(Date(2024, 9, 3).DayNameEn() + Date(2024, 9, 7).DayNameEn(), "Tuesday Saturday");
    DateTime bad;
    bad.SetFields(2024, 13, 1, 0, 0, 0);
    EXPECT_EQ(bad.MonthNameEn(), "");

    EXPECT_EQ(Date(2024, 4, 17).WeekdayMap(), "123456012345601234560123456012");
    EXPECT_EQ(Date(2024, 2, 1).WeekdayMap(), "45601234560123456012345601234");
}

TEST_F(DateTimeTest, MonthsClampTheDayDaysFollowTheCalendarAndHoursTheClock)
{
    EXPECT_EQ(Date(2024, 1, 31).AddMonths(1).FormatYMD(), "2024-02-29");
    EXPECT_EQ(Date(2023, 1, 31).AddMonths(1).FormatYMD(), "2023-02-28");
    EXPECT_EQ(Date(2024, 3, 31).AddMonths(1).FormatYMD(), "2024-04-30");
    EXPECT_EQ(Date(2024, 1, 15).AddMonths(-13).FormatYMD(), "2022-12-15");
    EXPECT_EQ(Date(2024, 11, 30).AddMonths(14).FormatYMD(), "2026-01-30");
    EXPECT_EQ(Date(2024, 12, 1).AddMonths(-12).FormatYMD(), "2023-12-01");
    EXPECT_EQ(Stamp(Date(2024, 5, 31, 10, 20, 30).AddMonths(1)), "2024-06-30 10:20:30");
    EXPECT_EQ(Date(2024, 2, 29).AddYears(1).FormatYMD(), "2025-02-28");
    EXPECT_EQ(Date(2024, 2, 29).AddYears(-4).FormatYMD(), "2020-02-29");

    // 27 October 2024 has 25 hours, 31 March 2024 has 23.
    EXPECT_EQ(Stamp(Date(2024, 10, 27).AddDays(1)), "2024-10-28 00:00:00");
    EXPECT_EQ(Stamp(Date(2024, 3, 30, 12, 0, 0).AddDays(2)), "2024-04-01 12:00:00");
    EXPECT_EQ(Stamp(Date(2024, 3, 1).AddDays(-1)), "2024-02-29 00:00:00");
    EXPECT_EQ(Stamp(Date(2024, 10, 27).AddHours(24)), "2024-10-27 23:00:00");
    EXPECT_EQ(Stamp(Date(2024, 3, 31, 1, 30, 0).AddMinutes(60)), "2024-03-31 03:30:00");
    EXPECT_EQ(Stamp(Date(2024, 12, 31, 23, 59, 59).AddSeconds(1)), "2025-01-01 00:00:00");

    DateTime value = Date(2024, 6, 1, 12, 0, 0).AddMilliseconds(1150);
    EXPECT_EQ(Stamp(value), "2024-06-01 12:00:01");
    EXPECT_EQ(value.Millisecond(), 150);
    value.AddMilliseconds(-300);
    EXPECT_EQ(Stamp(value), "2024-06-01 12:00:00");
    EXPECT_EQ(value.Millisecond(), 850);
    EXPECT_EQ(value.AddMinutes(1).Millisecond(), 0);

    std::string lengths;
    for (int month = 1; month <= 12; ++month) {
        lengths += std::to_string(Date(2023, month, 1).DaysInMonth());
    }
    EXPECT_EQ(lengths, "312831303130313130313031");
    EXPECT_EQ(Date(2024, 2, 10).DaysInMonth(), 29);
    EXPECT_EQ(Date(1900, 2, 10).DaysInMonth(), 28);
    EXPECT_EQ(Date(2000, 2, 10).DaysInMonth(), 29);
    EXPECT_FALSE(Date(2100, 1, 1).IsLeapYear());
}

TEST_F(DateTimeTest, DistancesComparisonsAndAnInvalidValueThatStaysPutAndEqualsAnything)
{
    const DateTime before = Date(2024, 3, 30, 18, 0, 0);
    const DateTime after = Date(2024, 4, 1, 6, 0, 0);
    EXPECT_EQ(before.DaysUntil(after), 2);
    EXPECT_EQ(after.DaysUntil(before), -2);
    EXPECT_EQ(before.SecondsUntil(after), 35 * 3600);
    EXPECT_EQ(Date(2024, 6, 30).DaysUntil(Date(2024, 7, 1)), 1);
    DateTime later = after;
    later.AddMilliseconds(20);
    EXPECT_EQ(later.MillisecondsUntil(after), -20);
    EXPECT_EQ(before.MillisecondsUntil(later), 35 * 3600 * 1000 + 20);
    EXPECT_EQ(after.Compare(later), 0);  // milliseconds are not compared
    EXPECT_TRUE(before < after && before <= after && before != after && after == later);
    EXPECT_TRUE(after > before && after >= before && after <= later && after >= later);
    EXPECT_FALSE(before > after || before >= after || before == after);

    DateTime invalid = Date(2024, 7, 1, 9, 0, 0);
    EXPECT_FALSE(invalid.ParseDateDMY("bad"));
    const DateTime other = Date(2030, 1, 1);
    EXPECT_EQ(Stamp(invalid.AddDays(3).AddHours(2).AddMonths(1).AddMilliseconds(5000)),
              "2024-07-01 09:00:00");
    EXPECT_EQ(
        invalid.DaysUntil(other) + invalid.SecondsUntil(other) + invalid.MillisecondsUntil(other),
        0);
    EXPECT_TRUE(invalid == other && invalid <= other && invalid >= other);
    EXPECT_FALSE(invalid < other || invalid > other || invalid != other || other == invalid);
    invalid.ClearInvalid();
    EXPECT_FALSE(invalid == other);

    EXPECT_TRUE(Date(2024, 1, 1).AddYears(2147483000).IsInvalid());
    EXPECT_TRUE(Date(2024, 1, 1).AddSeconds(9223372036854775000LL).IsInvalid());
    EXPECT_TRUE(Date(2024, 1, 2).AddDays(INT_MAX).IsInvalid());
    EXPECT_FALSE(Date(2024, 1, 1).AddYears(2147481000).IsInvalid());
}

TEST_F(DateTimeTest, EasterAgreesWithKnownDatesAndTheEpactRuleAndItsMondayIsAHoliday)
{
    const struct {
        int year, month, day;
    } known[] = {{1818, 3, 22}, {1943, 4, 25}, {2024, 3, 31}, {1400, 4, 20}, {3000, 4, 13}};
    for (const auto& date : known) {
        const DateTime easter = DateTime::Easter(date.year);
        EXPECT_EQ(Stamp(easter), Stamp(Date(date.year, date.month, date.day))) << date.year;
        EXPECT_EQ(easter.Weekday(), 0) << date.year;
    }
    for (int year = 1583; year <= 4200; ++year) {
        const DateTime easter = DateTime::Easter(year);
        ASSERT_EQ(std::make_pair(easter.Month(), easter.Day()), EasterByEpact(year)) << year;
    }
    // The dates repeat after 5,700,000 years.
    EXPECT_EQ(DateTime::Easter(5702024).Day(), 31);

    for (const DateTime& day :
         {Date(2024, 1, 1), Date(2024, 1, 6), Date(2024, 3, 31), Date(2024, 4, 1, 15, 0, 0),
          Date(2024, 4, 25), Date(2024, 11, 1), Date(2024, 12, 26)}) {
        EXPECT_TRUE(day.IsHoliday()) << day.FormatYMD();
    }
    for (const DateTime& day : {Date(2024, 3, 30), Date(2024, 4, 2), Date(2025, 3, 31)}) {
        EXPECT_FALSE(day.IsHoliday()) << day.FormatYMD();
    }
}

}  // namespace
}  // namespace tarnbrook
