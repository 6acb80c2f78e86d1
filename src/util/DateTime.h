#pragma once

#include <ctime>
#include <string>

namespace tarnbrook {

// A local date and time: broken-down fields kept in agreement with seconds since the epoch
// through the C library (mktime, localtime). A plain value, copied freely.
//
// Normalising hands the fields to mktime (letting it decide on daylight-saving time) and refills
// them, weekday included, from the result; it marks the value invalid when mktime cannot
// represent it, leaving the fields as they were.
class DateTime {
public:
    // Every field 0, valid; call one of the setters before use.
    DateTime() = default;
    static DateTime Now();

    // Setters clear the invalid mark first.
    // The system clock, with milliseconds from the event loop's tick counter; not normalised.
    DateTime& SetNow();
    // Fields from a C tm, millisecond 0, the given seconds; not normalised.
    DateTime& FromTm(const std::tm& value, long long seconds);
    std::tm ToTm() const;
    DateTime& SetDate(int year, int month, int day);
    DateTime& SetDateTime(int year, int month, int day, int hour, int minute, int second);
    // Stores the six fields as they are: weekday 0, seconds 0, no normalisation.
    DateTime& SetFields(int year, int month, int day, int hour, int minute, int second);
    // Keeps the date, sets the time to 00:00:00.
    DateTime& DateOnly();
    // Copies the other value and normalises the copy.
    DateTime& SetFrom(const DateTime& other);

    int Year() const { return year_; }
    int Month() const { return month_; }
    int Weekday() const { return weekday_; }  // 0 = Sunday
    int Day() const { return day_; }
    int Hour() const { return hour_; }
    int Minute() const { return minute_; }
    int Second() const { return second_; }
    int Millisecond() const { return millisecond_; }
    long long Seconds() const { return seconds_; }  // since the epoch
    bool IsInvalid() const { return invalid_; }
    void ClearInvalid() { invalid_ = false; }

    // "MM/DD/YYYY" and "DD/MM/YYYY" (any separator characters): digits only, a real calendar
    // date, year 1978..2099; the time becomes 00:00:00. "HH:MM:SS" sets the time of day, rolling
    // over as mktime does. On failure the value is marked invalid and otherwise left alone.
    bool ParseDateMDY(const std::string& text);
    bool ParseDateDMY(const std::string& text);
    bool ParseTime(const std::string& text);

    std::string FormatDMY() const;    // DD/MM/YYYY
    std::string FormatMDY() const;    // MM/DD/YYYY
    std::string FormatYMD() const;    // YYYY-MM-DD
    std::string FormatHMS() const;    // HH:MM:SS
    std::string MonthNameIt() const;  // upper case, e.g. "GENNAIO"; empty for a bad month
    std::string MonthNameEn() const;  // upper case, e.g. "JANUARY"
    std::string DayNameIt() const;    // Latin-1, e.g. "Luned\xEC"; empty for a bad weekday
    std::string DayNameEn() const;    // e.g. "Sunday"; Tuesday is "Tuesday " with a blank
    // One digit per day of the month: the weekday (0..6) of day i+1 at position i, counted
    // from the stored day and weekday. Empty when the stored day lies outside the month.
    std::string WeekdayMap() const;

    // The Add operations leave an invalid value as it is and return this value.
    // Years and months keep the day of month, clamped to the length of the month reached.
    DateTime& AddYears(int n);
    DateTime& AddMonths(int n);
    // Calendar days: the same wall-clock time n days later, also across daylight-saving changes.
    DateTime& AddDays(int n);
    // Elapsed time; millisecond becomes 0.
    DateTime& AddHours(long long n);
    DateTime& AddMinutes(long long n);
    DateTime& AddSeconds(long long n);
    // Carries whole seconds; millisecond stays within 0..999.
    DateTime& AddMilliseconds(long long n);

    int DaysInMonth() const;
    bool IsLeapYear() const;
    // Calendar days from this date to the other's (times of day ignored); 0 if this is invalid.
    long long DaysUntil(const DateTime& other) const;
    long long SecondsUntil(const DateTime& other) const;
    long long MillisecondsUntil(const DateTime& other) const;
    // -1, 0 or 1 by seconds; 0 if this value is invalid.
    int Compare(const DateTime& other) const;

    // By seconds. An invalid left operand counts as equal to anything.
    bool operator<(const DateTime& other) const;
    bool operator<=(const DateTime& other) const;
    bool operator>(const DateTime& other) const;
    bool operator>=(const DateTime& other) const;
    bool operator==(const DateTime& other) const;
    bool operator!=(const DateTime& other) const;

    // Easter Sunday (Gregorian) of the year at 00:00:00.
    static DateTime Easter(int year);
    // Italian public holidays, Easter Sunday and Monday included.
    bool IsHoliday() const;

private:
    void Normalise();
    // Fields from localtime of the given seconds; marks the value invalid when that fails.
    bool Refill(long long seconds);
    void AssignFields(const std::tm& value, long long seconds);
    DateTime& ShiftSeconds(long long count, long long unit);
    DateTime& ShiftMonths(long long years, long long months);
    bool ParseDate(const std::string& text, int dayAt, int monthAt);
    bool Fail();

    int year_ = 0;
    int month_ = 0;
    int weekday_ = 0;
    int day_ = 0;
    int hour_ = 0;
    int minute_ = 0;
    int second_ = 0;
    int millisecond_ = 0;
    long long seconds_ = 0;
    bool invalid_ = false;
};

}  // namespace tarnbrook
