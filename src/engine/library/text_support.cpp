#include "engine/library/text_support.h"

#include <cstdint>

#include "engine/conversions.h"

namespace vbs::lib {

namespace {

// Bytes 0x80-0x9F of Windows-1252; the five unassigned bytes map to
// themselves, as the system conversion does.
const char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool inRange(char16_t c, char16_t lo, char16_t hi) { return c >= lo && c <= hi; }

}  // namespace

// Covers the scripts a calculator's users type: ASCII, Latin-1, Latin
// Extended-A, Greek and Cyrillic. Characters without a simple one-to-one
// case pair (such as ß) stay as they are.
char16_t toUpperChar(char16_t c) {
    if (inRange(c, u'a', u'z')) return c - 32;
    if (c < 0x80) return c;
    if ((inRange(c, 0xE0, 0xFE) && c != 0xF7)) return c - 32;
    if (c == 0xFF) return 0x178;
    if (inRange(c, 0x100, 0x137) || inRange(c, 0x14A, 0x177)) return (c & 1) ? c - 1 : c;
    if (inRange(c, 0x139, 0x148) || inRange(c, 0x179, 0x17E)) return (c & 1) ? c : c - 1;
    if (inRange(c, 0x3B1, 0x3C9) && c != 0x3C2) return c - 32;
    if (inRange(c, 0x430, 0x44F)) return c - 32;
    if (inRange(c, 0x450, 0x45F)) return c - 80;
    return c;
}

std::u16string toUpperText(std::u16string_view s) {
    std::u16string out(s);
    for (char16_t& c : out) c = toUpperChar(c);
    return out;
}

TextSearcher::TextSearcher(std::u16string_view hay, std::u16string_view needle, bool textCompare)
    : hay_(textCompare ? toUpperText(hay) : std::u16string(hay)),
      needle_(textCompare ? toUpperText(needle) : std::u16string(needle)) {}

size_t findText(std::u16string_view hay, std::u16string_view needle, size_t from, bool textCompare) {
    if (!textCompare) return hay.find(needle, from);
    return toUpperText(hay).find(toUpperText(needle), from);
}

size_t findLastText(std::u16string_view hay, std::u16string_view needle, size_t end, bool textCompare) {
    if (needle.size() > end) return std::u16string_view::npos;
    size_t lastStart = end - needle.size();
    if (!textCompare) return hay.rfind(needle, lastStart);
    return toUpperText(hay).rfind(toUpperText(needle), lastStart);
}

int compareText(std::u16string_view a, std::u16string_view b, bool textCompare) {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        char16_t x = textCompare ? toUpperChar(a[i]) : a[i];
        char16_t y = textCompare ? toUpperChar(b[i]) : b[i];
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

char16_t charFromCodePage(uint8_t byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kCp1252High[byte - 0x80];
    return byte;
}

uint8_t codePageFromChar(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<uint8_t>(c);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == c) return static_cast<uint8_t>(0x80 + i);
    return '?';
}

}  // namespace vbs::lib

namespace vbs::ops {

char16_t upperChar(char16_t c) { return lib::toUpperChar(c); }

}  // namespace vbs::ops
