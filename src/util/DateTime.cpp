#include "util/DateTime.h"

#include <climits>

#include "app/Application.h"
#include "util/StringUtils.h"

namespace tarnbrook {

namespace {

// Gregorian Easter dates repeat after this many years.
const long long kEasterCycle = 5700000;

const char* const kMonthNamesIt[] = {"GENNAIO",   "FEBBRAIO", "MARZO",    "APRILE",
                                     "MAGGIO",    "GIUGNO",   "LUGLIO",   "AGOSTO",
                                     "SETTEMBRE", "OTTOBRE",  "NOVEMBRE", "DICEMBRE"};
const char* const kMonthNamesEn[] = {"JANUARY",   "FEBRUARY", "MARCH",    "APRIL",
                                     "MAY",       "JUNE",     "JULY",     "AUGUST",
                                     "SEPTEMBER", "OCTOBER",  "NOVEMBER", "DECEMBER"};
const char* const kDayNamesIt[] = {"Domenica",   "Luned\xEC",  "Marted\xEC", "Mercoled\xEC",
                                   "Gioved\xEC", "Venerd\xEC", "Sabato"};
const char* const kDayNamesEn[] = {"Sunday",   "Monday", "Tuesday ", "Wednesday",
                                   "Thursday", "Friday", "Saturday"};

struct MonthDay {
    int month;
    int day;
};

const MonthDay kFixedHolidays[] = {{1, 1},  {1, 6},  {4, 25}, {5, 1},   {6, 2},
                                   {8, 15}, {11, 1}, {12, 8}, {12, 25}, {12, 26}};

long long FloorDiv(long long value, long long divisor)
{
    const long long quotient = value / divisor;
    return (value % divisor < 0) ? quotient - 1 : quotient;
}

long long FloorMod(long long value, long long divisor)
{
    return value - FloorDiv(value, divisor) * divisor;
}

bool IsLeap(long long year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Length of a month; a month outside 1..12 counts on into the neighbouring years.
int MonthLength(long long year, long long month)
{
    static const int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const long long zeroBased = month - 1;
    const long long realYear = year + FloorDiv(zeroBased, 12);
    const int index = static_cast<int>(FloorMod(zeroBased, 12));
    return (index == 1 && IsLeap(realYear)) ? 29 : kLengths[index];
}

// Days from 1970-01-01 to a proleptic Gregorian date; day and month may lie outside their range.
long long DayNumber(long long year, long long month, long long day)
{
    const long long zeroBased = month - 1;
    year += FloorDiv(zeroBased, 12);
    month = FloorMod(zeroBased, 12) + 1;
    year -= month <= 2 ? 1 : 0;
    const long long era = FloorDiv(year, 400);
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

bool FitsInt(long long value)
{
    return value >= INT_MIN && value <= INT_MAX;
}

// Years a C tm can hold, counted from 1900.
bool FitsTmYear(long long year)
{
    return FitsInt(year - 1900);
}

// Reads count decimal digits at the position; false when any of them is not a digit.
bool ReadDigits(const std::string& text, size_t at, size_t count, int& value)
{
    value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

// Gauss's rule with the century table of 1500..2499.
MonthDay EasterFromTable(int year)
{
    static const int kM[] = {22, 22, 23, 23, 24, 24, 24, 25, 26, 25};
    static const int kN[] = {2, 2, 3, 4, 5, 5, 6, 0, 1, 1};
    const int century = year / 100 - 15;
    const int a = year % 19;
    const int b = year % 4;
    const int c = year % 7;
    const int d = (19 * a + kM[century]) % 30;
    const int e = (2 * b + 4 * c + 6 * d + kN[century]) % 7;
    if (d + e <= 9) {
        return {3, 22 + d + e};
    }
    int day = d + e - 9;
    if (day == 26) {
        day = 19;
    } else if (day == 25 && d == 28 && e == 6 && a > 10) {
        day = 18;
    }
    return {4, day};
}

// The general Gregorian computus, valid for every year from 1 on.
MonthDay EasterGeneral(long long year)
{
    const long long a = year % 19;
    const long long b = year / 100;
    const long long c = year % 100;
    const long long f = (b + 8) / 25;
    const long long g = (b - f + 1) / 3;
    const long long h = (19 * a + b - b / 4 - g + 15) % 30;
    const long long l = (32 + 2 * (b % 4) + 2 * (c / 4) - h - c % 4) % 7;
    const long long m = (a + 11 * h + 22 * l) / 451;
    const long long monthAndDay = h + l - 7 * m + 114;
    return {static_cast<int>(monthAndDay / 31), static_cast<int>(monthAndDay % 31 + 1)};
}

MonthDay EasterDate(int year)
{
    if (year >= 1500 && year <= 2499) {
        return EasterFromTable(year);
    }
    const long long inCycle = FloorMod(year, kEasterCycle);
    return EasterGeneral(inCycle == 0 ? kEasterCycle : inCycle);
}

}  // namespace

DateTime DateTime::Now()
{
    DateTime now;
    now.SetNow();
    return now;
}

DateTime& DateTime::SetNow()
{
    invalid_ = false;
    if (Refill(static_cast<long long>(std::time(nullptr)))) {
        millisecond_ = Application::tickCounter;
    }
    return *this;
}

DateTime& DateTime::FromTm(const std::tm& value, long long seconds)
{
    invalid_ = false;
    AssignFields(value, seconds);
    return *this;
}

void DateTime::AssignFields(const std::tm& value, long long seconds)
{
    year_ = static_cast<int>(value.tm_year + 1900LL);
    month_ = value.tm_mon + 1;
    weekday_ = value.tm_wday;
    day_ = value.tm_mday;
    hour_ = value.tm_hour;
    minute_ = value.tm_min;
    second_ = value.tm_sec;
    millisecond_ = 0;
    seconds_ = seconds;
}

std::tm DateTime::ToTm() const
{
    std::tm value{};
    value.tm_year = static_cast<int>(static_cast<long long>(year_) - 1900);
    value.tm_mon = month_ - 1;
    value.tm_wday = weekday_;
    value.tm_mday = day_;
    value.tm_hour = hour_;
    value.tm_min = minute_;
    value.tm_sec = second_;
    value.tm_isdst = -1;  // the C library decides whether daylight-saving time applies
    return value;
}

DateTime& DateTime::SetDate(int year, int month, int day)
{
    return SetDateTime(year, month, day, 0, 0, 0);
}

DateTime& DateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second)
{
    SetFields(year, month, day, hour, minute, second);
    Normalise();
    return *this;
}

DateTime& DateTime::SetFields(int year, int month, int day, int hour, int minute, int second)
{
    invalid_ = false;
    year_ = year;
    month_ = month;
    weekday_ = 0;
    day_ = day;
    hour_ = hour;
    minute_ = minute;
    second_ = second;
    millisecond_ = 0;
    seconds_ = 0;
    return *this;
}

DateTime& DateTime::DateOnly()
{
    return SetDate(year_, month_, day_);
}

DateTime& DateTime::SetFrom(const DateTime& other)
{
    *this = other;
    invalid_ = false;
    Normalise();
    return *this;
}

bool DateTime::ParseDateMDY(const std::string& text)
{
    return ParseDate(text, 3, 0);
}

bool DateTime::ParseDateDMY(const std::string& text)
{
    return ParseDate(text, 0, 3);
}

bool DateTime::ParseDate(const std::string& text, int dayAt, int monthAt)
{
    int day = 0;
    int month = 0;
    int year = 0;
    const bool digits = text.size() == 10 && ReadDigits(text, dayAt, 2, day) &&
                        ReadDigits(text, monthAt, 2, month) && ReadDigits(text, 6, 4, year);
    if (!digits || year < 1978 || year > 2099 || month < 1 || month > 12 || day < 1 ||
        day > MonthLength(year, month)) {
        return Fail();
    }
    SetDate(year, month, day);
    return !invalid_;
}

bool DateTime::ParseTime(const std::string& text)
{
    int hour = 0;
    int minute = 0;
    int second = 0;
    const bool digits = text.size() == 8 && ReadDigits(text, 0, 2, hour) &&
                        ReadDigits(text, 3, 2, minute) && ReadDigits(text, 6, 2, second);
    if (!digits) {
        return Fail();
    }
    invalid_ = false;
    hour_ = hour;
    minute_ = minute;
    second_ = second;
    Normalise();
    return !invalid_;
}

std::string DateTime::FormatDMY() const
{
    return IntToString(day_, '0', 2) + "/" + IntToString(month_, '0', 2) + "/" +
           IntToString(year_, '0', 4);
}

std::string DateTime::FormatMDY() const
{
    return IntToString(month_, '0', 2) + "/" + IntToString(day_, '0', 2) + "/" +
           IntToString(year_, '0', 4);
}

std::string DateTime::FormatYMD() const
{
    return IntToString(year_, '0', 4) + "-" + IntToString(month_, '0', 2) + "-" +
           IntToString(day_, '0', 2);
}

std::string DateTime::FormatHMS() const
{
    return IntToString(hour_, '0', 2) + ":" + IntToString(minute_, '0', 2) + ":" +
           IntToString(second_, '0', 2);
}

std::string DateTime::MonthNameIt() const
{
    return (month_ >= 1 && month_ <= 12) ? kMonthNamesIt[month_ - 1] : "";
}

std::string DateTime::MonthNameEn() const
{
    return (month_ >= 1 && month_ <= 12) ? kMonthNamesEn[month_ - 1] : "";
}

std::string DateTime::DayNameIt() const
{
    return (weekday_ >= 0 && weekday_ <= 6) ? kDayNamesIt[weekday_] : "";
}

std::string DateTime::DayNameEn() const
{
    return (weekday_ >= 0 && weekday_ <= 6) ? kDayNamesEn[weekday_] : "";
}

std::string DateTime::WeekdayMap() const
{
    const int length = DaysInMonth();
    std::string map;
    if (day_ < 1 || day_ > length) {
        return map;
    }
    for (int day = 1; day <= length; ++day) {
        map += static_cast<char>('0' + FloorMod(weekday_ + day - day_, 7));
    }
    return map;
}

DateTime& DateTime::AddYears(int n)
{
    return ShiftMonths(n, 0);
}

DateTime& DateTime::AddMonths(int n)
{
    return ShiftMonths(n / 12, n % 12);
}

DateTime& DateTime::ShiftMonths(long long years, long long months)
{
    if (invalid_) {
        return *this;
    }
    long long year = year_ + years;
    long long month = month_ + months;
    if (month > 12) {
        month -= 12;
        ++year;
    } else if (month <= 0) {
        month += 12;
        --year;
    }
    if (!FitsTmYear(year) || !FitsInt(month)) {
        Fail();
        return *this;
    }
    year_ = static_cast<int>(year);
    month_ = static_cast<int>(month);
    if (day_ > MonthLength(year_, month_)) {
        day_ = MonthLength(year_, month_);
    }
    Normalise();
    return *this;
}

DateTime& DateTime::AddDays(int n)
{
    if (invalid_) {
        return *this;
    }
    const long long day = static_cast<long long>(day_) + n;
    if (!FitsInt(day)) {
        Fail();
        return *this;
    }
    day_ = static_cast<int>(day);
    Normalise();
    return *this;
}

DateTime& DateTime::AddHours(long long n)
{
    return ShiftSeconds(n, 3600);
}

DateTime& DateTime::AddMinutes(long long n)
{
    return ShiftSeconds(n, 60);
}

DateTime& DateTime::AddSeconds(long long n)
{
    return ShiftSeconds(n, 1);
}

DateTime& DateTime::ShiftSeconds(long long count, long long unit)
{
    if (invalid_) {
        return *this;
    }
    long long delta = 0;
    long long seconds = 0;
    if (__builtin_mul_overflow(count, unit, &delta) ||
        __builtin_add_overflow(seconds_, delta, &seconds)) {
        Fail();
        return *this;
    }
    if (Refill(seconds)) {
        millisecond_ = 0;
    }
    return *this;
}

DateTime& DateTime::AddMilliseconds(long long n)
{
    if (invalid_) {
        return *this;
    }
    long long total = 0;
    if (__builtin_add_overflow(static_cast<long long>(millisecond_), n, &total)) {
        Fail();
        return *this;
    }
    const int millisecond = static_cast<int>(FloorMod(total, 1000));
    ShiftSeconds(FloorDiv(total, 1000), 1);
    if (!invalid_) {
        millisecond_ = millisecond;
    }
    return *this;
}

int DateTime::DaysInMonth() const
{
    return MonthLength(year_, month_);
}

bool DateTime::IsLeapYear() const
{
    return IsLeap(year_);
}

long long DateTime::DaysUntil(const DateTime& other) const
{
    if (invalid_) {
        return 0;
    }
    return DayNumber(other.year_, other.month_, other.day_) - DayNumber(year_, month_, day_);
}

long long DateTime::SecondsUntil(const DateTime& other) const
{
    return invalid_ ? 0 : other.seconds_ - seconds_;
}

long long DateTime::MillisecondsUntil(const DateTime& other) const
{
    if (invalid_) {
        return 0;
    }
    return (other.seconds_ - seconds_) * 1000 + other.millisecond_ - millisecond_;
}

int DateTime::Compare(const DateTime& other) const
{
    if (invalid_ || seconds_ == other.seconds_) {
        return 0;
    }
    return seconds_ < other.seconds_ ? -1 : 1;
}

bool DateTime::operator<(const DateTime& other) const
{
    return !invalid_ && seconds_ < other.seconds_;
}

bool DateTime::operator<=(const DateTime& other) const
{
    return invalid_ || seconds_ <= other.seconds_;
}

bool DateTime::operator>(const DateTime& other) const
{
    return !invalid_ && seconds_ > other.seconds_;
}

bool DateTime::operator>=(const DateTime& other) const
{
    return invalid_ || seconds_ >= other.seconds_;
}

bool DateTime::operator==(const DateTime& other) const
{
    return invalid_ || seconds_ == other.seconds_;
}

bool DateTime::operator!=(const DateTime& other) const
{
    return !invalid_ && seconds_ != other.seconds_;
}

DateTime DateTime::Easter(int year)
{
    const MonthDay date = EasterDate(year);
    DateTime easter;
    easter.SetDate(year, date.month, date.day);
    return easter;
}

bool DateTime::IsHoliday() const
{
    for (const MonthDay& holiday : kFixedHolidays) {
        if (month_ == holiday.month && day_ == holiday.day) {
            return true;
        }
    }
    const MonthDay easter = EasterDate(year_);
    const long long sinceEaster =
        DayNumber(year_, month_, day_) - DayNumber(year_, easter.month, easter.day);
    return sinceEaster == 0 || sinceEaster == 1;
}

void DateTime::Normalise()
{
    if (!FitsTmYear(year_)) {
        Fail();
        return;
    }
    std::tm value = ToTm();
    const std::time_t seconds = std::mktime(&value);
    if (seconds == static_cast<std::time_t>(-1)) {
        Fail();
        return;
    }
    Refill(static_cast<long long>(seconds));
}

bool DateTime::Refill(long long seconds)
{
    const std::time_t when = static_cast<std::time_t>(seconds);
    std::tm value{};
    if (static_cast<long long>(when) != seconds || !localtime_r(&when, &value) || !FitsInt(value.tm_year + 1900LL)) {
        return Fail();
    }
    AssignFields(value, seconds);
    return true;
}

bool DateTime::Fail()
{
    invalid_ = true;
    return false;
}

}  // namespace tarnbrook
