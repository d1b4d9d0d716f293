// Dates: the calendar arithmetic behind DateSerial, Year, Month..., the
// text form CStr gives a Date (in a locale's patterns), and the reading of
// date texts (CDate, IsDate, date literals).
//
// A Date is a count of days since 30 December 1899 with the time of day as
// the fraction. Before that day the count is negative but the fraction still
// counts forward in time: -1.5 is 29 December 1899 at noon, not 28 December
// at noon as plain arithmetic would suggest.
#include <cmath>
#include <ctime>
#include <string>
#include <vector>

#include "engine/values/locale.h"
#include "engine/values/ops.h"
#include "engine/values/ops_internal.h"

namespace vbs::ops {

namespace {

constexpr int kSecondsPerDay = 86400;

// Days from 1 January 1970 to the given proleptic Gregorian date (the
// well-known era-based civil calendar conversion).
int64_t daysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    int64_t era = (y >= 0 ? y : y - 399) / 400;
    int64_t yoe = y - era * 400;
    int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(int64_t z, int& year, int& month, int& day) {
    z += 719468;
    int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    int64_t doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

// Day 0 of the Date scale, 30 December 1899, counted from 1 January 1970.
const int64_t kDayZero = daysFromCivil(1899, 12, 30);

bool isLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeapYear(y) ? 29 : days[m - 1];
}

// Two-digit years: 00-29 are this century's, 30-99 the last one's.
int expandTwoDigitYear(int year) {
    if (year >= 0 && year <= 29) return year + 2000;
    if (year >= 30 && year <= 99) return year + 1900;
    return year;
}

// Joins a day number and a time of day (0 <= time < 1) the Date way: the
// time always counts forward from the start of the day.
double joinDayAndTime(double day, double time) { return day < 0 ? day - time : day + time; }

// The whole day and the time of day, in seconds rounded to the nearest one.
void splitDate(double date, int64_t& day, int& secondOfDay) {
    if (!std::isfinite(date) || std::fabs(date) > 1e9) date = 0;  // never a Date; keeps the arithmetic defined
    double whole = std::trunc(date);
    int64_t seconds = std::llround(std::fabs(date - whole) * kSecondsPerDay);
    day = static_cast<int64_t>(whole);
    if (seconds >= kSecondsPerDay) {  // 23:59:59.7 rounds into the next day
        seconds -= kSecondsPerDay;
        ++day;
    }
    secondOfDay = static_cast<int>(seconds);
}

// ---- writing dates by pattern ------------------------------------------------

std::u16string digitsOf(int64_t n, size_t minWidth) {
    std::string d = std::to_string(n);
    if (d.size() < minWidth) d.insert(0, minWidth - d.size(), '0');
    return std::u16string(d.begin(), d.end());
}

// 1 = Sunday ... 7 = Saturday; day 0 was a Saturday.
int weekdayOf(int64_t day) { return static_cast<int>(((day + 6) % 7 + 7) % 7); }

// One run of a pattern letter ("dddd", "MM", "tt") as text.
std::u16string patternField(char16_t letter, size_t count, int64_t day, int secondOfDay, const Locale& locale) {
    int y, mo, d;
    civilFromDays(day + kDayZero, y, mo, d);
    int hour = secondOfDay / 3600, minute = secondOfDay / 60 % 60, second = secondOfDay % 60;
    const CalendarNames& names = *locale.names;
    switch (letter) {
    case u'd':
        if (count >= 4) return names.weekdays[weekdayOf(day)];
        if (count == 3) return names.weekdayAbbreviations[weekdayOf(day)];
        return digitsOf(d, count);
    case u'M':
        if (count >= 4) return names.months[mo - 1];
        if (count == 3) return names.monthAbbreviations[mo - 1];
        return digitsOf(mo, count);
    case u'y': return count <= 2 ? digitsOf(y % 100, count) : digitsOf(y, 1);
    case u'h': return digitsOf(hour % 12 == 0 ? 12 : hour % 12, count);
    case u'H': return digitsOf(hour, count);
    case u'm': return digitsOf(minute, count);
    case u's': return digitsOf(second, count);
    case u't': {
        std::u16string designator = hour < 12 ? locale.am : locale.pm;
        return count == 1 ? designator.substr(0, 1) : designator;
    }
    default: return std::u16string(count, letter);
    }
}

std::u16string formatParts(int64_t day, int secondOfDay, std::u16string_view pattern, const Locale& locale) {
    std::u16string out;
    for (size_t i = 0; i < pattern.size();) {
        char16_t c = pattern[i];
        if (c == u'\'') {  // quoted text, as it stands
            size_t close = pattern.find(u'\'', i + 1);
            if (close == std::u16string_view::npos) close = pattern.size();
            out += pattern.substr(i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c) ++run;
        bool field = std::u16string_view(u"dMyhHmst").find(c) != std::u16string_view::npos;
        out += field ? patternField(c, run, day, secondOfDay, locale) : std::u16string(run, c);
        i += run;
    }
    // A 12-hour time whose designator is empty would end in a blank.
    while (!out.empty() && out.back() == u' ') out.pop_back();
    return out;
}

// ---- reading date texts ----------------------------------------------------

struct Token {
    enum Kind { Number, Word, Colon } kind = Number;
    int value = 0;        // Number
    int digits = 0;       // Number: how many digits were written
    std::u16string word;  // Word, lower case
};

bool isLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7); }

char16_t lowerLetter(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<char16_t>(c + 32);
    return c;
}

// `dotSeparates`: the locale writes dates with "." ("2.1.2020").
bool tokenize(std::u16string_view text, bool dotSeparates, std::vector<Token>& tokens) {
    size_t i = 0;
    while (i < text.size()) {
        char16_t c = text[i];
        if (c >= u'0' && c <= u'9') {
            Token t;
            while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
                if (t.digits < 6) t.value = t.value * 10 + (text[i] - u'0');
                ++t.digits;
                ++i;
            }
            if (t.digits > 6) return false;
            tokens.push_back(t);
        } else if (isLetter(c)) {
            Token t;
            t.kind = Token::Word;
            while (i < text.size() && isLetter(text[i])) t.word.push_back(lowerLetter(text[i++]));
            if (i < text.size() && text[i] == u'.') ++i;  // an abbreviation's point: "janv."
            tokens.push_back(t);
        } else if (c == u':') {
            Token colon;
            colon.kind = Token::Colon;
            tokens.push_back(colon);
            ++i;
        } else if (c == u'/' || c == u'-' || c == u',' || c == u' ' || c == u'\t' || (c == u'.' && dotSeparates)) {
            ++i;  // date separators and blanks only divide numbers
        } else {
            return false;
        }
    }
    return true;
}

// A calendar name as the tokenizer sees words: lower case, no point.
std::u16string wordForm(std::u16string_view name) {
    std::u16string w;
    for (char16_t c : name)
        if (c != u'.') w.push_back(lowerLetter(c));
    return w;
}

// Whether `w` is `name` written out or abbreviated (`abbreviation`, or the
// first three letters of an English name: "sept" and "sep" both stand).
bool namesWord(const std::u16string& w, const char16_t* name, const char16_t* abbreviation) {
    std::u16string full = wordForm(name);
    return w == full || w == wordForm(abbreviation) || (w.size() >= 3 && full.compare(0, w.size(), w) == 0 &&
                                                        w.size() <= 4 && full.size() > w.size());
}

// 1-12 for a month name or abbreviation, English or the locale's, else 0.
int monthFromWord(const std::u16string& w, const Locale& locale) {
    for (const CalendarNames* names : {&*locale.names, &*usEnglishLocale().names})
        for (int m = 0; m < 12; ++m)
            if (namesWord(w, names->months[m], names->monthAbbreviations[m])) return m + 1;
    return 0;
}

bool isWeekdayWord(const std::u16string& w, const Locale& locale) {
    for (const CalendarNames* names : {&*locale.names, &*usEnglishLocale().names})
        for (int d = 0; d < 7; ++d)
            if (namesWord(w, names->weekdays[d], names->weekdayAbbreviations[d])) return true;
    return false;
}

struct TimeOfDay {
    bool present = false;
    int hour = 0, minute = 0, second = 0;
    int meridiem = 0;  // 0 none, 1 AM, 2 PM
};

// Takes "h:mm[:ss]" out of the tokens, and an AM/PM word anywhere.
bool extractTime(std::vector<Token>& tokens, TimeOfDay& time) {
    for (size_t i = 0; i < tokens.size();) {
        const std::u16string& w = tokens[i].word;
        bool meridiemWord = tokens[i].kind == Token::Word && (w == u"am" || w == u"pm" || w == u"a" || w == u"p");
        if (!meridiemWord) { ++i; continue; }
        if (time.meridiem != 0) return false;
        time.meridiem = w[0] == u'a' ? 1 : 2;
        tokens.erase(tokens.begin() + static_cast<long>(i));
    }
    for (size_t i = 0; i + 2 < tokens.size(); ++i) {
        bool hourColonMinute = tokens[i].kind == Token::Number && tokens[i + 1].kind == Token::Colon &&
                               tokens[i + 2].kind == Token::Number;
        if (!hourColonMinute) continue;
        time.present = true;
        time.hour = tokens[i].value;
        time.minute = tokens[i + 2].value;
        size_t end = i + 3;
        if (end + 1 < tokens.size() && tokens[end].kind == Token::Colon && tokens[end + 1].kind == Token::Number) {
            time.second = tokens[end + 1].value;
            end += 2;
        }
        tokens.erase(tokens.begin() + static_cast<long>(i), tokens.begin() + static_cast<long>(end));
        break;
    }
    // "1 PM": a lone number stands for the hour when a meridiem is given.
    if (!time.present && time.meridiem != 0 && tokens.size() == 1 && tokens[0].kind == Token::Number) {
        time.present = true;
        time.hour = tokens[0].value;
        tokens.clear();
    }
    if (time.meridiem != 0 && !time.present) return false;
    for (const Token& t : tokens)
        if (t.kind == Token::Colon) return false;
    return true;
}

bool timeFraction(const TimeOfDay& t, double& out) {
    int hour = t.hour;
    // An hour past 12 is already on the 24-hour clock: "13:45 PM" is 1:45 PM.
    if (t.meridiem != 0 && hour <= 12) hour = hour % 12 + (t.meridiem == 2 ? 12 : 0);
    if (hour > 23 || t.minute > 59 || t.second > 59) return false;
    out = (hour * 3600 + t.minute * 60 + t.second) / static_cast<double>(kSecondsPerDay);
    return true;
}

int currentYear() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

bool looksLikeYear(const Token& t) { return t.digits >= 3 || t.value > 31; }

int yearOf(const Token& t) { return t.digits <= 2 ? expandTwoDigitYear(t.value) : t.value; }

// Whether the locale writes the day before the month ("dd.MM.yyyy",
// "yyyy-MM-dd"): its short date pattern tells.
bool dayBeforeMonth(const Locale& locale) {
    std::u16string_view pattern = locale.shortDate;
    return pattern.find(u'd') < pattern.find(u'M') || pattern.find(u'y') < pattern.find(u'M');
}

// Year, month and day from the numbers (and month name) left once the time
// is taken out, in the locale's order of day and month.
bool datePartsFromTokens(const std::vector<Token>& tokens, const Locale& locale, int& y, int& m, int& d) {
    std::vector<Token> numbers;
    int namedMonth = 0;
    for (const Token& t : tokens) {
        if (t.kind == Token::Number) { numbers.push_back(t); continue; }
        int month = monthFromWord(t.word, locale);
        if (month != 0 && namedMonth == 0) namedMonth = month;
        else if (!isWeekdayWord(t.word, locale)) return false;
    }
    const bool dayFirst = dayBeforeMonth(locale);
    if (namedMonth != 0) {
        m = namedMonth;
        if (numbers.size() == 2) {
            // "January 2, 2020", "2 Jan 2020", "2020 Jan 2"
            bool yearFirst = looksLikeYear(numbers[0]);
            d = yearFirst ? numbers[1].value : numbers[0].value;
            y = yearOf(yearFirst ? numbers[0] : numbers[1]);
        } else if (numbers.size() == 1) {
            bool isYear = looksLikeYear(numbers[0]);  // "Jan 2020" or "Jan 2"
            d = isYear ? 1 : numbers[0].value;
            y = isYear ? yearOf(numbers[0]) : currentYear();
        } else {
            return false;
        }
        return true;
    }
    if (numbers.size() == 3) {
        if (looksLikeYear(numbers[0])) {  // "2020-01-02", "2020/1/2"
            y = numbers[0].value, m = numbers[1].value, d = numbers[2].value;
        } else {
            m = numbers[dayFirst ? 1 : 0].value, d = numbers[dayFirst ? 0 : 1].value, y = yearOf(numbers[2]);
        }
    } else if (numbers.size() == 2) {
        if (looksLikeYear(numbers[1])) {  // "1/2020"
            m = numbers[0].value, d = 1, y = yearOf(numbers[1]);
        } else {  // "1/2": this year
            m = numbers[dayFirst ? 1 : 0].value, d = numbers[dayFirst ? 0 : 1].value, y = currentYear();
        }
    } else {
        return false;
    }
    // "13/2/2020" cannot be month 13: read it day first instead.
    if (m > 12 && d <= 12) std::swap(m, d);
    return true;
}

}  // namespace

bool dateFromParts(int year, int month, int day, double& out) {
    int64_t y = expandTwoDigitYear(year);
    int64_t monthIndex = static_cast<int64_t>(month) - 1;
    // Months past December (or before January) move the year.
    int64_t yearShift = monthIndex >= 0 ? monthIndex / 12 : -((-monthIndex + 11) / 12);
    y += yearShift;
    int m = static_cast<int>(monthIndex - yearShift * 12) + 1;
    if (y < 0 || y > 100000) return false;
    double serial = static_cast<double>(daysFromCivil(y, m, 1) - kDayZero) + (static_cast<double>(day) - 1);
    if (serial < detail::kMinDate || serial > detail::kMaxDate) return false;
    out = serial;
    return true;
}

void partsFromDate(double date, int& year, int& month, int& day, int& hour, int& minute, int& second) {
    int64_t dayNumber = 0;
    int secondOfDay = 0;
    splitDate(date, dayNumber, secondOfDay);
    civilFromDays(dayNumber + kDayZero, year, month, day);
    hour = secondOfDay / 3600;
    minute = secondOfDay / 60 % 60;
    second = secondOfDay % 60;
}

std::u16string formatDate(double date) { return formatDate(date, usEnglishLocale()); }

std::u16string formatDate(double date, const Locale& locale) {
    int64_t day = 0;
    int secondOfDay = 0;
    splitDate(date, day, secondOfDay);
    // Which parts show is decided on the value itself, before the time is
    // rounded to whole seconds: 0.99999999 is still a time alone.
    bool hasDay = std::trunc(date) != 0;
    bool hasTime = date != std::trunc(date);
    std::u16string dateText = formatParts(day, secondOfDay, locale.shortDate, locale);
    std::u16string timeText = formatParts(day, secondOfDay, locale.longTime, locale);
    if (!hasDay) return timeText;  // a time alone, midnight included
    if (!hasTime) return dateText;  // a whole day
    return dateText + u" " + timeText;
}

std::u16string formatDatePattern(double date, std::u16string_view pattern, const Locale& locale) {
    int64_t day = 0;
    int secondOfDay = 0;
    splitDate(date, day, secondOfDay);
    return formatParts(day, secondOfDay, pattern, locale);
}

bool parseDate(std::u16string_view text, double& out) { return parseDate(text, out, usEnglishLocale()); }

bool parseDate(std::u16string_view text, double& out, const Locale& locale) {
    std::vector<Token> tokens;
    bool dotSeparates = std::u16string_view(locale.shortDate).find(u'.') != std::u16string_view::npos;
    if (!tokenize(text, dotSeparates, tokens) || tokens.empty()) return false;
    TimeOfDay time;
    if (!extractTime(tokens, time)) return false;
    double fraction = 0;
    if (time.present && !timeFraction(time, fraction)) return false;
    double day = 0;
    if (!tokens.empty()) {
        int y = 0, m = 0, d = 0;
        if (!datePartsFromTokens(tokens, locale, y, m, d)) return false;
        if (y < 100 || y > 9999 || m < 1 || m > 12 || d < 1 || d > daysInMonth(y, m)) return false;
        if (!dateFromParts(y, m, d, day)) return false;
    } else if (!time.present) {
        return false;
    }
    out = joinDayAndTime(day, fraction);
    return true;
}

}  // namespace vbs::ops
