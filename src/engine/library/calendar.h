// Calendar arithmetic on VBScript dates for the date and format built-ins.
//
// A VBScript date is a count of days since 30 December 1899 whose fraction
// is the time of day. Before that day the count is negative but the time is
// still added forward: -1.25 is 29 December 1899 at 06:00. So "the day" is
// the whole part (towards zero) and "the time" is the absolute fraction; we
// turn both into a moment that grows steadily before doing arithmetic.
#pragma once

#include <cstdint>
#include <string>

namespace vbs::lib {

constexpr int64_t kSecondsPerDay = 86400;
// Day numbers of 1 January 100 and 31 December 9999: the range a date may
// take. A day's times extend its number away from zero (-657434.5 is noon on
// 1 January 100), so the limits are open intervals one day further out.
constexpr double kFirstDay = -657434.0;
constexpr double kLastDay = 2958465.0;

bool isDateInRange(double date);

// The date's day number (whole part towards zero) and its time in seconds.
int64_t dayOf(double date);
int64_t secondsOfDay(double date);
// Back from a day number and the seconds of that day.
double dateFromDayAndSeconds(int64_t day, int64_t seconds);
// Seconds since day 0, steadily increasing also before day 0.
int64_t momentOf(double date);
double dateFromMoment(int64_t moment);

// 1 = Sunday ... 7 = Saturday.
int weekdaySundayFirst(int64_t day);
// 1 = `firstDayOfWeek` (1 Sunday ... 7 Saturday).
int weekdayFrom(int64_t day, int firstDayOfWeek);

// Day number of the given calendar day (month and day overflow roll over).
int64_t dayNumber(int year, int month, int day);
int daysInMonth(int year, int month);

struct CalendarDay {
    int year = 0, month = 0, day = 0;
};
CalendarDay calendarDayOf(double date);

// Names in the running script's locale; `index` 1-based (January = 1, Sunday = 1).
const char16_t* monthName(int index, bool abbreviate);
const char16_t* weekdayName(int index, bool abbreviate);

// The date parts of FormatDateTime in the running script's locale; in
// English (US) "Thursday, January 2, 2020", "1/2/2020", "1:45:00 PM", "13:45".
std::u16string longDateText(double date);
std::u16string shortDateText(double date);
std::u16string longTimeText(double date);
std::u16string shortTimeText(double date);

}  // namespace vbs::lib
