#include "console/transcript_word.h"

#include <vector>

namespace talvoro {

namespace {

using Line = std::u16string_view;

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Code units from U+00C0 up count as letters: that keeps accented and other
// scripts' words whole without a character database.
bool isWordCharacter(char16_t c) {
    return isDigit(c) || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_' || c >= 0xC0;
}

char16_t at(Line line, size_t i) { return i < line.size() ? line[i] : u'\0'; }

size_t digitsEnd(Line line, size_t i) {
    while (isDigit(at(line, i))) ++i;
    return i;
}

size_t wordEnd(Line line, size_t i) {
    while (i < line.size() && isWordCharacter(line[i])) ++i;
    return i;
}

// A sign belongs to the number after it unless it stands between two
// operands, where it is a plus or a minus: "A:-4", "(-4)", "2*-4" but "3-4".
bool signCanStartNumber(Line line, size_t sign) {
    if (sign == 0) return true;
    const char16_t before = line[sign - 1];
    return !(isWordCharacter(before) || before == u')' || before == u']' || before == u'.');
}

// "/31/2020" after a date's first part; 0 when no date goes on here.
size_t dateEnd(Line line, size_t slash) {
    const size_t day = digitsEnd(line, slash + 1);
    if (day == slash + 1 || at(line, day) != u'/') return 0;
    const size_t year = digitsEnd(line, day + 1);
    return year == day + 1 ? 0 : year;
}

// ":04[:05][ AM]" after a time's hour; 0 when no time goes on here.
size_t timeEnd(Line line, size_t colon) {
    size_t end = digitsEnd(line, colon + 1);
    if (end == colon + 1) return 0;
    if (at(line, end) == u':' && isDigit(at(line, end + 1))) end = digitsEnd(line, end + 1);
    const Line rest = line.substr(end);
    const bool meridiem = rest.substr(0, 3) == u" AM" || rest.substr(0, 3) == u" PM";
    if (meridiem && !isWordCharacter(at(line, end + 3))) end += 3;
    return end;
}

size_t exponentEnd(Line line, size_t e) {
    if (at(line, e) != u'E' && at(line, e) != u'e') return e;
    size_t digits = e + 1;
    if (at(line, digits) == u'+' || at(line, digits) == u'-') ++digits;
    return isDigit(at(line, digits)) ? digitsEnd(line, digits) : e;
}

// The end of an unsigned number, date or time that begins at `i`; `i` when
// none begins there.
size_t numberEnd(Line line, size_t i) {
    size_t end = digitsEnd(line, i);
    if (end == i) {
        if (at(line, i) != u'.' || !isDigit(at(line, i + 1))) return i;
        return exponentEnd(line, digitsEnd(line, i + 1));
    }
    if (at(line, end) == u'/') {
        if (const size_t date = dateEnd(line, end)) return date;
    }
    if (at(line, end) == u':') {
        if (const size_t time = timeEnd(line, end)) return time;
    }
    // Group separators stand before exactly three digits.
    while (at(line, end) == u',' && digitsEnd(line, end + 1) == end + 4) end += 4;
    if (at(line, end) == u'.' && isDigit(at(line, end + 1))) end = digitsEnd(line, end + 1);
    return exponentEnd(line, end);
}

bool isNumberWord(Line word) { return word == u"INF" || word == u"NaN"; }

// Every value of the line, from left to right.
std::vector<TextSpan> valuesOf(Line line) {
    std::vector<TextSpan> values;
    size_t i = 0;
    while (i < line.size()) {
        const bool hasSign = (line[i] == u'-' || line[i] == u'+') && signCanStartNumber(line, i);
        const size_t body = hasSign ? i + 1 : i;
        size_t end = numberEnd(line, body);
        size_t start = i;
        if (end == body) {
            end = wordEnd(line, body);
            // A sign joins INF and NaN only; before other words it is left out.
            if (end > body && !isNumberWord(line.substr(body, end - body))) start = body;
        }
        if (end == body) {
            ++i;
            continue;
        }
        values.push_back({static_cast<int>(start), static_cast<int>(end - start)});
        i = end;
    }
    return values;
}

}  // namespace

TextSpan transcriptWordAt(std::u16string_view line, int position) {
    TextSpan endingHere;
    for (const TextSpan& value : valuesOf(line)) {
        if (value.start <= position && position < value.start + value.length) return value;
        if (value.start + value.length == position) endingHere = value;
    }
    return endingHere;
}

}  // namespace talvoro
