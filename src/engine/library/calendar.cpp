#include "engine/library/calendar.h"

#include <cmath>

#include "engine/values/locale.h"
#include "engine/values/ops.h"

namespace vbs::lib {

namespace {

int64_t floorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

}  // namespace

bool isDateInRange(double date) { return date > kFirstDay - 1 && date < kLastDay + 1; }

int64_t dayOf(double date) { return static_cast<int64_t>(std::trunc(date)); }

int64_t secondsOfDay(double date) {
    double fraction = std::fabs(date - std::trunc(date));
    int64_t seconds = static_cast<int64_t>(std::llround(fraction * kSecondsPerDay));
    return seconds >= kSecondsPerDay ? kSecondsPerDay - 1 : seconds;
}

double dateFromDayAndSeconds(int64_t day, int64_t seconds) {
    double fraction = static_cast<double>(seconds) / kSecondsPerDay;
    return day < 0 ? static_cast<double>(day) - fraction : static_cast<double>(day) + fraction;
}

int64_t momentOf(double date) { return dayOf(date) * kSecondsPerDay + secondsOfDay(date); }

double dateFromMoment(int64_t moment) {
    int64_t day = floorDiv(moment, kSecondsPerDay);
    return dateFromDayAndSeconds(day, moment - day * kSecondsPerDay);
}

int weekdaySundayFirst(int64_t day) {
    // Day 0 was a Saturday.
    return static_cast<int>(((day + 6) % 7 + 7) % 7) + 1;
}

int weekdayFrom(int64_t day, int firstDayOfWeek) {
    return (weekdaySundayFirst(day) - firstDayOfWeek + 7) % 7 + 1;
}

int64_t dayNumber(int year, int month, int day) {
    double d = 0;
    ops::dateFromParts(year, month, day, d);
    return static_cast<int64_t>(std::llround(d));
}

int daysInMonth(int year, int month) {
    return static_cast<int>(dayNumber(year, month + 1, 1) - dayNumber(year, month, 1));
}

CalendarDay calendarDayOf(double date) {
    CalendarDay c;
    int hour = 0, minute = 0, second = 0;
    ops::partsFromDate(static_cast<double>(dayOf(date)), c.year, c.month, c.day, hour, minute, second);
    return c;
}

const char16_t* monthName(int index, bool abbreviate) {
    const CalendarNames& names = *activeLocale().names;
    return abbreviate ? names.monthAbbreviations[index - 1] : names.months[index - 1];
}

const char16_t* weekdayName(int index, bool abbreviate) {
    const CalendarNames& names = *activeLocale().names;
    return abbreviate ? names.weekdayAbbreviations[index - 1] : names.weekdays[index - 1];
}

std::u16string longDateText(double date) {
    return ops::formatDatePattern(date, activeLocale().longDate, activeLocale());
}

std::u16string shortDateText(double date) {
    return ops::formatDatePattern(date, activeLocale().shortDate, activeLocale());
}

std::u16string longTimeText(double date) {
    return ops::formatDatePattern(date, activeLocale().longTime, activeLocale());
}

// The short time is on the 24-hour clock in every locale.
std::u16string shortTimeText(double date) { return ops::formatDatePattern(date, u"HH:mm", activeLocale()); }

}  // namespace vbs::lib

namespace vbs::ops {

double dateOf(int year, int month, int day, int64_t secondsOfDay) {
    return lib::dateFromDayAndSeconds(lib::dayNumber(year, month, day), secondsOfDay);
}

}  // namespace vbs::ops
