#include "engine/library/calendar.h"

#include <cmath>

#include "engine/ops.h"

namespace vbs::lib {

namespace {

const char16_t* const kMonthNames[12] = {
    u"January", u"February", u"March", u"April", u"May", u"June",
    u"July", u"August", u"September", u"October", u"November", u"December"};
const char16_t* const kMonthAbbreviations[12] = {
    u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
const char16_t* const kWeekdayNames[7] = {
    u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"};
const char16_t* const kWeekdayAbbreviations[7] = {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};

int64_t floorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

std::u16string number(int64_t n) { return toU16(std::to_string(n)); }

std::u16string twoDigits(int64_t n) { return n < 10 ? u"0" + number(n) : number(n); }

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
    return abbreviate ? kMonthAbbreviations[index - 1] : kMonthNames[index - 1];
}

const char16_t* weekdayName(int index, bool abbreviate) {
    return abbreviate ? kWeekdayAbbreviations[index - 1] : kWeekdayNames[index - 1];
}

std::u16string longDateText(double date) {
    CalendarDay c = calendarDayOf(date);
    return std::u16string(weekdayName(weekdaySundayFirst(dayOf(date)), false)) + u", " +
           monthName(c.month, false) + u" " + number(c.day) + u", " + number(c.year);
}

std::u16string shortDateText(double date) {
    CalendarDay c = calendarDayOf(date);
    return number(c.month) + u"/" + number(c.day) + u"/" + number(c.year);
}

std::u16string longTimeText(double date) {
    int64_t s = secondsOfDay(date);
    int64_t hour = s / 3600, minute = s / 60 % 60, second = s % 60;
    int64_t hour12 = hour % 12 == 0 ? 12 : hour % 12;
    return number(hour12) + u":" + twoDigits(minute) + u":" + twoDigits(second) + (hour < 12 ? u" AM" : u" PM");
}

std::u16string shortTimeText(double date) {
    int64_t s = secondsOfDay(date);
    return twoDigits(s / 3600) + u":" + twoDigits(s / 60 % 60);
}

}  // namespace vbs::lib
