#include "util/DateTime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "app/Application.h"

namespace tarnbrook {
namespace {

// Central European time with its daylight-saving rules, spelled out so no zone files are needed:
// summer time from the last Sunday of March 02:00 to the last Sunday of October 03:00.
class DateTimeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
        tzset();
    }

    static DateTime Date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
    {
        DateTime value;
        value.SetDateTime(year, month, day, hour, minute, second);
        return value;
    }

    static std::string Stamp(const DateTime& value)
    {
        return value.FormatYMD() + " " + value.FormatHMS();
    }
};

// Easter by the Lilius-Clavius epact rule (Knuth's algorithm E), written independently of the
// rule in the code under test.
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
    int fullMoon = 44 - epact;
    if (fullMoon < 21) {
        fullMoon += 30;
    }
    const int day = fullMoon + 7 - (sunday + fullMoon) % 7;
    return day > 31 ? std::make_pair(4, day - 31) : std::make_pair(3, day);
}

TEST_F(DateTimeTest, SettersNormaliseThroughTheCalendar)
{
    EXPECT_EQ(Date(1970, 1, 1, 1, 0, 0).Seconds(), 0);
    const DateTime rolled = Date(2024, 2, 30, 25, 0, 0);
    EXPECT_EQ(Stamp(rolled), "2024-03-02 01:00:00");
    EXPECT_EQ(rolled.Weekday(), 6);
    EXPECT_FALSE(rolled.IsInvalid());

    DateTime raw;
    raw.SetFields(2024, 2, 30, 25, 0, 0);
    EXPECT_EQ(Stamp(raw), "2024-02-30 25:00:00");
    EXPECT_EQ(raw.Seconds(), 0);
    DateTime copy;
    copy.SetFrom(raw);
    EXPECT_EQ(Stamp(copy), "2024-03-02 01:00:00");
    EXPECT_EQ(Stamp(raw.DateOnly()), "2024-03-01 00:00:00");

    DateTime fromTm;
    fromTm.FromTm(rolled.ToTm(), rolled.Seconds());
    EXPECT_EQ(Stamp(fromTm), Stamp(rolled));
    EXPECT_EQ(fromTm.Weekday(), 6);
    EXPECT_EQ(rolled.ToTm().tm_year, 124);
    EXPECT_EQ(rolled.ToTm().tm_mon, 2);
}

TEST_F(DateTimeTest, SetNowTakesMillisecondsFromTheTickCounter)
{
    Application::tickCounter = 370;
    const long long before = std::time(nullptr);
    const DateTime now = DateTime::Now();
    const long long after = std::time(nullptr);
    EXPECT_EQ(now.Millisecond(), 370);
    EXPECT_GE(now.Seconds(), before);
    EXPECT_LE(now.Seconds(), after);
    EXPECT_EQ(Date(now.Year(), now.Month(), now.Day(), now.Hour(), now.Minute(), now.Second())
                  .Seconds(),
              now.Seconds());
}

TEST_F(DateTimeTest, ParsingBounds)
{
    DateTime value;
    EXPECT_TRUE(value.ParseDateDMY("31/12/2099"));
    EXPECT_EQ(Stamp(value), "2099-12-31 00:00:00");
    EXPECT_EQ(value.Weekday(), 4);

    for (const char* bad : {"01/01/1977", "01/01/2100", "1/1/2024", "01/01/20240", "31/02/2024",
                            "00/01/2024", "01/13/2024", "ab/01/2024", " 1/01/2024", ""}) {
        DateTime kept = Date(2001, 2, 3);
        EXPECT_FALSE(kept.ParseDateDMY(bad)) << bad;
        EXPECT_TRUE(kept.IsInvalid()) << bad;
        EXPECT_EQ(Stamp(kept), "2001-02-03 00:00:00") << bad;
        kept.ClearInvalid();
        EXPECT_FALSE(kept.IsInvalid());
    }

    EXPECT_TRUE(value.ParseDateDMY("01-01-1978"));
    EXPECT_EQ(value.FormatYMD(), "1978-01-01");
    EXPECT_TRUE(value.ParseDateMDY("02/29/2024"));
    EXPECT_EQ(value.FormatYMD(), "2024-02-29");
    EXPECT_FALSE(value.ParseDateMDY("02/29/2023"));
    EXPECT_FALSE(value.ParseDateMDY("29/02/2024"));
}

TEST_F(DateTimeTest, ParseTimeSetsTheTimeOfTheCurrentDay)
{
    DateTime value = Date(2024, 5, 10, 8, 0, 0);
    EXPECT_TRUE(value.ParseTime("13:45:30"));
    EXPECT_EQ(Stamp(value), "2024-05-10 13:45:30");
    EXPECT_TRUE(value.ParseTime("24:00:00"));
    EXPECT_EQ(Stamp(value), "2024-05-11 00:00:00");
    EXPECT_FALSE(value.ParseTime("1:02:03"));
    EXPECT_FALSE(value.ParseTime("ab:cd:ef"));
    EXPECT_TRUE(value.IsInvalid());
    EXPECT_EQ(Stamp(value), "2024-05-11 00:00:00");
}

TEST_F(DateTimeTest, FormatsAndNames)
{
    const DateTime value = Date(987, 3, 4, 5, 6, 7);
    EXPECT_EQ(value.FormatDMY(), "04/03/0987");
    EXPECT_EQ(value.FormatMDY(), "03/04/0987");
    EXPECT_EQ(value.FormatYMD(), "0987-03-04");
    EXPECT_EQ(value.FormatHMS(), "05:06:07");

    EXPECT_EQ(Date(2024, 9, 1).MonthNameIt(), "SETTEMBRE");
    EXPECT_EQ(Date(2024, 12, 1).MonthNameEn(), "DECEMBER");

    // 2024-09-01 was a Sunday; the week runs through the 7th.
    const char* const italian[] = {"Domenica",   "Luned\xEC",  "Marted\xEC", "Mercoled\xEC",
                                   "Gioved\xEC", "Venerd\xEC", "Sabato"};
    const char* const english[] = {"Sunday",   "Monday", "Tuesday ", "Wednesday",
                                   "Thursday", "Friday", "Saturday"};
    for (int i = 0; i < 7; ++i) {
        const DateTime day = Date(2024, 9, 1 + i);
        EXPECT_EQ(day.Weekday(), i);
        EXPECT_EQ(day.DayNameIt(), italian[i]);
        EXPECT_EQ(day.DayNameEn(), english[i]);
    }
    DateTime bad;
    bad.SetFields(2024, 13, 1, 0, 0, 0);
    EXPECT_EQ(bad.MonthNameEn(), "");
}

TEST_F(DateTimeTest, WeekdayMapCoversTheMonth)
{
    const DateTime value = Date(2024, 4, 17);  // a Wednesday in a 30-day month
    const std::string map = value.WeekdayMap();
    ASSERT_EQ(map.size(), 30u);
    EXPECT_EQ(map[16], '3');
    for (int day = 1; day <= 30; ++day) {
        EXPECT_EQ(map[day - 1], '0' + Date(2024, 4, day).Weekday()) << day;
    }
    EXPECT_EQ(Date(2024, 2, 1).WeekdayMap(), "45601234560123456012345601234");
}

TEST_F(DateTimeTest, AddMonthsClampsTheDay)
{
    EXPECT_EQ(Date(2024, 1, 31).AddMonths(1).FormatYMD(), "2024-02-29");
    EXPECT_EQ(Date(2023, 1, 31).AddMonths(1).FormatYMD(), "2023-02-28");
    EXPECT_EQ(Date(2024, 3, 31).AddMonths(1).FormatYMD(), "2024-04-30");
    EXPECT_EQ(Date(2024, 1, 15).AddMonths(-2).FormatYMD(), "2023-11-15");
    EXPECT_EQ(Date(2024, 1, 15).AddMonths(-13).FormatYMD(), "2022-12-15");
    EXPECT_EQ(Date(2024, 11, 30).AddMonths(14).FormatYMD(), "2026-01-30");
    EXPECT_EQ(Date(2024, 12, 1).AddMonths(-12).FormatYMD(), "2023-12-01");
    EXPECT_EQ(Stamp(Date(2024, 5, 31, 10, 20, 30).AddMonths(1)), "2024-06-30 10:20:30");

    EXPECT_EQ(Date(2024, 2, 29).AddYears(1).FormatYMD(), "2025-02-28");
    EXPECT_EQ(Date(2024, 2, 29).AddYears(-4).FormatYMD(), "2020-02-29");
}

TEST_F(DateTimeTest, DaysFollowTheCalendarAndHoursTheClock)
{
    // 27 October 2024 has 25 hours, 31 March 2024 has 23.
    EXPECT_EQ(Stamp(Date(2024, 10, 27).AddDays(1)), "2024-10-28 00:00:00");
    EXPECT_EQ(Stamp(Date(2024, 3, 30, 12, 0, 0).AddDays(2)), "2024-04-01 12:00:00");
    EXPECT_EQ(Stamp(Date(2024, 3, 1).AddDays(-1)), "2024-02-29 00:00:00");
    EXPECT_EQ(Stamp(Date(2024, 10, 27).AddHours(24)), "2024-10-27 23:00:00");
    EXPECT_EQ(Stamp(Date(2024, 3, 31, 1, 30, 0).AddMinutes(60)), "2024-03-31 03:30:00");
    EXPECT_EQ(Stamp(Date(2024, 12, 31, 23, 59, 59).AddSeconds(1)), "2025-01-01 00:00:00");

    DateTime value = Date(2024, 6, 1, 12, 0, 0).AddMilliseconds(900);
    EXPECT_EQ(value.Millisecond(), 900);
    value.AddMilliseconds(250);
    EXPECT_EQ(Stamp(value), "2024-06-01 12:00:01");
    EXPECT_EQ(value.Millisecond(), 150);
    value.AddMilliseconds(-300);
    EXPECT_EQ(Stamp(value), "2024-06-01 12:00:00");
    EXPECT_EQ(value.Millisecond(), 850);
    value.AddSeconds(5);
    EXPECT_EQ(value.Millisecond(), 0);
}

TEST_F(DateTimeTest, MonthLengthsAndLeapYears)
{
    const int lengths[][3] = {{2024, 2, 29}, {2023, 2, 28}, {1900, 2, 28}, {2000, 2, 29},
                              {2024, 3, 31}, {2024, 4, 30}, {2024, 12, 31}};
    for (const auto& length : lengths) {
        EXPECT_EQ(Date(length[0], length[1], 10).DaysInMonth(), length[2]) << length[0];
    }
    EXPECT_TRUE(Date(2000, 1, 1).IsLeapYear());
    EXPECT_FALSE(Date(2100, 1, 1).IsLeapYear());
}

TEST_F(DateTimeTest, DistancesAndComparisons)
{
    const DateTime before = Date(2024, 3, 30, 18, 0, 0);
    const DateTime after = Date(2024, 4, 1, 6, 0, 0);
    EXPECT_EQ(before.DaysUntil(after), 2);
    EXPECT_EQ(after.DaysUntil(before), -2);
    EXPECT_EQ(Date(2023, 12, 31).DaysUntil(Date(2024, 12, 31)), 366);
    EXPECT_EQ(before.SecondsUntil(after), 35 * 3600);
    DateTime later = after;
    later.AddMilliseconds(20);
    EXPECT_EQ(after.MillisecondsUntil(later), 20);
    EXPECT_EQ(later.MillisecondsUntil(after), -20);

    EXPECT_EQ(before.Compare(after), -1);
    EXPECT_EQ(after.Compare(before), 1);
    EXPECT_EQ(after.Compare(later), 0);  // milliseconds are not compared
    EXPECT_TRUE(before < after && before <= after && before != after && after == later);
    EXPECT_FALSE(before > after || before >= after || before == after);
}

TEST_F(DateTimeTest, AnInvalidValueStaysPutAndEqualsAnything)
{
    DateTime invalid = Date(2024, 7, 1, 9, 0, 0);
    EXPECT_FALSE(invalid.ParseDateDMY("bad"));
    const DateTime other = Date(2030, 1, 1);
    EXPECT_EQ(Stamp(invalid.AddDays(3).AddHours(2).AddMonths(1).AddMilliseconds(5000)),
              "2024-07-01 09:00:00");
    EXPECT_EQ(invalid.DaysUntil(other), 0);
    EXPECT_EQ(invalid.SecondsUntil(other), 0);
    EXPECT_EQ(invalid.MillisecondsUntil(other), 0);
    EXPECT_EQ(invalid.Compare(other), 0);
    EXPECT_TRUE(invalid == other && invalid <= other && invalid >= other);
    EXPECT_FALSE(invalid < other || invalid > other || invalid != other || other == invalid);

    DateTime huge = Date(2024, 1, 1);
    huge.AddYears(2147483000);
    EXPECT_TRUE(huge.IsInvalid());
    DateTime far = Date(2024, 1, 1);
    far.AddSeconds(9223372036854775000LL);
    EXPECT_TRUE(far.IsInvalid());
}

TEST_F(DateTimeTest, EasterMatchesKnownDates)
{
    const struct {
        int year, month, day;
    } known[] = {{1818, 3, 22}, {1943, 4, 25}, {1954, 4, 18}, {1981, 4, 19}, {2000, 4, 23},
                 {2019, 4, 21}, {2024, 3, 31}, {2025, 4, 20}, {2038, 4, 25}, {2049, 4, 18},
                 {2076, 4, 19}, {2285, 3, 22}, {1400, 4, 20}, {2600, 3, 23}, {3000, 4, 13}};
    for (const auto& date : known) {
        const DateTime easter = DateTime::Easter(date.year);
        EXPECT_EQ(Stamp(easter), Date(date.year, date.month, date.day).FormatYMD() + " 00:00:00")
            << date.year;
        EXPECT_EQ(easter.Weekday(), 0) << date.year;
    }
}

TEST_F(DateTimeTest, EasterAgreesWithTheEpactRuleOverCenturies)
{
    for (int year = 1583; year <= 4200; ++year) {
        const DateTime easter = DateTime::Easter(year);
        const std::pair<int, int> expected = EasterByEpact(year);
        ASSERT_EQ(easter.Month(), expected.first) << year;
        ASSERT_EQ(easter.Day(), expected.second) << year;
    }
}

TEST_F(DateTimeTest, ItalianHolidays)
{
    for (const DateTime& day : {Date(2024, 1, 1), Date(2024, 1, 6), Date(2024, 3, 31),
                                Date(2024, 4, 1, 15, 0, 0), Date(2024, 4, 25), Date(2024, 5, 1),
                                Date(2024, 6, 2), Date(2024, 8, 15), Date(2024, 11, 1),
                                Date(2024, 12, 8), Date(2024, 12, 25), Date(2024, 12, 26),
                                Date(2025, 4, 20), Date(2025, 4, 21)}) {
        EXPECT_TRUE(day.IsHoliday()) << day.FormatYMD();
    }
    for (const DateTime& day : {Date(2024, 3, 30), Date(2024, 4, 2), Date(2024, 1, 2),
                                Date(2024, 12, 27), Date(2025, 3, 31), Date(2024, 6, 3)}) {
        EXPECT_FALSE(day.IsHoliday()) << day.FormatYMD();
    }
}

}  // namespace
}  // namespace tarnbrook
