// Date and time built-ins. Everything is arithmetic on day numbers and
// seconds (calendar.h); the clock is read through clock.h so tests can fix it.
#include <cmath>

#include "engine/library/builtins.h"
#include "engine/library/calendar.h"
#include "engine/library/clock.h"
#include "engine/library/library_support.h"
#include "engine/library/text_support.h"

namespace vbs {

namespace {

using lib::readLong;

int32_t dateResult(double date, Variant& result) {
    if (!lib::isDateInRange(date)) return err::InvalidProcCall;
    result = Variant::date(date);
    return 0;
}

// ---- the clock ---------------------------------------------------------------

int32_t fnNow(CallContext&, Args, Variant& result) {
    result = Variant::date(clockNow());
    return 0;
}
int32_t fnDate(CallContext&, Args, Variant& result) {
    result = Variant::date(static_cast<double>(lib::dayOf(clockNow())));
    return 0;
}
int32_t fnTime(CallContext&, Args, Variant& result) {
    result = Variant::date(lib::dateFromDayAndSeconds(0, lib::secondsOfDay(clockNow())));
    return 0;
}
int32_t fnTimer(CallContext&, Args, Variant& result) {
    result = Variant::single(static_cast<float>(clockSecondsSinceMidnight()));
    return 0;
}

// ---- intervals ("yyyy", "q", "m", ...) ------------------------------------------

enum class Interval { Year, Quarter, Month, DayOfYear, Day, Weekday, Week, Hour, Minute, Second };

int32_t readInterval(const Args& args, int i, Interval& out) {
    std::u16string name;
    if (int32_t e = lib::readString(args, i, name)) return e;
    struct Entry { const char16_t* name; Interval interval; };
    static const Entry kIntervals[] = {
        {u"yyyy", Interval::Year}, {u"q", Interval::Quarter}, {u"m", Interval::Month},
        {u"y", Interval::DayOfYear}, {u"d", Interval::Day}, {u"w", Interval::Weekday},
        {u"ww", Interval::Week}, {u"h", Interval::Hour}, {u"n", Interval::Minute},
        {u"s", Interval::Second}};
    for (const Entry& entry : kIntervals)
        if (namesEqual(name, entry.name)) { out = entry.interval; return 0; }
    return err::InvalidProcCall;
}

// firstdayofweek: 0 is "the system's" (Sunday here), 1..7 Sunday..Saturday.
int32_t readFirstDayOfWeek(const Args& args, int i, int& out) {
    int32_t n = 1;
    if (int32_t e = lib::readOptionalLong(args, i, 1, n)) return e;
    if (n < 0 || n > 7) return err::InvalidProcCall;
    out = n == 0 ? 1 : n;
    return 0;
}

// firstweekofyear: 0 system (= 1), 1 the week of 1 January, 2 the first week
// with four days, 3 the first full week.
int32_t readFirstWeekOfYear(const Args& args, int i, int& out) {
    int32_t n = 1;
    if (int32_t e = lib::readOptionalLong(args, i, 1, n)) return e;
    if (n < 0 || n > 3) return err::InvalidProcCall;
    out = n == 0 ? 1 : n;
    return 0;
}

// Month arithmetic keeps the day of the month unless the target month is
// shorter: 31 January plus one month is the end of February.
double addMonths(double date, int64_t months) {
    lib::CalendarDay c = lib::calendarDayOf(date);
    int64_t index = static_cast<int64_t>(c.year) * 12 + (c.month - 1) + months;
    int year = static_cast<int>(std::floor(static_cast<double>(index) / 12));
    int month = static_cast<int>(index - static_cast<int64_t>(year) * 12) + 1;
    if (year < 100 || year > 9999) return lib::kFirstDay - 1;  // out of range
    int day = std::min(c.day, lib::daysInMonth(year, month));
    return lib::dateFromDayAndSeconds(lib::dayNumber(year, month, day), lib::secondsOfDay(date));
}

int32_t fnDateAdd(CallContext&, Args args, Variant& result) {
    Interval interval{};
    if (int32_t e = readInterval(args, 0, interval)) return e;
    if (args.at(2).isNull()) { result = Variant::null(); return 0; }
    int32_t n = 0;
    if (int32_t e = readLong(args, 1, n)) return e;
    double date = 0;
    if (int32_t e = lib::readDate(args, 2, date)) return e;

    const int64_t seconds = lib::momentOf(date);
    switch (interval) {
    case Interval::Year: return dateResult(addMonths(date, int64_t{n} * 12), result);
    case Interval::Quarter: return dateResult(addMonths(date, int64_t{n} * 3), result);
    case Interval::Month: return dateResult(addMonths(date, n), result);
    case Interval::DayOfYear: case Interval::Day: case Interval::Weekday:
        return dateResult(lib::dateFromMoment(seconds + int64_t{n} * lib::kSecondsPerDay), result);
    case Interval::Week:
        return dateResult(lib::dateFromMoment(seconds + int64_t{n} * 7 * lib::kSecondsPerDay), result);
    case Interval::Hour: return dateResult(lib::dateFromMoment(seconds + int64_t{n} * 3600), result);
    case Interval::Minute: return dateResult(lib::dateFromMoment(seconds + int64_t{n} * 60), result);
    case Interval::Second: return dateResult(lib::dateFromMoment(seconds + n), result);
    }
    return err::InvalidProcCall;
}

int64_t floorDivide(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// The day number on which the week holding `day` starts.
int64_t weekStart(int64_t day, int firstDayOfWeek) {
    return day - (lib::weekdayFrom(day, firstDayOfWeek) - 1);
}

// DateDiff counts the boundaries crossed between the two dates: from
// 31 December to 1 January is one year, though only a day passed.
int32_t fnDateDiff(CallContext&, Args args, Variant& result) {
    Interval interval{};
    if (int32_t e = readInterval(args, 0, interval)) return e;
    int firstDay = 1, firstWeek = 1;
    if (int32_t e = readFirstDayOfWeek(args, 3, firstDay)) return e;
    if (int32_t e = readFirstWeekOfYear(args, 4, firstWeek)) return e;
    if (args.at(1).isNull() || args.at(2).isNull()) { result = Variant::null(); return 0; }
    double d1 = 0, d2 = 0;
    if (int32_t e = lib::readDate(args, 1, d1)) return e;
    if (int32_t e = lib::readDate(args, 2, d2)) return e;

    lib::CalendarDay c1 = lib::calendarDayOf(d1), c2 = lib::calendarDayOf(d2);
    int64_t day1 = lib::dayOf(d1), day2 = lib::dayOf(d2);
    int64_t m1 = lib::momentOf(d1), m2 = lib::momentOf(d2);
    int64_t diff = 0;
    switch (interval) {
    case Interval::Year: diff = c2.year - c1.year; break;
    case Interval::Quarter: diff = (c2.year * 4 + (c2.month - 1) / 3) - (c1.year * 4 + (c1.month - 1) / 3); break;
    case Interval::Month: diff = (c2.year * 12 + c2.month) - (c1.year * 12 + c1.month); break;
    case Interval::DayOfYear: case Interval::Day: diff = day2 - day1; break;
    case Interval::Weekday: diff = (day2 - day1) / 7; break;
    case Interval::Week: diff = (weekStart(day2, firstDay) - weekStart(day1, firstDay)) / 7; break;
    case Interval::Hour: diff = floorDivide(m2, 3600) - floorDivide(m1, 3600); break;
    case Interval::Minute: diff = floorDivide(m2, 60) - floorDivide(m1, 60); break;
    case Interval::Second: diff = m2 - m1; break;
    }
    result = Variant::long_(static_cast<int32_t>(diff));
    return 0;
}

// The day on which week 1 of `year` starts under the firstweekofyear rule.
int64_t firstWeekStart(int year, int firstDay, int firstWeek) {
    int64_t jan1 = lib::dayNumber(year, 1, 1);
    int wd = lib::weekdayFrom(jan1, firstDay);
    int daysInFirstWeek = 8 - wd;
    bool jan1WeekCounts = firstWeek == 1 || (firstWeek == 2 && daysInFirstWeek >= 4) || (firstWeek == 3 && wd == 1);
    return jan1WeekCounts ? jan1 - (wd - 1) : jan1 + daysInFirstWeek;
}

int weekOfYear(double date, int firstDay, int firstWeek) {
    int year = lib::calendarDayOf(date).year;
    int64_t day = lib::dayOf(date);
    int64_t start = firstWeekStart(year, firstDay, firstWeek);
    // Early January days before week 1 belong to the previous year's last week.
    if (day < start) start = firstWeekStart(year - 1, firstDay, firstWeek);
    return static_cast<int>((day - start) / 7) + 1;
}

int32_t fnDatePart(CallContext&, Args args, Variant& result) {
    Interval interval{};
    if (int32_t e = readInterval(args, 0, interval)) return e;
    int firstDay = 1, firstWeek = 1;
    if (int32_t e = readFirstDayOfWeek(args, 2, firstDay)) return e;
    if (int32_t e = readFirstWeekOfYear(args, 3, firstWeek)) return e;
    if (args.at(1).isNull()) { result = Variant::null(); return 0; }
    double date = 0;
    if (int32_t e = lib::readDate(args, 1, date)) return e;

    lib::CalendarDay c = lib::calendarDayOf(date);
    int64_t seconds = lib::secondsOfDay(date);
    int64_t part = 0;
    switch (interval) {
    case Interval::Year: part = c.year; break;
    case Interval::Quarter: part = (c.month - 1) / 3 + 1; break;
    case Interval::Month: part = c.month; break;
    case Interval::DayOfYear: part = lib::dayOf(date) - lib::dayNumber(c.year, 1, 1) + 1; break;
    case Interval::Day: part = c.day; break;
    case Interval::Weekday: part = lib::weekdayFrom(lib::dayOf(date), firstDay); break;
    case Interval::Week: part = weekOfYear(date, firstDay, firstWeek); break;
    case Interval::Hour: part = seconds / 3600; break;
    case Interval::Minute: part = seconds / 60 % 60; break;
    case Interval::Second: part = seconds % 60; break;
    }
    result = Variant::integer(static_cast<int16_t>(part));
    return 0;
}

// ---- building dates ---------------------------------------------------------

int32_t fnDateSerial(CallContext&, Args args, Variant& result) {
    int32_t year = 0, month = 0, day = 0;
    if (int32_t e = readLong(args, 0, year)) return e;
    if (int32_t e = readLong(args, 1, month)) return e;
    if (int32_t e = readLong(args, 2, day)) return e;
    // Two-digit years: 0-29 are 2000-2029, 30-99 are 1930-1999.
    if (year >= 0 && year < 30) year += 2000;
    else if (year >= 30 && year < 100) year += 1900;
    double date = 0;
    if (!ops::dateFromParts(year, month, day, date)) return err::InvalidProcCall;
    return dateResult(date, result);
}

int32_t fnTimeSerial(CallContext&, Args args, Variant& result) {
    int32_t hour = 0, minute = 0, second = 0;
    if (int32_t e = readLong(args, 0, hour)) return e;
    if (int32_t e = readLong(args, 1, minute)) return e;
    if (int32_t e = readLong(args, 2, second)) return e;
    int64_t moment = int64_t{hour} * 3600 + int64_t{minute} * 60 + second;
    return dateResult(lib::dateFromMoment(moment), result);
}

// DateValue reads a text or a date; Null is no date (94) and a number is
// not read as a day count (13).
int32_t fnDateValue(CallContext&, Args args, Variant& result) {
    const Variant& v = args.at(0);
    if (v.isNull()) return err::InvalidUseOfNull;
    if (v.isNumeric() && v.type() != VarType::Date) return err::TypeMismatch;
    double date = 0;
    if (int32_t e = lib::readDate(args, 0, date)) return e;
    result = Variant::date(static_cast<double>(lib::dayOf(date)));
    return 0;
}

int32_t fnTimeValue(CallContext&, Args args, Variant& result) {
    if (args.at(0).isNull()) return err::InvalidUseOfNull;
    double date = 0;
    if (int32_t e = lib::readDate(args, 0, date)) return e;
    result = Variant::date(lib::dateFromDayAndSeconds(0, lib::secondsOfDay(date)));
    return 0;
}

// ---- taking dates apart ---------------------------------------------------------

// Year, Month, Day, Hour, Minute, Second, Weekday: Null gives Null.
template <typename Part>
int32_t datePartFunction(Args& args, Variant& result, Part part) {
    if (args.at(0).isNull()) { result = Variant::null(); return 0; }
    double date = 0;
    if (int32_t e = lib::readDate(args, 0, date)) return e;
    result = Variant::integer(static_cast<int16_t>(part(date)));
    return 0;
}

int32_t fnYear(CallContext&, Args args, Variant& result) {
    return datePartFunction(args, result, [](double d) { return lib::calendarDayOf(d).year; });
}
int32_t fnMonth(CallContext&, Args args, Variant& result) {
    return datePartFunction(args, result, [](double d) { return lib::calendarDayOf(d).month; });
}
int32_t fnDay(CallContext&, Args args, Variant& result) {
    return datePartFunction(args, result, [](double d) { return lib::calendarDayOf(d).day; });
}
int32_t fnHour(CallContext&, Args args, Variant& result) {
    return datePartFunction(args, result, [](double d) { return static_cast<int>(lib::secondsOfDay(d) / 3600); });
}
int32_t fnMinute(CallContext&, Args args, Variant& result) {
    return datePartFunction(args, result, [](double d) { return static_cast<int>(lib::secondsOfDay(d) / 60 % 60); });
}
int32_t fnSecond(CallContext&, Args args, Variant& result) {
    return datePartFunction(args, result, [](double d) { return static_cast<int>(lib::secondsOfDay(d) % 60); });
}

int32_t fnWeekday(CallContext&, Args args, Variant& result) {
    int firstDay = 1;
    if (int32_t e = readFirstDayOfWeek(args, 1, firstDay)) return e;
    return datePartFunction(args, result, [firstDay](double d) { return lib::weekdayFrom(lib::dayOf(d), firstDay); });
}

int32_t readAbbreviate(const Args& args, int i, bool& out) {
    out = false;
    if (args.missing(i)) return 0;
    return ops::toBoolean(args.at(i), out);
}

// A Null abbreviate is reported before the month is read.
int32_t fnMonthName(CallContext&, Args args, Variant& result) {
    if (!args.missing(1) && args.at(1).isNull()) return err::InvalidUseOfNull;
    int32_t month = 0;
    if (int32_t e = readLong(args, 0, month)) return e;
    if (month < 1 || month > 12) return err::InvalidProcCall;
    bool abbreviate = false;
    if (int32_t e = readAbbreviate(args, 1, abbreviate)) return e;
    result = Variant::string(std::u16string(lib::monthName(month, abbreviate)));
    return 0;
}

// WeekdayName(n[, abbreviate[, firstdayofweek]]): n counts from firstdayofweek.
int32_t fnWeekdayName(CallContext&, Args args, Variant& result) {
    int32_t n = 0;
    if (int32_t e = readLong(args, 0, n)) return e;
    if (n < 1 || n > 7) return err::InvalidProcCall;
    bool abbreviate = false;
    if (int32_t e = readAbbreviate(args, 1, abbreviate)) return e;
    int firstDay = 1;
    if (int32_t e = readFirstDayOfWeek(args, 2, firstDay)) return e;
    int sundayBased = (n - 1 + firstDay - 1) % 7 + 1;
    result = Variant::string(std::u16string(lib::weekdayName(sundayBased, abbreviate)));
    return 0;
}

const BuiltinInfo kDateBuiltins[] = {
    {u"Date", 0, 0, lib::onValues<fnDate>},
    {u"DateAdd", 3, 3, lib::onValues<fnDateAdd>},
    {u"DateDiff", 3, 5, lib::onValues<fnDateDiff>},
    {u"DatePart", 2, 4, lib::onValues<fnDatePart>},
    {u"DateSerial", 3, 3, lib::onValues<fnDateSerial>},
    {u"DateValue", 1, 1, lib::onValues<fnDateValue>},
    {u"Day", 1, 1, lib::onValues<fnDay>},
    {u"Hour", 1, 1, lib::onValues<fnHour>},
    {u"Minute", 1, 1, lib::onValues<fnMinute>},
    {u"Month", 1, 1, lib::onValues<fnMonth>},
    {u"MonthName", 1, 2, lib::onValues<fnMonthName>},
    {u"Now", 0, 0, lib::onValues<fnNow>},
    {u"Second", 1, 1, lib::onValues<fnSecond>},
    {u"Time", 0, 0, lib::onValues<fnTime>},
    {u"Timer", 0, 0, lib::onValues<fnTimer>},
    {u"TimeSerial", 3, 3, lib::onValues<fnTimeSerial>},
    {u"TimeValue", 1, 1, lib::onValues<fnTimeValue>},
    {u"Weekday", 1, 2, lib::onValues<fnWeekday>},
    {u"WeekdayName", 1, 3, lib::onValues<fnWeekdayName>},
    {u"Year", 1, 1, lib::onValues<fnYear>},
};

}  // namespace

std::span<const BuiltinInfo> dateBuiltins() { return kDateBuiltins; }

}  // namespace vbs
